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
    if (length < 1 || length >= kMaxLength)
        return nullptr;
    if (m_loaded[length])
        return m_byLength[length].get();
    m_loaded[length] = true;

    InputEngine cursor(m_dictionary);
    if (!cursor.start(length))
        return nullptr;
    auto words = std::make_unique<Words>();
    words->length = length;
    for (;;) {
        const lxd::LetterIndex* letters = cursor.nextByFilter();
        if (!letters)
            continue;  // 500 words without a match cannot happen without a filter
        if (letters[0] == lxd::kNoLetter)
            break;
        words->letters.insert(words->letters.end(), letters, letters + length);
    }
    words->count = static_cast<std::uint32_t>(words->letters.size() / length);

    const int s = m_letters;
    words->chunks = (words->count + 63) / 64;
    words->sets.assign(static_cast<size_t>(length) * s * words->chunks, 0);
    for (std::uint32_t w = 0; w < words->count; ++w) {
        const std::uint8_t* word = &words->letters[static_cast<size_t>(w) * length];
        for (int p = 0; p < length; ++p)
            if (word[p] < s)
                words->sets[(static_cast<size_t>(p) * s + word[p]) * words->chunks + w / 64] |=
                    std::uint64_t{1} << (w % 64);
    }
    words->starts.assign(static_cast<size_t>(length) * s + 1, 0);
    for (std::uint32_t w = 0; w < words->count; ++w) {
        const std::uint8_t* word = &words->letters[static_cast<size_t>(w) * length];
        for (int p = 0; p < length; ++p)
            if (word[p] < s)
                ++words->starts[p * s + word[p] + 1];
    }
    for (size_t i = 1; i < words->starts.size(); ++i)
        words->starts[i] += words->starts[i - 1];
    words->postings.resize(words->starts.back());
    std::vector<std::uint32_t> next(words->starts.begin(), words->starts.end() - 1);
    for (std::uint32_t w = 0; w < words->count; ++w) {
        const std::uint8_t* word = &words->letters[static_cast<size_t>(w) * length];
        for (int p = 0; p < length; ++p)
            if (word[p] < s)
                words->postings[next[p * s + word[p]]++] = w;
    }
    m_byLength[length] = std::move(words);
    return m_byLength[length].get();
}

bool FillCursor::startPattern(FillWordIndex& index, const std::uint8_t* pattern, int length) {
    m_ended = true;
    m_words = index.words(length);
    if (!m_words)
        return false;
    m_length = length;
    m_setCount = 0;
    m_list = m_listEnd = nullptr;
    m_listSet = -1;
    const int s = index.lettersInUse();
    std::uint32_t rarest = 0;
    for (int p = 0; p < length; ++p) {
        const std::uint8_t c = pattern[p];
        if (c == lxd::kAnyLetter)
            continue;
        if (c >= s)
            return true;  // no word has that letter: nothing fits
        const size_t at = static_cast<size_t>(p) * s + c;
        const std::uint32_t size = m_words->starts[at + 1] - m_words->starts[at];
        if (m_listSet < 0 || size < rarest) {
            rarest = size;
            m_listSet = m_setCount;
            m_list = m_words->postings.data() + m_words->starts[at];
            m_listEnd = m_list + size;
        }
        m_sets[m_setCount++] = m_words->set(p, c, s);
    }
    // Walking a list costs a few bit tests per word on it; and-ing costs a load per set
    // for every 64 words of the length.
    if (m_listSet < 0 || static_cast<std::uint64_t>(rarest) >
                             static_cast<std::uint64_t>(m_words->chunks) * m_setCount) {
        m_list = m_listEnd = nullptr;
        m_chunk = 0;
        m_bits = chunkBits(0);
    }
    m_ended = false;
    return true;
}

std::uint64_t FillCursor::chunkBits(std::uint32_t chunk) const {
    if (chunk >= m_words->chunks)
        return 0;
    std::uint64_t bits = ~std::uint64_t{0};
    if (chunk + 1 == m_words->chunks && m_words->count % 64)
        bits = (std::uint64_t{1} << (m_words->count % 64)) - 1;
    for (int i = 0; i < m_setCount && bits; ++i)
        bits &= m_sets[i][chunk];
    return bits;
}

bool FillCursor::next(std::uint8_t* out) {
    if (m_ended)
        return false;
    if (m_list) {
        while (m_list < m_listEnd) {
            const std::uint32_t word = *m_list++;
            int i = 0;
            for (; i < m_setCount; ++i)
                if (i != m_listSet && !(m_sets[i][word / 64] >> (word % 64) & 1u))
                    break;
            if (i == m_setCount) {
                const size_t length = static_cast<size_t>(m_length);
                std::memcpy(out, m_words->letters.data() + word * length, length);
                return true;
            }
        }
        m_ended = true;
        return false;
    }
    while (!m_bits) {
        if (++m_chunk >= m_words->chunks) {
            m_ended = true;
            return false;
        }
        m_bits = chunkBits(m_chunk);
    }
    const std::uint32_t word = m_chunk * 64 + static_cast<std::uint32_t>(__builtin_ctzll(m_bits));
    m_bits &= m_bits - 1;
    const size_t length = static_cast<size_t>(m_length);
    std::memcpy(out, m_words->letters.data() + word * length, length);
    return true;
}

}  // namespace tessaran
