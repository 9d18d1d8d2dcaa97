#include "builder/BuilderFields.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace tessaran {

std::string dictionaryNameFor(const std::string& wordListName) {
    return std::filesystem::path(wordListName).replace_extension(".lxd").string();
}

int fieldValue(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, code] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end)
        return 0;
    // A number too long for the field still says which way it points.
    if (code == std::errc::result_out_of_range)
        return text.front() == '-' ? -1000000 : 1000000;
    return static_cast<int>(std::clamp<long long>(value, -1000000, 1000000));
}

int effectiveLength(int typed) {
    return std::clamp(typed, kShortestLength, kLongestLength);
}

int effectiveCommonality(int typed) {
    return std::clamp(typed, kLowestCommonality, kHighestCommonality);
}

}  // namespace tessaran
