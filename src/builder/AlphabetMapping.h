#pragma once
// The alphabet mapping of a dictionary build: which byte values of the word list are
// letters and which letter each stands for.
//
// Mapping file (.lxm): plain text, one rule per line, each exactly two or three
// characters once the line feed is removed:
//   X=     byte value X is not a letter (its bytes are ignored in words)
//   X=Y    byte value X stands for byte value Y
// X and Y may be any byte values, "=" included. No comments, no blank lines; the last
// rule for a byte value wins; a last line without a line feed counts. Byte values not
// mentioned are letters of their own.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace tessaran {

// Outcome of reading a mapping file: success, or failure at the 1-based line `line`
// (0 when the file could not be opened).
struct MappingReadResult {
    bool success = false;
    int line = 0;
};

// The messages the builder shows for a failed read (the second followed by the line
// number in decimal).
inline constexpr const char* kMappingOpenFailedText = "Alphabet mapping file couldn't be opened.";
inline constexpr const char* kMappingLineErrorText = "Alphabet mapping file error at line ";

class AlphabetMapping {
public:
    // Every byte value maps to itself.
    AlphabetMapping() { reset(); }

    void reset();
    // What byte value `byteValue` maps to (0: not a letter).
    std::uint8_t target(std::uint8_t byteValue) const { return m_table[byteValue]; }
    void set(std::uint8_t byteValue, std::uint8_t target) { m_table[byteValue] = target; }

    // Resets the table, then applies the rules of `in` in order. Stops at the first
    // malformed line, leaving the rules before it applied.
    MappingReadResult read(std::istream& in);
    // The same for a file; a file that cannot be opened fails with line 0.
    MappingReadResult readFile(const std::string& fileName);

    // The canonical character of every byte value: the mapping is followed until it
    // reaches 0, a byte value mapping to itself, or a value already visited on the walk.
    // Byte values 0, 10 and 13, and any byte value that ends at one of them, are not
    // letters (0).
    std::array<std::uint8_t, 256> resolve() const;

private:
    std::array<std::uint8_t, 256> m_table{};
};

// The user's text for a failed read.
std::string mappingErrorText(const MappingReadResult& result);

}  // namespace tessaran
