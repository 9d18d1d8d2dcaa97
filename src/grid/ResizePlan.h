#pragma once
// Which columns and rows a resize inserts and deletes, once the grid's symmetry has added
// the matching operations, and where each old column and row ends up.

#include <optional>
#include <vector>

namespace tessaran {

// delta > 0 inserts that many lines before line `position`; delta < 0 deletes -delta
// lines starting at `position`.
struct ResizeOperation {
    int position = 0;
    int delta = 0;
    bool operator==(const ResizeOperation&) const = default;
};

// The operations along one axis, sorted by position and merged so that no two overlap.
class AxisResize {
public:
    AxisResize() = default;
    AxisResize(int oldSize, std::vector<ResizeOperation> operations);

    const std::vector<ResizeOperation>& operations() const { return m_operations; }
    int oldSize() const { return m_oldSize; }
    int newSize() const;

    // The new index of old line `index`, or -1 when the line is deleted.
    int map(int index) const;
    // The new index of the first line of each insertion, with its count.
    std::vector<ResizeOperation> insertedRanges() const;
    // The new index of the line that follows each deletion (it may equal newSize() when the
    // deletion reached the far edge).
    std::vector<int> linesAfterDeletions() const;

private:
    int m_oldSize = 0;
    std::vector<ResizeOperation> m_operations;
};

struct ResizePlan {
    AxisResize columns;
    AxisResize rows;
};

// The resize of a columns x rows grid under the given symmetry type: the requested
// column and row operations (a zero delta requests nothing), the operations the symmetry
// adds, sorted and merged. A deletion running past the edge is shortened to end there.
// Nothing when a position lies outside 0..size or the result would have fewer than 1 or
// more than maxSize columns or rows.
std::optional<ResizePlan> planResize(int columns, int rows, int symmetryType, int columnDelta,
                                     int columnPosition, int rowDelta, int rowPosition,
                                     int maxSize);

}  // namespace tessaran
