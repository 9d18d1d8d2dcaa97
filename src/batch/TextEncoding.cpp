#include "batch/TextEncoding.h"

namespace tessaran {

std::string utf8FromLatin1(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> latin1FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        // Only the two-byte forms C2 80 .. C3 BF encode U+0080 .. U+00FF.
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            const unsigned char d = static_cast<unsigned char>(utf8[i + 1]);
            if ((d & 0xC0) == 0x80) {
                out += static_cast<char>(((c & 0x1F) << 6) | (d & 0x3F));
                ++i;
                continue;
            }
        }
        return std::nullopt;
    }
    return out;
}

}  // namespace tessaran
