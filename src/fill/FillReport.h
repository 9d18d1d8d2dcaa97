#pragma once
// The texts with which the editor reports fills: the light description, and the result
// texts of the normal and unch fills and of the one-shot fill.

#include <string>

namespace tessaran {

class Light;

// The light's description followed, when some cell of the light shows a text that is not
// exactly one character, by " [cell %d has %d characters]" for the first such cell.
std::string failedLightDescription(const Light& light);

// "Fill succeeded after %ld seconds" for result 1; "Fill failed at <light> after %ld
// seconds" for result 0 (without " at ..." when no light is known); "Fill failed -
// dictionary invalid? after %ld seconds" for any other result.
std::string fillResultText(int result, const Light* failedLight, long seconds);

// The text of the "One-Shot Fill Failed" message for result 0 or 2 of oneShotFill.
std::string oneShotFailureText(int result, const Light& light, const std::string& dictionaryName);

}  // namespace tessaran
