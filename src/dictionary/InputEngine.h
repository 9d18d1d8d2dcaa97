#pragma once
// A word cursor: streams the words of one length out of the Dictionary's block, in
// stored order, in 2048-byte chunks through its own file handle.
//
// The three next... operations share one result convention:
//   - a letter string whose first entry is not 255: the next matching word;
//   - a letter string whose first entry is 255: the block is exhausted, no further
//     matches (every later call answers the same);
//   - nullptr ("nothing yet"): 500 words were decoded without a match; the caller lets
//     the user interface run and calls again, and the cursor goes on exactly where it
//     stopped.
// A returned letter string holds one letter index per letter of the cursor's length,
// ended by 255, and stays valid until the next call on the cursor.

#include <array>
#include <cstdint>

#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryFormat.h"

namespace tessaran {

class WordFilter;

class InputEngine {
public:
    // Words decoded per next... call before it answers "nothing yet".
    static constexpr int kWordBudget = 500;
    // Bytes read from the file at a time.
    static constexpr int kChunkSize = 2048;

    // Creates a cursor on `dictionary` (appended to its open-cursor list), with no file
    // handle yet. `filter`, when given, is used by nextByFilter() and must outlive the
    // cursor. REQUIRES: `dictionary` outlives the cursor.
    explicit InputEngine(Dictionary& dictionary, WordFilter* filter = nullptr);
    // Removes the cursor from the open-cursor list and closes its handle.
    ~InputEngine();
    InputEngine(const InputEngine&) = delete;
    InputEngine& operator=(const InputEngine&) = delete;

    // Positions the cursor at the start of the block of `length`-letter words and loads
    // the first chunk. Returns false (nothing to read) when the dictionary is invalid,
    // `length` is outside 1..N-1, the block is empty, or the file cannot be read.
    bool start(int length);
    // start(length), then takes the first `length` entries of `pattern` (letter indices,
    // 254 for any letter) as the pattern for nextByPattern and nextByPatternWhole.
    bool startPattern(const lxd::LetterIndex* pattern, int length);

    // The next word whose letters fit the pattern; decoding stops filling the letter
    // string at the first mismatching letter (raw bytes are not filled).
    const lxd::LetterIndex* nextByPattern();
    // The same, but every word is decoded in full (letter string and raw bytes) and
    // compared from its last letter backwards.
    const lxd::LetterIndex* nextByPatternWhole();
    // The next word the filter accepts (every word when the cursor has no filter); each
    // word is decoded in full and counted in wordsExamined().
    const lxd::LetterIndex* nextByFilter();

    // True once the block has been read to its end (or could not be read further).
    bool atEnd() const { return m_exhausted; }
    // The letter string of the last word decoded (or of the exhausted result).
    const lxd::LetterIndex* letters() const { return m_letters.data(); }
    // The byte values of the word last decoded in full, letters and non-letters as
    // stored, ended by byte value 0. Valid until the next call on the cursor.
    const char* rawBytes() const { return m_raw.data(); }
    // Words decoded by nextByFilter since the cursor was started.
    long wordsExamined() const { return m_wordsExamined; }
    int length() const { return m_length; }

    // Rewrites the NUL-ended raw byte string in place: each letter byte becomes the
    // display character of its letter, non-letter bytes are dropped.
    void toDisplayText(char* rawBytes) const;

private:
    friend class Dictionary;

    enum class Decode { Word, End };
    // Decodes the next word; `whole` fills the raw bytes and the full letter string,
    // otherwise letters are compared with the pattern as they come and the rest of the
    // word is skipped at the first mismatch (`matched` tells the outcome).
    Decode decodeWord(bool whole, bool& matched);
    // Decodes up to the word budget, returning the first word that accept(matched) takes;
    // the three reads differ only in that test.
    template <typename Accept>
    const lxd::LetterIndex* readWords(bool whole, Accept accept);
    // The next byte value of the stream, or -1 when the stream is broken or used up.
    int decodeByte();
    bool refill();
    const lxd::LetterIndex* finish();
    bool matchesBackwards() const;
    bool stale() const { return m_generation != m_dictionary.m_generation; }
    void releaseHandle() { m_file.reset(); }

    Dictionary& m_dictionary;
    WordFilter* m_filter;
    Dictionary::FileHandle m_file;
    std::uint64_t m_generation = 0;

    int m_length = 0;
    std::uint64_t m_filePos = 0;   // where the next chunk is read from
    std::uint64_t m_blockEnd = 0;  // reads never go past this offset
    bool m_exhausted = true;

    // Unread bytes of the block; a few bytes of slack let a decode peek past the end.
    std::array<std::uint8_t, 8 + kChunkSize + 8> m_buffer{};
    std::uint32_t m_bitPos = 0;    // next unread bit of m_buffer
    std::uint32_t m_bitLimit = 0;  // bits of m_buffer that hold data

    std::array<lxd::LetterIndex, lxd::kMaxSlotCount + 1> m_pattern{};
    std::array<lxd::LetterIndex, lxd::kMaxSlotCount + 1> m_letters{};
    std::array<char, lxd::kMaxWordBytes + 2> m_raw{};
    long m_wordsExamined = 0;
};

}  // namespace tessaran
