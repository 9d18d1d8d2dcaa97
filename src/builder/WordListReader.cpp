#include "builder/WordListReader.h"

#include <algorithm>
#include <cstring>

namespace tessaran {

WordListReader::WordListReader(std::istream& in) : m_in(in), m_buffer(64 * 1024) {}

bool WordListReader::fill() {
    if (m_eof)
        return false;
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_pos = 0;
    m_end = static_cast<std::size_t>(m_in.gcount());
    if (m_end == 0)
        m_eof = true;
    return m_end != 0;
}

bool WordListReader::next(Line& line) {
    std::size_t length = 0;
    bool tooLong = false;
    bool hasNul = false;
    bool any = false;
    for (;;) {
        if (m_pos == m_end && !fill())
            break;
        any = true;
        const char* start = m_buffer.data() + m_pos;
        const char* stop = m_buffer.data() + m_end;
        const char* feed = static_cast<const char*>(std::memchr(start, '\n', stop - start));
        const char* pieceEnd = feed ? feed : stop;
        const std::size_t piece = static_cast<std::size_t>(pieceEnd - start);
        if (!tooLong) {
            if (length + piece > kMaxLineBytes + 1) {
                tooLong = true;  // one byte of room is kept for a carriage return
            } else {
                std::memcpy(m_line.data() + length, start, piece);
                hasNul = hasNul || std::memchr(start, '\0', piece) != nullptr;
            }
        }
        length += piece;
        m_pos += piece;
        if (feed) {
            ++m_pos;
            break;
        }
    }
    if (!any)
        return false;
    if (!tooLong && length > 0 && m_line[length - 1] == '\r')
        --length;
    const bool usable = !tooLong && !hasNul && length <= kMaxLineBytes;
    line.usable = usable;
    line.text = usable ? std::string_view(m_line.data(), length) : std::string_view();
    return true;
}

bool WordListReader::rewind() {
    m_in.clear();
    m_in.seekg(0);
    m_pos = m_end = 0;
    m_eof = false;
    return !m_in.fail();
}

}  // namespace tessaran
