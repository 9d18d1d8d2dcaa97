#include "fill/FillWordIndex.h"

#include <cstring>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"

namespace tessaran {

namespace {
constexpr int kMaxLength = 32;
}

FillWordIndex::FillWordIndex(Dictionary& dictionary)
    : m_dictionary(dictionary),
      m_letters(dictionary.isValid() ? dictionary.lettersInUse() : 0),
      m_byLength(kMaxLength),
      m_loaded(kMaxLength, false) {}

FillWordIndex::~FillWordIndex() = default;

const FillWordIndex::Words* FillWordIndex::words(int length) {
    if (length < 1 || length >= kMaxLength) return nullptr;
    if (m_loaded[length]) return m_byLength[length].get();
    m_loaded[length] = true;

    InputEngine cursor(m_dictionary);
    if (!cursor.start(length)) return nullptr;
    auto words = std::make_unique<Words>();
    words->length = length;
    for (;;) {
        const lxd::LetterIndex* letters = cursor.nextByFilter();
        if (!letters) continue;  // 500 words without a match cannot happen without a filter
        if (letters[0] == lxd::kNoLetter) break;
        words->letters.insert(words->letters.end(), letters, letters + length);
    }
    words->count = static_cast<std::uint32_t>(words->letters.size() / length);

    // Counting sort of (position, letter) pairs into one posting array.
    const int s = m_letters;
    words->starts.assign(static_cast<size_t>(length) * s + 1, 0);
    for (std::uint32_t w = 0; w < words->count; ++w) {
        const std::uint8_t* word = &words->letters[static_cast<size_t>(w) * length];
        for (int p = 0; p < length; ++p)
            if (word[p] < s) ++words->starts[p * s + word[p] + 1];
    }
    for (size_t i = 1; i < words->starts.size(); ++i) words->starts[i] += words->starts[i - 1];
    words->postings.resize(words->starts.back());
    std::vector<std::uint32_t> fill(words->starts.begin(), words->starts.end() - 1);
    for (std::uint32_t w = 0; w < words->count; ++w) {
        const std::uint8_t* word = &words->letters[static_cast<size_t>(w) * length];
        for (int p = 0; p < length; ++p)
            if (word[p] < s) words->postings[fill[p * s + word[p]]++] = w;
    }
    m_byLength[length] = std::move(words);
    return m_byLength[length].get();
}

bool FillCursor::startPattern(FillWordIndex& index, const std::uint8_t* pattern, int length) {
    m_ended = true;
    m_words = index.words(length);
    if (!m_words) return false;
    m_length = length;
    std::memcpy(m_pattern, pattern, static_cast<size_t>(length));
    m_fixedCount = 0;
    m_list = m_listEnd = nullptr;
    m_next = 0;
    const int s = index.lettersInUse();
    int rarest = -1;
    std::uint32_t rarestSize = 0;
    for (int p = 0; p < length; ++p) {
        const std::uint8_t c = pattern[p];
        if (c == lxd::kAnyLetter) continue;
        if (c >= s) return true;  // no word has that letter: nothing fits
        const std::uint32_t size = m_words->starts[p * s + c + 1] - m_words->starts[p * s + c];
        if (rarest < 0 || size < rarestSize) {
            rarest = p;
            rarestSize = size;
        }
        m_fixed[m_fixedCount++] = p;
    }
    if (rarest >= 0) {
        const std::uint32_t* postings = m_words->postings.data();
        const size_t at = static_cast<size_t>(rarest) * s + pattern[rarest];
        m_list = postings + m_words->starts[at];
        m_listEnd = postings + m_words->starts[at + 1];
    }
    m_ended = false;
    return true;
}

bool FillCursor::next(std::uint8_t* out) {
    if (m_ended) return false;
    const std::uint8_t* letters = m_words->letters.data();
    const size_t length = static_cast<size_t>(m_length);
    if (!m_list) {
        if (m_next >= m_words->count) {
            m_ended = true;
            return false;
        }
        std::memcpy(out, letters + m_next++ * length, length);
        return true;
    }
    while (m_list < m_listEnd) {
        const std::uint8_t* word = letters + *m_list++ * length;
        int i = 0;
        while (i < m_fixedCount && word[m_fixed[i]] == m_pattern[m_fixed[i]]) ++i;
        if (i == m_fixedCount) {
            std::memcpy(out, word, length);
            return true;
        }
    }
    m_ended = true;
    return false;
}

}  // namespace tessaran
