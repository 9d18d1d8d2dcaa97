#pragma once
// Constants and small pure functions of the .lxd dictionary file, shared at compile time
// by the reader (gridsmith) and the writer (lexiforge). Header-only: the two programs
// link nothing of each other.
//
// Layout (all integers little-endian, sections back to back, no padding):
//   magic "LXD0" (four blanks while the builder is still writing)
//   u16 slot count N (longest word length + 1, 2..32)
//   N x u32 block offsets (entry 0 unused; an empty length repeats the next offset)
//   N x u32 word counts (accepted input lines per length, before duplicate removal)
//   80 bytes description, NUL-terminated, zero-filled
//   i16 letters in use S, i16 alphabet size T
//   256 character records of 8 bytes: u8 canonical, u8 code length, i16 letter, u32 code
//   u16 M = N(N-1)/2, then M positional vectors of S signed scores
//   5 pair-class matrices of S x S signed scores
//   u16 K = N - 2, then K co-occurrence matrices of S x S u32 masks (lengths 2..N-1)
//   the word blocks for lengths 1..N-1: Huffman-coded bytes, LSB-first bit stream,
//   each word ended by the code of byte 0, each block ended by an empty word and
//   padded to a whole 16-bit unit.

#include <cstdint>

namespace tessaran::lxd {

inline constexpr char kMagic[4] = {'L', 'X', 'D', '0'};
// What the builder writes in place of the magic until the last block is out.
inline constexpr char kUnfinishedMagic[4] = {' ', ' ', ' ', ' '};

inline constexpr int kMinSlotCount = 2;
inline constexpr int kMaxSlotCount = 32;
inline constexpr int kMaxWordLetters = kMaxSlotCount - 1;  // 31
inline constexpr int kMaxWordBytes = 254;                  // before the end code
inline constexpr int kDescriptionSize = 80;                // 79 characters and a NUL
inline constexpr int kCharacterCount = 256;
inline constexpr int kCharacterRecordSize = 8;
inline constexpr int kMaxCodeLength = 32;
inline constexpr int kMaxInternalNodes = 255;
inline constexpr int kPairClassCount = 5;
inline constexpr int kMaskBits = 32;

// The one byte value that ends every word; with line feed and carriage return it is
// never a letter.
inline constexpr std::uint8_t kEndByte = 0;

// Letter indices as the editor holds them: 254 is an empty square or any letter, 255 a
// non-letter or the end of a letter string. Real letters are therefore below 254.
using LetterIndex = std::uint8_t;
inline constexpr LetterIndex kAnyLetter = 254;
inline constexpr LetterIndex kNoLetter = 255;
inline constexpr int kMaxAlphabetSize = 254;

// The score byte meaning "never occurs here".
inline constexpr std::int8_t kNeverScore = -128;

// Number of the positional vector for (length, position), length >= 1.
constexpr int positionalVectorIndex(int length, int position) {
    return length * (length - 1) / 2 + position;
}

constexpr int positionalVectorCount(int slotCount) {
    return slotCount * (slotCount - 1) / 2;
}
constexpr int maskMatrixCount(int slotCount) {
    return slotCount - 2;
}

// Pair class 0..4 of the adjacent pair (position, position + 1) in a word of `length`
// letters: the first, second and middle pairs are 0, 1 and 2, the last two are 3 and 4.
constexpr int pairClass(int length, int position) {
    const int half = length / 2 < 2 ? length / 2 : 2;
    const int tail = length - half - 1 > half ? length - half - 1 : half;
    if (position >= tail)
        return position - length + 6;
    return position < half ? position : half;
}

// Bit slot in a co-occurrence mask for the letter positions (first, second) of a word of
// `length` letters, first < second; -1 when the pair has no slot. Adjacent pairs take
// bits 0..length-2, then the other pairs by first and then second position, up to bit 31.
constexpr int maskBit(int length, int first, int second) {
    if (second == first + 1)
        return first;
    int bit = length - 1;
    for (int i = 0; i < first; ++i)
        bit += length - i - 2 > 0 ? length - i - 2 : 0;
    bit += second - first - 2;
    return bit < kMaskBits ? bit : -1;
}

// Byte size of the whole header (fields up to the first block) for the given slot count
// and letters in use.
constexpr std::uint64_t headerSize(int slotCount, int lettersInUse) {
    const std::uint64_t n = static_cast<std::uint64_t>(slotCount);
    const std::uint64_t s = static_cast<std::uint64_t>(lettersInUse);
    return 4 + 2 + 8 * n + kDescriptionSize + 4 + kCharacterCount * kCharacterRecordSize + 2 +
           static_cast<std::uint64_t>(positionalVectorCount(slotCount)) * s +
           kPairClassCount * s * s + 2 +
           static_cast<std::uint64_t>(maskMatrixCount(slotCount)) * s * s * 4;
}

}  // namespace tessaran::lxd
