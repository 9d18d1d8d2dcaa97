#pragma once
// Outcomes of filling one light, and the light fill evaluation's special values.

#include <climits>

namespace tessaran {

// Result of fillLight and lightUnchFill.
enum class FillResult : int {
    Failed = 0,     // no candidate could be made to work; the caller must try something else
    Filled = 1,     // the light and everything its search reached are filled
    Abandoned = 2,  // the user abandoned, or the dictionary has no words of this length
    Back = 3,       // manual mode: the user asked to go back one level
    Deferred = 4,   // not filled now (look-ahead, or too open for this depth budget)
};

// Values of the light fill evaluation.
constexpr int kFillImpossible = -2147483647;  // no word can fit
constexpr int kFillNotComputed = INT_MIN;     // plausibility and priority not yet computed
constexpr int kFillComplete = INT_MAX;        // priority of a light whose letters are all given
constexpr int kFillEmptySlot = INT_MAX;       // score of a free candidate slot
constexpr int kFillRedisplayOnly = INT_MIN;   // fillProgress indicator: redisplay, nothing else

}  // namespace tessaran
