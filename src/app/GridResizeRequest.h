#pragma once
// What the Grid Resize dialog asks for, and the resize it stands for at the selected cell.

namespace tessaran {

class Grid;

// "Add cells to left of selection", "Add cells to right of selection", "Delete cells at
// and to right of selection" for columns; above, below, at and below for rows.
enum class ResizeAction { AddBefore = 0, AddAfter = 1, Delete = 2 };

struct GridResizeRequest {
    int columns = 0;
    ResizeAction columnAction = ResizeAction::AddBefore;
    int rows = 0;
    ResizeAction rowAction = ResizeAction::AddBefore;

    // The signed counts and sides the dialog yields: a deletion counts negative; the side
    // is 1 for "right" ("below"), else 0.
    int columnDelta() const;
    int columnSide() const { return columnAction == ResizeAction::AddAfter ? 1 : 0; }
    int rowDelta() const;
    int rowSide() const { return rowAction == ResizeAction::AddAfter ? 1 : 0; }
};

// The arguments of Grid::resize for the request at the selected cell (column and row 0
// without one): the position is the selected column (row), one further for "right"
// ("below").
struct ResizeArguments {
    int columnDelta = 0;
    int columnPosition = 0;
    int rowDelta = 0;
    int rowPosition = 0;
    bool operator==(const ResizeArguments&) const = default;
};
ResizeArguments resizeArguments(const GridResizeRequest& request, int selectedColumn,
                                int selectedRow);

// Whether grid can be resized so: every position inside the grid and the result within
// 1 to 50 columns and rows under the grid's symmetry.
bool canResize(const Grid& grid, const ResizeArguments& arguments);

}  // namespace tessaran
