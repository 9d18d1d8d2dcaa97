#pragma once
// The letter of each character, as the pattern compiler and matcher need it: the
// dictionary's leaf table (255 for a non-letter) together with how many letters the
// dictionary uses and knows. Kept apart from the dictionary so that patterns can be
// compiled against any alphabet, the loaded dictionary's being one.

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaran {

class Dictionary;

class LetterMap {
public:
    static constexpr uint8_t kNotALetter = 255;

    // The alphabet of the loaded dictionary (no letters while it is invalid).
    static LetterMap fromDictionary(const Dictionary& dictionary);

    // An alphabet without letters: every character is a wildcard.
    LetterMap() { m_letterOf.fill(kNotALetter); }

    // Byte value c becomes letter index `letter`; letters must stay below 254, which
    // the letter strings reserve.
    void set(unsigned char c, uint8_t letter) { m_letterOf[c] = letter; }
    void setSizes(int lettersInUse, int alphabetSize) {
        m_lettersInUse = lettersInUse;
        m_alphabetSize = alphabetSize;
    }

    // Letter index of byte value c, or kNotALetter. Indices at or above the alphabet
    // size are not letters either.
    uint8_t letterOf(unsigned char c) const {
        const uint8_t letter = m_letterOf[c];
        return letter < m_alphabetSize && letter < 254 ? letter : kNotALetter;
    }
    int lettersInUse() const { return m_lettersInUse; }
    int alphabetSize() const { return m_alphabetSize; }

private:
    std::array<uint8_t, 256> m_letterOf;
    int m_lettersInUse = 0;
    int m_alphabetSize = 0;
};

}  // namespace tessaran
