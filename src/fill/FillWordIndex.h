#pragma once
// The fill's view of the dictionary's words: each word length the fill asks for is read
// once from the dictionary (through an InputEngine, in stored order) into a flat table of
// letter strings, with a list per (position, letter) of the words that have that letter
// there. A FillCursor then enumerates the words that fit a pattern in stored order, as a
// pattern cursor of the dictionary would, but without decoding every word of the length
// again for every light tried: the search starts thousands of cursors per fill.

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
        // Word numbers with letter c at position p, ascending: list (p * S + c) runs from
        // starts[p * S + c] to starts[p * S + c + 1] in postings.
        std::vector<std::uint32_t> starts;
        std::vector<std::uint32_t> postings;
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
    const FillWordIndex::Words* m_words = nullptr;
    int m_length = 0;
    std::uint8_t m_pattern[32] = {};
    int m_fixed[32] = {};  // positions with a given letter, rarest first
    int m_fixedCount = 0;
    const std::uint32_t* m_list = nullptr;  // candidate word numbers, or null for all words
    const std::uint32_t* m_listEnd = nullptr;
    std::uint32_t m_next = 0;  // next word number (no list) or list position
    bool m_ended = true;
};

}  // namespace tessaran
