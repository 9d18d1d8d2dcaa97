#include "fill/FillView.h"

#include "dictionary/Dictionary.h"
#include "grid/Grid.h"

namespace tessaran {

FillView::FillView(const Grid& grid, const Dictionary& dictionary)
    : m_rows(grid.rows()), m_columns(grid.columns()) {
    m_entries.resize(static_cast<size_t>(m_rows) * m_columns);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            at(r, c) = entryFor(grid, dictionary, r, c);
}

FillView::Entry FillView::entryFor(const Grid& grid, const Dictionary& dictionary, int row,
                                   int column) {
    const Cell& cell = grid.cellAt(row, column);
    if (!cell.inAnyLight())
        return Entry{Kind::Empty, -2};
    if (const auto& shown = cell.shownText()) {
        if (*shown == ".")
            return Entry{Kind::ShownText, -2};
        int letter = -1;
        if (shown->size() == 1 && dictionary.isValid()) {
            const int index = dictionary.letterOf(static_cast<unsigned char>((*shown)[0]));
            if (index < dictionary.alphabetSize())
                letter = index;
        }
        return Entry{Kind::ShownText, letter};
    }
    if (cell.fixedLetter() != kNoLetter)
        return Entry{Kind::Fixed, cell.fixedLetter()};
    if (cell.filledLetter() != kNoLetter)
        return Entry{Kind::Filled, cell.filledLetter()};
    return Entry{Kind::Empty, -2};
}

}  // namespace tessaran
