#pragma once
// The fill's view of the dictionary's words: each word length the fill asks for is read
// once from the dictionary (through an InputEngine, in stored order) into a flat table of
// letter strings, with a bit set per (position, letter) of the words that have that letter
// there (also kept as a list of word numbers). A FillCursor then enumerates the words that
// fit a pattern in stored order, as a pattern cursor of the dictionary would, by and-ing
// those sets 64 words at a time or walking the list of the pattern's rarest letter,
// instead of decoding every word of the length again for each of the thousands of lights
// a search tries.

#include <cstdint>
#include <memory>
#include <vector>

namespace tessaran {

class Dictionary;

class FillWordIndex {
public:
    // The words of one length.
    struct Words {
        int length = 0;
        std::uint32_t count = 0;
        std::vector<std::uint8_t> letters;  // count x length letter indices, stored order
        std::uint32_t chunks = 0;           // 64-bit words per bit set
        // Bit w of set (p * S + c): word w has letter c at position p.
        std::vector<std::uint64_t> sets;
        // The same as lists of word numbers, ascending: list (p * S + c) is
        // postings[starts[p * S + c]] up to postings[starts[p * S + c + 1]]. A pattern with
        // a rare letter walks that list instead of every 64 words of the length.
        std::vector<std::uint32_t> starts;
        std::vector<std::uint32_t> postings;
        const std::uint64_t* set(int position, int letter, int lettersInUse) const {
            return sets.data() + (static_cast<size_t>(position) * lettersInUse + letter) * chunks;
        }
    };

    // REQUIRES: dictionary outlives the index and does not change while it is used.
    explicit FillWordIndex(Dictionary& dictionary);
    ~FillWordIndex();

    // The words of `length` letters, read on first use; nullptr when the dictionary has no
    // block for that length (or none that can be read).
    const Words* words(int length);
    int lettersInUse() const { return m_letters; }

private:
    Dictionary& m_dictionary;
    int m_letters;
    std::vector<std::unique_ptr<Words>> m_byLength;
    std::vector<bool> m_loaded;
};

// Enumerates the words of one length that fit a pattern (254: any letter), in stored order.
class FillCursor {
public:
    // False, with nothing to enumerate, when the index has no words of the length.
    bool startPattern(FillWordIndex& index, const std::uint8_t* pattern, int length);
    // Copies the next fitting word's letters into out; false when there are no more.
    bool next(std::uint8_t* out);
    bool atEnd() const { return m_ended; }

private:
    std::uint64_t chunkBits(std::uint32_t chunk) const;

    const FillWordIndex::Words* m_words = nullptr;
    int m_length = 0;
    const std::uint64_t* m_sets[32] = {};  // one per position with a given letter
    int m_setCount = 0;
    // List mode: the rarest given letter's list, checked against the other sets.
    const std::uint32_t* m_list = nullptr;
    const std::uint32_t* m_listEnd = nullptr;
    int m_listSet = -1;         // the set the list stands for (needs no check)
    std::uint32_t m_chunk = 0;  // the 64 words under consideration
    std::uint64_t m_bits = 0;   // those of them still to be delivered
    bool m_ended = true;
};

}  // namespace tessaran
