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
    const int s = index.lettersInUse();
    for (int p = 0; p < length; ++p) {
        const std::uint8_t c = pattern[p];
        if (c == lxd::kAnyLetter)
            continue;
        if (c >= s)
            return true;  // no word has that letter: nothing fits
        m_sets[m_setCount++] = m_words->set(p, c, s);
    }
    m_chunk = 0;
    m_bits = chunkBits(0);
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
