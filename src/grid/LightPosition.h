#pragma once
// Where a light lies on the grid: LightSpec.

#include "grid/Direction.h"

namespace tessaran {

// Where a light lies: its first and last cell (both included) and its reading step.
// A well-formed spec is a straight run along one row or column with a step of length
// one: (1,0), (-1,0), (0,1) or (0,-1), the end reached from the start by whole steps.
struct LightSpec {
    int startColumn = 0;
    int startRow = 0;
    int endColumn = 0;
    int endRow = 0;
    int stepColumn = 1;
    int stepRow = 0;

    bool operator==(const LightSpec&) const = default;

    Direction direction() const { return directionOfStep(stepRow); }

    // Number of cells from start to end; meaningful for a well-formed spec only.
    int length() const;

    // True when the spec is a straight run with a unit step along one row or column whose
    // end lies on or after the start in the direction of the step, with at most maxLength
    // cells.
    bool isWellFormed(int maxLength) const;

    // True when every cell of a well-formed spec lies in a grid of the given size.
    bool fitsIn(int columns, int rows) const;

    // The same cells read left to right or top to bottom: a negative step swaps the ends
    // and turns positive.
    LightSpec normalised() const;

    // The spec whose start and end are those given, the step pointing from start to end
    // (sign of the differences; (1,0) when start and end coincide).
    static LightSpec between(int startColumn, int startRow, int endColumn, int endRow);
};

}  // namespace tessaran
