#pragma once
// The model, the files and the dictionary hold single-byte ISO 8859-1 text; the
// terminal speaks UTF-8. These convert at the batch edge, as the windows do at theirs.

#include <optional>
#include <string>
#include <string_view>

namespace tessaran {

// UTF-8 for Latin-1 bytes. Never fails.
std::string utf8FromLatin1(std::string_view latin1);

// Latin-1 for UTF-8 text, or nothing when the text is not valid UTF-8 or holds a
// character beyond U+00FF.
std::optional<std::string> latin1FromUtf8(std::string_view utf8);

}  // namespace tessaran
