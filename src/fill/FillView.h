#pragma once
// The fill's snapshot of what every cell shows, handed to the grid window with every
// progress report so that it can redraw just the cells whose letters changed.

#include <cstdint>
#include <vector>

namespace tessaran {

class Dictionary;
class Grid;

class FillView {
public:
    // Where a cell's letter comes from.
    enum class Kind : std::int8_t {
        ShownText = 0,  // letter: its letter index, -1 when not one letter, -2 for "."
        Fixed = 1,      // letter: the fixedLetter of a candidate on the search path
        Filled = 2,     // letter: the filledLetter a finished light left
        Empty = 3,      // letter -2: nothing, or a cell in no light
    };
    struct Entry {
        Kind kind = Kind::Empty;
        int letter = -2;
        bool operator==(const Entry&) const = default;
    };

    FillView() = default;
    // A rows x columns table taken from the cells of grid (see entryFor).
    FillView(const Grid& grid, const Dictionary& dictionary);

    // The entry a cell has now: kind 0 when it has shown text (-1 when no dictionary is
    // loaded), else kind 1 for a fixed letter, kind 2 for a filled letter, else kind 3.
    static Entry entryFor(const Grid& grid, const Dictionary& dictionary, int row, int column);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    Entry& at(int row, int column) { return m_entries[row * m_columns + column]; }
    const Entry& at(int row, int column) const { return m_entries[row * m_columns + column]; }

private:
    int m_rows = 0;
    int m_columns = 0;
    std::vector<Entry> m_entries;
};

}  // namespace tessaran
