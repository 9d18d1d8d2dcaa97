#include "app/GridToolsWindows.h"

#include "app/EditorCommands.h"
#include "app/GridDimensionsViewWindows.h"
#include "app/GridResizeDialogWindows.h"
#include "app/GridStatisticsViewWindows.h"
#include "app/GridViewWindows.h"
#include "app/Settings.h"
#include "app/UnchModelViewWindows.h"

namespace tessaran {

GridToolsWindows::GridToolsWindows(GridViewWindows& gridView, Settings& settings, QObject* parent)
    : QObject(parent), m_gridView(gridView), m_settings(settings) {
    m_gridView.setCommandHandler(command::Dimensions, [this] { dimensions(); });
    m_gridView.setCommandHandler(command::UnchModel, [this] { unchModel(); });
    m_gridView.setCommandHandler(command::Statistics, [this] { statistics(); });
    m_gridView.setCommandHandler(command::Resize, [this] { resize(); });
}

GridToolsWindows::~GridToolsWindows() {
    for (int number :
         {command::Dimensions, command::UnchModel, command::Statistics, command::Resize})
        m_gridView.setCommandHandler(number, {});
    delete m_statistics.data();
}

void GridToolsWindows::setHelpHandler(std::function<void(int)> handler) {
    m_help = std::move(handler);
    if (m_statistics)
        m_statistics->setHelpHandler(m_help);
}

void GridToolsWindows::dimensions() {
    GridDimensionsViewWindows dialog(m_gridView, m_settings, m_gridView.window());
    dialog.setHelpHandler(m_help);
    m_gridView.runModal(dialog);
}

void GridToolsWindows::unchModel() {
    UnchModelViewWindows dialog(m_gridView, m_settings, m_gridView.window());
    dialog.setHelpHandler(m_help);
    m_gridView.runModal(dialog);
}

void GridToolsWindows::statistics() {
    if (!m_statistics) {
        m_statistics = new GridStatisticsViewWindows(m_gridView, m_gridView.window());
        m_statistics->setHelpHandler(m_help);
        m_gridView.addToolWindow(m_statistics);
    }
    m_statistics->showWindow();
}

void GridToolsWindows::resize() {
    GridResizeDialogWindows dialog(m_gridView.window());
    if (m_gridView.runModal(dialog) != QDialog::Accepted)
        return;
    const Cell* cell = m_gridView.selectedCell();
    const ResizeArguments arguments =
        resizeArguments(dialog.request(), cell ? cell->column() : 0, cell ? cell->row() : 0);
    Grid& grid = m_gridView.grid();
    if (arguments.columnDelta == 0 && arguments.rowDelta == 0)
        return;
    // A refused resize changes nothing, so it takes no checkpoint and says why.
    if (!canResize(grid, arguments)) {
        m_gridView.showMessage(tr("Grid Resize"),
                               tr("The grid can't be resized so: a grid has 1 to %1 columns "
                                  "and 1 to %1 rows.")
                                   .arg(Grid::kMaxSize),
                               MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    grid.checkpoint();
    grid.resize(arguments.columnDelta, arguments.columnPosition, arguments.rowDelta,
                arguments.rowPosition);
}

}  // namespace tessaran
