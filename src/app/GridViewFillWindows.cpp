// The grid window's redisplay while a fill runs: only cells whose letters changed are
// redrawn, through the renderer's fast path, so that watching a fill costs little.

#include "app/GridViewWindows.h"

#include <QEvent>

#include "dictionary/Dictionary.h"
#include "grid/Cell.h"

namespace tessaran {

void GridViewWindows::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        return;
    QWidget::changeEvent(event);
}

QRegion GridViewWindows::redisplayFill() {
    const Dictionary& dictionary = Dictionary::instance();
    const int rows = m_grid.rows();
    const int columns = m_grid.columns();
    const size_t count = static_cast<size_t>(rows * columns);
    const bool fresh = m_fillShown.size() != count;
    if (fresh)
        m_fillShown.assign(count, FillView::Entry{});
    QRegion changed;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const Cell& cell = m_grid.cellAt(row, column);
            if (!cell.inAnyLight())
                continue;
            const FillView::Entry entry = FillView::entryFor(m_grid, dictionary, row, column);
            FillView::Entry& shown = m_fillShown[static_cast<size_t>(row * columns + column)];
            if (!fresh && entry == shown)
                continue;
            shown = entry;
            changed += cellRect(cell);
        }
    if (!changed.isEmpty() && isVisible()) {
        m_fillRegion = changed;
        repaint(changed);
        m_fillRegion = QRegion();
    }
    return changed;
}

}  // namespace tessaran
