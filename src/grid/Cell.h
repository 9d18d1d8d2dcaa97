#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "grid/Colour.h"
#include "grid/Font.h"

namespace tessaran {

class Grid;
class Light;

// Letter index values shared with the dictionary and the fill.
inline constexpr std::uint8_t kNoLetter = 254;   // empty, or any letter
inline constexpr std::uint8_t kNotLetter = 255;  // not a single dictionary letter

// The four corner numbers a user may type into a cell. Main takes part in numbering.
enum class CellCorner { Main = 0, NorthEast = 1, SouthEast = 2, SouthWest = 3 };

// One square of the grid. A cell belongs to at most two lights, one across and one down;
// a cell in no light is a block. Texts are single-byte (ISO 8859-1) and never hold line
// breaks: setters turn each line break into a space.
class Cell {
public:
    // Longest own text that counts: a cell never takes more characters of a light text.
    static constexpr int kMaxTextLength = 99;

    Cell(Grid& grid, int row, int column);
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;

    int row() const { return m_row; }
    int column() const { return m_column; }
    Grid& grid() const { return *m_grid; }

    // -1: the grid's block type; 0 drawn filled; 1 a hole. Values are folded into that
    // range keeping their sign (value % 2). Ignored while the cell is in a light.
    int blockType() const { return m_blockType; }
    void setBlockType(int blockType);

    // Numbers as typed: absent, empty (which suppresses numbering here) or a text.
    const std::optional<std::string>& number(CellCorner corner) const {
        return m_numbers[static_cast<int>(corner)];
    }
    void setNumber(CellCorner corner, std::string_view number);
    void clearNumber(CellCorner corner);

    // The cell's own letters. An empty text is kept: the cell then takes no characters of
    // the lights through it (clearText gives it back its one character). Setting or
    // clearing it drops the cell's filled letter and the fill evaluation of its lights.
    const std::optional<std::string>& text() const { return m_text; }
    void setText(std::string_view text);
    void clearText();
    // How many characters of each light text through this cell belong to it: the length
    // of its own text (at most kMaxTextLength, possibly 0), 1 when it has none.
    int textLength() const;

    const std::optional<Colour>& backgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(Colour colour) { m_backgroundColour = colour; }
    void clearBackgroundColour() { m_backgroundColour.reset(); }

    const std::optional<FontSpec>& textFont() const { return m_textFont; }
    void setTextFont(const FontSpec& font) { m_textFont = font; }
    void clearTextFont() { m_textFont.reset(); }

    // Text, numbers, colour and font cleared; the block type goes back to -1 when the cell
    // is in no light.
    void clearAll();

    // Copies block type, numbers, text, both letters, colour and font of other. The cell
    // keeps its own row, column and grid (so reshaping a grid can copy cells to new
    // places); the shown number and text are cleared and it belongs to no light.
    // REQUIRES: this cell is in no light.
    void copyFrom(const Cell& other);

    // Derived by Grid::refresh from the cell, its lights and the grid settings.
    const std::optional<std::string>& shownNumber() const { return m_shownNumber; }
    bool numberClash() const { return m_numberClash; }
    const std::optional<std::string>& shownText() const { return m_shownText; }
    bool textClash() const { return m_textClash; }

    // The lights through the cell (at most one across and one down) and the cell's
    // 0-based position in each. Light maintains these through attach and detach.
    Light* lightA() const { return m_lightA; }
    Light* lightB() const { return m_lightB; }
    int indexA() const { return m_indexA; }
    int indexB() const { return m_indexB; }
    // Fills lightA when empty, else lightB when empty.
    void attach(Light* light, int index);
    // Empties the slot that holds light, if any.
    void detach(const Light* light);
    bool inAnyLight() const { return m_lightA || m_lightB; }
    // The cell's position in light, or -1 when it is not in it.
    int indexIn(const Light* light) const;

    // Working letter of a running fill (kNoLetter outside fills).
    std::uint8_t fixedLetter() const { return m_fixedLetter; }
    void setFixedLetter(std::uint8_t letter) { m_fixedLetter = letter; }
    // Letter placed by automatic filling and not yet committed (kNoLetter: none).
    std::uint8_t filledLetter() const { return m_filledLetter; }
    void setFilledLetter(std::uint8_t letter) { m_filledLetter = letter; }
    // Scratch mark of the fill.
    int mark() const { return m_mark; }
    void setMark(int mark) { m_mark = mark; }

private:
    friend class Grid;  // writes the derived fields on refresh
    void invalidateLights();

    int m_row;
    int m_column;
    int m_blockType = -1;
    std::optional<std::string> m_numbers[4];
    std::optional<std::string> m_text;
    std::optional<Colour> m_backgroundColour;
    std::optional<FontSpec> m_textFont;
    std::optional<std::string> m_shownNumber;
    bool m_numberClash = false;
    std::optional<std::string> m_shownText;
    bool m_textClash = false;
    Grid* m_grid;
    Light* m_lightA = nullptr;
    Light* m_lightB = nullptr;
    int m_indexA = 0;
    int m_indexB = 0;
    std::uint8_t m_fixedLetter = kNoLetter;
    std::uint8_t m_filledLetter = kNoLetter;
    int m_mark = 0;
};

}  // namespace tessaran
