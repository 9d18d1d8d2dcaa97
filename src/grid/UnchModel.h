#pragma once

#include <vector>

namespace tessaran {

// How many letters of a light may be unchecked, by light length: entry i holds the
// smallest and largest number of unchecked cells allowed in a light of length i + 1, and
// maxConsecutive the longest run of unchecked cells allowed in any light.
struct UnchModel {
    int maxConsecutive = 99;
    std::vector<int> minUnched;  // same size as maxUnched
    std::vector<int> maxUnched;

    int count() const { return static_cast<int>(minUnched.size()); }
    bool operator==(const UnchModel&) const = default;

    // The model with trailing entries that say nothing dropped (min 0 and max equal to the
    // light length) and each entry made consistent: 0 <= min <= max <= light length.
    UnchModel normalised() const;
};

// The answer of Grid::unchLimits for one light length.
struct UnchLimits {
    int maxConsecutive = 99;
    int min = 0;
    int max = 0;
    bool operator==(const UnchLimits&) const = default;
};

}  // namespace tessaran
