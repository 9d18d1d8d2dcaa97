#include "wordsearch/PatternExpansion.h"

namespace tessaran {

std::string expandPattern(std::string_view text, std::string_view at, std::string_view hash) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            out += c;
            out += text[++i];
        } else if (c == '@' && !at.empty()) {
            out += at;
        } else if (c == '#' && !hash.empty()) {
            out += hash;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace tessaran
