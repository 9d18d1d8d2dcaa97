#pragma once
// A settings file in the classic INI layout, read and written with the rules of the
// private-profile functions that the program's settings were designed around:
//
//   [Section]          a header; the name is what lies between "[" and "]", trimmed
//   Key=value          an entry; key and value are trimmed of blanks (space, tab, CR)
//   ; or #             a comment line; kept as it is, never read
//
// Sections and keys compare case-insensitively (ASCII). When a section or a key occurs
// more than once, the first one counts. A value enclosed in one pair of matching quotes
// (" or ') is read without them. An empty value reads as a missing key. Anything else
// (a line without "=", keys before the first section, stray bytes) is kept when the file
// is rewritten but never read. Lines end in LF or CR LF; a NUL ends a value as it would
// end the C string the value was once read into.
//
// Writing one key keeps every other line byte for byte: an existing entry is rewritten in
// place, a new key goes after the last entry of its section, and a new section is added
// at the end of the file. Added lines end the way the file's first line does (LF in a new
// file).

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/FileReplace.h"

namespace tessaran {

// The integer form of a value, as the private-profile integer reader takes it: an optional
// sign and the decimal digits that follow, ignoring what comes after ("12abc" is 12, "-3"
// is -3, " 7" is 7 once trimmed). Text that starts with no number reads as 0; numbers
// beyond the int range saturate at its ends rather than wrap. An empty value gives
// defaultValue.
int profileInt(std::string_view value, int defaultValue);

class IniFile {
public:
    IniFile() = default;

    // Reads the lines of in; never fails (unreadable bytes are kept as lines).
    static IniFile read(std::istream& in);
    // read on the file at path; a missing or unreadable file gives an empty IniFile.
    static IniFile load(const std::string& path);

    // The whole file, every line as read or written.
    void write(std::ostream& out) const;
    // Replaces the file at path with write's output so that the old file survives any
    // failure, creating the file's folder first when it does not exist.
    FileReplaceResult save(const std::string& path) const;

    // The value of key in section, trimmed and unquoted; none when the key is missing or
    // its value is empty.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value, or defaultValue when there is none, cut to bufferSize - 1 characters as
    // a string read into a buffer of bufferSize characters (room for the terminator).
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue, size_t bufferSize) const;
    // profileInt of the value; defaultValue when the key is missing or empty.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Sets key in section to value, so that value reads it back: line breaks in value
    // become spaces (so that it cannot split into lines of its own) and a value that
    // begins or ends with a blank, or is quoted itself, is written inside quotes. Section and key
    // must be plain names: no "]", "=" or line breaks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int value);

private:
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\n", "\r\n", or empty for a last line without one
    };
    // Where an entry or section was found: line indices, or npos.
    static constexpr size_t npos = static_cast<size_t>(-1);
    size_t findSection(std::string_view section) const;
    // The entry line of key in the section whose header is at sectionLine.
    size_t findKey(size_t sectionLine, std::string_view key) const;
    std::string lineEnd() const;

    std::vector<Line> m_lines;
};

}  // namespace tessaran
