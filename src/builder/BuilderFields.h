#pragma once
// What the builder's fields mean once typed: the dictionary name proposed for a word
// list, and the integer fields read the way the dialog reads them and held to the
// ranges a build accepts.

#include <string>
#include <string_view>

namespace tessaran {

// The ranges of the dialog's number fields.
inline constexpr int kShortestLength = 1;
inline constexpr int kLongestLength = 31;
inline constexpr int kLowestCommonality = -20;
inline constexpr int kHighestCommonality = 20;

// The dictionary file proposed for a word list: the list's name with its extension
// replaced by ".lxd", or ".lxd" appended when the file name has none. Only the file
// name's own extension counts, never a dot in a folder's name.
std::string dictionaryNameFor(const std::string& wordListName);

// The integer a number field holds: its text as a decimal number with an optional sign
// and surrounding blanks, or 0 when it holds no number (as an empty field does).
int fieldValue(std::string_view text);

// A typed word length as the build takes it: 32 or more is 31, 0 or less is 1.
int effectiveLength(int typed);
// A typed commonality setting held to -20..20.
int effectiveCommonality(int typed);

}  // namespace tessaran
