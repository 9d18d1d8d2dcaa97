#include "grid/TextFields.h"

#include <climits>
#include <cstddef>

namespace tessaran {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads an integer at text[pos]; returns false (pos unchanged) when no digit follows.
bool readInt(std::string_view text, size_t& pos, int& value) {
    size_t i = pos;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return false;
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (v <= static_cast<long long>(INT_MAX) + 1)
            v = v * 10 + (text[i] - '0');
    }
    if (negative)
        v = -v;
    if (v > INT_MAX)
        v = INT_MAX;
    if (v < INT_MIN)
        v = INT_MIN;
    value = static_cast<int>(v);
    pos = i;
    return true;
}

}  // namespace

int leadingInt(std::string_view text) {
    size_t pos = 0;
    int value = 0;
    return readInt(text, pos, value) ? value : 0;
}

std::vector<std::string_view> splitFields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == separator)
            ++i;
        if (i >= text.size())
            break;
        const size_t start = i;
        while (i < text.size() && text[i] != separator)
            ++i;
        fields.push_back(text.substr(start, i - start));
    }
    return fields;
}

std::vector<int> readIntegers(std::string_view text) {
    std::vector<int> values;
    size_t pos = 0;
    int value = 0;
    while (readInt(text, pos, value))
        values.push_back(value);
    return values;
}

std::string withoutLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            result += ' ';
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace tessaran
