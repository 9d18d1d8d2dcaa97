#pragma once
// Small parsing helpers shared by the text forms of the grid file and settings.

#include <string>
#include <string_view>
#include <vector>

namespace tessaran {

// The leading decimal integer of text, as C's atoi reads it (leading blanks, an optional
// sign, digits), saturated to the int range; 0 when there is none.
int leadingInt(std::string_view text);

// The fields of text between separators; a run of separators counts as one and empty
// fields are never produced (strtok's rule).
std::vector<std::string_view> splitFields(std::string_view text, char separator);

// Every integer of a space-separated list, read from the start until the first field
// that does not begin with a number. Saturates like leadingInt.
std::vector<int> readIntegers(std::string_view text);

// text with every line break (CR, LF, or a CR LF pair) turned into one space, so that it
// can never split a line of a line-oriented file.
std::string withoutLineBreaks(std::string_view text);

}  // namespace tessaran
