#include "dictionary/InputEngine.h"

#include <algorithm>
#include <cstring>

#include "dictionary/WordFilter.h"

namespace tessaran {

InputEngine::InputEngine(Dictionary& dictionary, WordFilter* filter)
    : m_dictionary(dictionary), m_filter(filter) {
    m_letters[0] = lxd::kNoLetter;
    m_pattern.fill(lxd::kAnyLetter);
    m_dictionary.attach(this);
}

InputEngine::~InputEngine() {
    m_dictionary.detach(this);
}

bool InputEngine::start(int length) {
    releaseHandle();
    m_length = length;
    m_wordsExamined = 0;
    m_exhausted = true;
    m_letters[0] = lxd::kNoLetter;
    m_raw[0] = 0;
    m_bitPos = m_bitLimit = 0;
    m_pattern.fill(lxd::kAnyLetter);
    m_pattern[std::clamp(length, 0, lxd::kMaxSlotCount)] = lxd::kNoLetter;

    const Dictionary& dictionary = m_dictionary;
    if (!dictionary.isValid() || length < 1 || length >= dictionary.slotCount())
        return false;
    m_generation = dictionary.m_generation;
    m_filePos = dictionary.blockStart(length);
    m_blockEnd = dictionary.blockEnd(length);
    if (m_blockEnd <= m_filePos)
        return false;  // no words of this length
    m_exhausted = false;
    if (!refill()) {
        finish();
        return false;
    }
    return true;
}

bool InputEngine::startPattern(const lxd::LetterIndex* pattern, int length) {
    const bool started = start(length);
    if (length >= 1 && length <= lxd::kMaxWordLetters) {
        std::copy(pattern, pattern + length, m_pattern.begin());
        m_pattern[length] = lxd::kNoLetter;
    }
    return started;
}

template <typename Accept>
const lxd::LetterIndex* InputEngine::readWords(bool whole, Accept accept) {
    if (m_exhausted || stale())
        return finish();
    for (int i = 0; i < kWordBudget; ++i) {
        bool matched = false;
        if (decodeWord(whole, matched) == Decode::End)
            return finish();
        if (accept(matched))
            return m_letters.data();
    }
    return nullptr;
}

const lxd::LetterIndex* InputEngine::nextByPattern() {
    return readWords(false, [](bool matched) { return matched; });
}

const lxd::LetterIndex* InputEngine::nextByPatternWhole() {
    return readWords(true, [this](bool) { return matchesBackwards(); });
}

const lxd::LetterIndex* InputEngine::nextByFilter() {
    return readWords(true, [this](bool) {
        ++m_wordsExamined;
        return !m_filter || m_filter->matches(m_letters.data());
    });
}

const lxd::LetterIndex* InputEngine::finish() {
    m_exhausted = true;
    m_letters[0] = lxd::kNoLetter;
    releaseHandle();  // an exhausted cursor never reads again, so free the descriptor
    return m_letters.data();
}

bool InputEngine::matchesBackwards() const {
    for (int p = m_length - 1; p >= 0; --p)
        if (m_pattern[p] != lxd::kAnyLetter && m_pattern[p] != m_letters[p])
            return false;
    return true;
}

// A word that runs past the block's data, past 254 bytes or past the cursor's length in
// letters cannot come from a sound file; it ends the block like the empty word does.
InputEngine::Decode InputEngine::decodeWord(bool whole, bool& matched) {
    const Dictionary& dictionary = m_dictionary;
    int letters = 0;
    int bytes = 0;
    matched = true;
    for (;;) {
        const int byte = decodeByte();
        if (byte < 0)
            return Decode::End;
        if (byte == lxd::kEndByte)
            break;
        if (bytes == lxd::kMaxWordBytes)
            return Decode::End;
        if (whole)
            m_raw[bytes] = static_cast<char>(byte);
        ++bytes;
        const lxd::LetterIndex letter = dictionary.m_letter[byte];
        if (letter == lxd::kNoLetter)
            continue;
        if (letters == m_length)
            return Decode::End;
        if (whole) {
            m_letters[letters] = letter;
        } else if (matched) {
            const lxd::LetterIndex wanted = m_pattern[letters];
            if (wanted != lxd::kAnyLetter && wanted != letter)
                matched = false;
            else
                m_letters[letters] = letter;
        }
        ++letters;
    }
    if (letters < m_length)
        return Decode::End;
    m_letters[m_length] = lxd::kNoLetter;
    if (whole)
        m_raw[bytes] = 0;
    return Decode::Word;
}

int InputEngine::decodeByte() {
    const Dictionary& dictionary = m_dictionary;
    // Any code fits in 32 bits, so with that much in hand a code never straddles a read.
    if (m_bitLimit - m_bitPos < 32 && m_filePos < m_blockEnd)
        refill();
    const std::uint32_t available = m_bitLimit - m_bitPos;
    if (available == 0)
        return -1;

    const std::uint32_t at = m_bitPos >> 3;
    const unsigned peek =
        ((m_buffer[at] | (static_cast<unsigned>(m_buffer[at + 1]) << 8)) >> (m_bitPos & 7)) & 0xFF;
    const Dictionary::Lookahead step = dictionary.m_lookahead[peek];
    std::uint16_t node = Dictionary::kRoot;
    if (step.node < Dictionary::kRoot) {
        if (step.bits <= available) {
            m_bitPos += step.bits;
            return step.node;
        }
    } else if (step.node != Dictionary::kNoNode && available >= 8) {
        m_bitPos += 8;
        node = step.node;
    }
    for (;;) {
        if (m_bitPos >= m_bitLimit)
            return -1;
        const unsigned bit = (m_buffer[m_bitPos >> 3] >> (m_bitPos & 7)) & 1;
        ++m_bitPos;
        node = dictionary.m_children[node - Dictionary::kRoot][bit];
        if (node == Dictionary::kNoNode)
            return -1;
        if (node < Dictionary::kRoot)
            return node;
    }
}

// Keeps the unread bytes, then appends the next chunk of the block.
bool InputEngine::refill() {
    const std::uint32_t keepFrom = m_bitPos >> 3;
    const std::uint32_t keepBytes = (m_bitLimit >> 3) - keepFrom;
    std::memmove(m_buffer.data(), m_buffer.data() + keepFrom, keepBytes);
    m_bitPos -= keepFrom * 8;
    m_bitLimit = keepBytes * 8;
    std::fill(m_buffer.begin() + keepBytes, m_buffer.end(), 0);
    if (stale() || m_filePos >= m_blockEnd)
        return false;

    if (!m_file) {
        m_file = m_dictionary.openFile();
        if (!m_file || std::fseek(m_file.get(), static_cast<long>(m_filePos), SEEK_SET) != 0) {
            releaseHandle();
            m_blockEnd = m_filePos;  // nothing more can be read
            return false;
        }
    }
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, m_blockEnd - m_filePos));
    const std::size_t got = std::fread(m_buffer.data() + keepBytes, 1, wanted, m_file.get());
    if (got == 0) {
        m_blockEnd = m_filePos;
        return false;
    }
    m_filePos += got;
    m_bitLimit += static_cast<std::uint32_t>(got) * 8;
    return true;
}

void InputEngine::toDisplayText(char* rawBytes) const {
    char* out = rawBytes;
    for (const char* in = rawBytes; *in; ++in) {
        const lxd::LetterIndex letter = m_dictionary.letterOf(static_cast<unsigned char>(*in));
        if (letter != lxd::kNoLetter)
            *out++ = m_dictionary.displayChar(letter);
    }
    *out = 0;
}

}  // namespace tessaran
