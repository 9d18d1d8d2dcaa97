#include "grid/LightPosition.h"

#include <cstdlib>
#include <utility>

namespace tessaran {

int LightSpec::length() const {
    return std::abs(endColumn - startColumn) + std::abs(endRow - startRow) + 1;
}

bool LightSpec::isWellFormed(int maxLength) const {
    const bool across = stepRow == 0 && (stepColumn == 1 || stepColumn == -1);
    const bool down = stepColumn == 0 && (stepRow == 1 || stepRow == -1);
    if (!across && !down)
        return false;
    if (across && startRow != endRow)
        return false;
    if (down && startColumn != endColumn)
        return false;
    // The end must be reached by stepping forward from the start.
    const long long along = across ? static_cast<long long>(endColumn - startColumn) * stepColumn
                                   : static_cast<long long>(endRow - startRow) * stepRow;
    return along >= 0 && along + 1 <= maxLength;
}

bool LightSpec::fitsIn(int columns, int rows) const {
    auto inside = [&](int c, int r) { return c >= 0 && c < columns && r >= 0 && r < rows; };
    return inside(startColumn, startRow) && inside(endColumn, endRow);
}

LightSpec LightSpec::normalised() const {
    LightSpec s = *this;
    if (s.stepColumn < 0) {
        std::swap(s.startColumn, s.endColumn);
        s.stepColumn = -s.stepColumn;
    }
    if (s.stepRow < 0) {
        std::swap(s.startRow, s.endRow);
        s.stepRow = -s.stepRow;
    }
    return s;
}

LightSpec LightSpec::between(int startColumn, int startRow, int endColumn, int endRow) {
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    LightSpec s{startColumn,
                startRow,
                endColumn,
                endRow,
                sign(endColumn - startColumn),
                sign(endRow - startRow)};
    if (s.stepColumn == 0 && s.stepRow == 0)
        s.stepColumn = 1;
    return s;
}

}  // namespace tessaran
