#include "app/GridResizeRequest.h"

#include "grid/Grid.h"
#include "grid/ResizePlan.h"

namespace tessaran {

int GridResizeRequest::columnDelta() const {
    return columnAction == ResizeAction::Delete ? -columns : columns;
}

int GridResizeRequest::rowDelta() const {
    return rowAction == ResizeAction::Delete ? -rows : rows;
}

ResizeArguments resizeArguments(const GridResizeRequest& request, int selectedColumn,
                                int selectedRow) {
    return {request.columnDelta(), selectedColumn + request.columnSide(), request.rowDelta(),
            selectedRow + request.rowSide()};
}

bool canResize(const Grid& grid, const ResizeArguments& arguments) {
    return planResize(grid.columns(), grid.rows(), grid.settingValue(GridSetting::Symmetry),
                      arguments.columnDelta, arguments.columnPosition, arguments.rowDelta,
                      arguments.rowPosition, Grid::kMaxSize)
        .has_value();
}

}  // namespace tessaran
