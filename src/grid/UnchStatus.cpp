#include "grid/UnchStatus.h"

#include <algorithm>

#include "grid/Grid.h"

namespace tessaran {

UnchStatus unchStatus(const Grid& grid, const Light& light) {
    UnchStatus status;
    status.length = light.length();
    const UnchLimits limits = grid.unchLimits(status.length);
    // A run counts from an unch to the next checked cell, so it is enough to track the
    // current run while walking the light.
    int run = 0;
    int longest = 0;
    for (const Cell* cell : light.cells()) {
        if (grid.lightCount(*cell) == 1) {
            ++status.unchedCount;
            longest = std::max(longest, ++run);
        } else {
            run = 0;
        }
    }
    if (status.unchedCount < limits.min)
        status.level = UnchLevel::Underunched;
    else if (status.unchedCount > limits.max)
        status.level = UnchLevel::Overunched;
    status.consecutiveExceeded = longest > limits.maxConsecutive;
    return status;
}

}  // namespace tessaran
