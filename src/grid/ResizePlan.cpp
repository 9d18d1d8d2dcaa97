#include "grid/ResizePlan.h"

#include <algorithm>
#include <initializer_list>

namespace tessaran {

namespace {

bool typeIn(int type, std::initializer_list<int> types) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

// The operation that mirrors op about the middle of an axis of `size` lines, or nothing
// when op is its own mirror image.
std::optional<ResizeOperation> mirrored(const ResizeOperation& op, int size) {
    if (op.delta > 0) {
        if (2 * op.position == size)
            return std::nullopt;
        return ResizeOperation{size - op.position, op.delta};
    }
    const int position = size - op.position + op.delta;
    if (position == op.position)
        return std::nullopt;
    return ResizeOperation{position, op.delta};
}

// The position op takes on the other axis under reflection in the other diagonal.
ResizeOperation acrossOtherDiagonal(const ResizeOperation& op, int size) {
    if (op.delta > 0)
        return {size - op.position, op.delta};
    return {size - op.position + op.delta, op.delta};
}

// Sorted by position, insertions before deletions at the same position; two insertions at
// one position become the larger; a deletion swallows whatever starts inside it.
std::vector<ResizeOperation> merged(std::vector<ResizeOperation> ops) {
    std::stable_sort(ops.begin(), ops.end(),
                     [](const ResizeOperation& a, const ResizeOperation& b) {
                         if (a.position != b.position)
                             return a.position < b.position;
                         return a.delta > 0 && b.delta < 0;
                     });
    std::vector<ResizeOperation> result;
    for (const ResizeOperation& op : ops) {
        if (!result.empty()) {
            ResizeOperation& last = result.back();
            if (last.delta > 0 && op.delta > 0 && last.position == op.position) {
                last.delta = std::max(last.delta, op.delta);
                continue;
            }
            if (last.delta < 0 && op.position < last.position - last.delta) {
                if (op.delta < 0) {
                    const int end = std::max(last.position - last.delta, op.position - op.delta);
                    last.delta = last.position - end;
                }
                continue;
            }
        }
        result.push_back(op);
    }
    return result;
}

}  // namespace

AxisResize::AxisResize(int oldSize, std::vector<ResizeOperation> operations)
    : m_oldSize(oldSize), m_operations(merged(std::move(operations))) {}

int AxisResize::newSize() const {
    int size = m_oldSize;
    for (const ResizeOperation& op : m_operations)
        size += op.delta;
    return size;
}

int AxisResize::map(int index) const {
    int mapped = index;
    for (const ResizeOperation& op : m_operations) {
        if (index < op.position)
            continue;
        if (op.delta < 0 && index < op.position - op.delta)
            return -1;
        mapped += op.delta;
    }
    return mapped;
}

std::vector<ResizeOperation> AxisResize::insertedRanges() const {
    std::vector<ResizeOperation> ranges;
    int offset = 0;
    for (const ResizeOperation& op : m_operations) {
        if (op.delta > 0)
            ranges.push_back({op.position + offset, op.delta});
        offset += op.delta;
    }
    return ranges;
}

std::vector<int> AxisResize::linesAfterDeletions() const {
    std::vector<int> lines;
    int offset = 0;
    for (const ResizeOperation& op : m_operations) {
        if (op.delta < 0)
            lines.push_back(op.position + offset);
        offset += op.delta;
    }
    return lines;
}

std::optional<ResizePlan> planResize(int columns, int rows, int symmetryType, int columnDelta,
                                     int columnPosition, int rowDelta, int rowPosition,
                                     int maxSize) {
    if (columnPosition < 0 || columnPosition > columns || rowPosition < 0 || rowPosition > rows)
        return std::nullopt;
    // A deletion that would run past the edge ends at the edge.
    if (columnDelta < 0)
        columnDelta = std::max(columnDelta, columnPosition - columns);
    if (rowDelta < 0)
        rowDelta = std::max(rowDelta, rowPosition - rows);

    std::vector<ResizeOperation> columnOps;
    std::vector<ResizeOperation> rowOps;
    if (columnDelta != 0)
        columnOps.push_back({columnPosition, columnDelta});
    if (rowDelta != 0)
        rowOps.push_back({rowPosition, rowDelta});

    // Each rule works on the operations gathered so far, so that on a square grid the
    // mirrors of the diagonal partners are present too. Type 4 keeps a half turn on a grid
    // that is not square, so it mirrors both axes like the other half-turn types.
    auto addMirrors = [](std::vector<ResizeOperation>& ops, int size) {
        const std::vector<ResizeOperation> current = ops;
        for (const ResizeOperation& op : current)
            if (auto m = mirrored(op, size))
                ops.push_back(*m);
    };
    if (typeIn(symmetryType, {1, 2, 3, 4, 5, 6}))
        addMirrors(columnOps, columns);
    if (typeIn(symmetryType, {1, 2, 4, 5, 6, 8}))
        addMirrors(rowOps, rows);
    const bool square = columns == rows;
    if (square && typeIn(symmetryType, {2, 4, 6, 7})) {
        const std::vector<ResizeOperation> c = columnOps;
        const std::vector<ResizeOperation> r = rowOps;
        rowOps.insert(rowOps.end(), c.begin(), c.end());
        columnOps.insert(columnOps.end(), r.begin(), r.end());
    }
    if (square && typeIn(symmetryType, {2, 4, 6, 9})) {
        const std::vector<ResizeOperation> c = columnOps;
        const std::vector<ResizeOperation> r = rowOps;
        for (const ResizeOperation& op : c)
            rowOps.push_back(acrossOtherDiagonal(op, columns));
        for (const ResizeOperation& op : r)
            columnOps.push_back(acrossOtherDiagonal(op, rows));
    }

    ResizePlan plan{AxisResize(columns, std::move(columnOps)), AxisResize(rows, std::move(rowOps))};
    const int newColumns = plan.columns.newSize();
    const int newRows = plan.rows.newSize();
    if (newColumns < 1 || newColumns > maxSize || newRows < 1 || newRows > maxSize)
        return std::nullopt;
    return plan;
}

}  // namespace tessaran
