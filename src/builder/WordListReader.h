#pragma once
// Reads a word list one line at a time, for the several passes of a dictionary build.
//
// A line is the bytes before its line feed; a carriage return just before the line feed
// is dropped, as text mode would. A last line without a line feed is still a line. A
// line of more than 254 bytes, or one holding byte value 0 (which ends words in the
// dictionary), cannot be stored: it is reported as unusable, whole, never in pieces.

#include <array>
#include <istream>
#include <string_view>
#include <vector>

namespace tessaran {

class WordListReader {
public:
    // Longest usable line, in bytes before the line feed.
    static constexpr std::size_t kMaxLineBytes = 254;

    struct Line {
        std::string_view text;  // valid until the next call; empty when unusable
        bool usable = true;
    };

    explicit WordListReader(std::istream& in);

    // The next line, or false at the end of the list (or on a read error).
    bool next(Line& line);
    // Goes back to the first line. Returns false when the stream cannot be rewound.
    bool rewind();

private:
    bool fill();

    std::istream& m_in;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    std::array<char, kMaxLineBytes + 1> m_line{};
};

}  // namespace tessaran
