#pragma once

namespace tessaran {

class Grid;
class Light;

enum class UnchLevel { Underunched = 0, WithinLimits = 1, Overunched = 2 };

// How one light measures up to the unch model in force: a cell in two lights is checked,
// a cell in one light is unchecked (an unch).
struct UnchStatus {
    bool consecutiveExceeded = false;  // its longest run of unches exceeds maxConsecutive
    UnchLevel level = UnchLevel::WithinLimits;
    int unchedCount = 0;
    int length = 0;
    bool operator==(const UnchStatus&) const = default;
};

// Evaluates light against grid.unchLimits(light length). Computed afresh on every call.
UnchStatus unchStatus(const Grid& grid, const Light& light);

}  // namespace tessaran
