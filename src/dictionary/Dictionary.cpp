#include "dictionary/Dictionary.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "dictionary/InputEngine.h"

namespace tessaran {
namespace {

// Reads little-endian fields from the start of the file; any short read makes every
// later read fail too, so a loader can check once per section.
class FieldReader {
public:
    explicit FieldReader(std::FILE* file) : m_file(file) {}

    bool ok() const { return m_ok; }
    bool bytes(void* into, std::size_t count) {
        if (m_ok && count != 0 && std::fread(into, 1, count, m_file) != count)
            m_ok = false;
        return m_ok;
    }
    std::uint32_t u8() { return unsignedOf(1); }
    std::uint32_t u16() { return unsignedOf(2); }
    std::uint32_t u32() { return unsignedOf(4); }
    int i16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(u16())); }

private:
    std::uint32_t unsignedOf(int width) {
        unsigned char raw[4] = {};
        if (!bytes(raw, width))
            return 0;
        std::uint32_t value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | raw[i];
        return value;
    }

    std::FILE* m_file;
    bool m_ok = true;
};

}  // namespace

Dictionary::Dictionary() {
    clear();
}

Dictionary::~Dictionary() = default;

Dictionary& Dictionary::instance() {
    static Dictionary dictionary;
    return dictionary;
}

bool Dictionary::open(std::string_view fileName) {
    if (m_valid && fileName == m_fileName)
        return true;
    clear();
    m_fileName = fileName;
    if (m_fileName.empty())
        return false;
    m_valid = load();
    if (!m_valid)
        clear();
    return m_valid;
}

void Dictionary::clear() {
    m_valid = false;
    ++m_generation;
    for (InputEngine* cursor : m_cursors)
        cursor->releaseHandle();
    m_slotCount = 0;
    m_blockOffsets.fill(0);
    m_wordCounts.fill(0);
    m_fileSize = 0;
    m_description.fill(0);
    m_lettersInUse = 0;
    m_alphabetSize = 0;
    m_codeLength.fill(0);
    m_letter.fill(lxd::kNoLetter);
    m_display.fill('!');
    for (auto& children : m_children)
        children = {kNoNode, kNoNode};
    m_internalNodes = 0;
    m_lookahead.fill(Lookahead{kNoNode, 0});
    std::vector<std::int8_t>().swap(m_positionalScores);
    std::vector<std::int8_t>().swap(m_pairScores);
    std::vector<std::uint32_t>().swap(m_masks);
}

bool Dictionary::load() {
    FileHandle file = openFile();
    if (!file)
        return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    try {
        return loadTables(file.get(), static_cast<std::uint64_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool Dictionary::loadTables(std::FILE* file, std::uint64_t fileSize) {
    FieldReader in(file);
    char magic[4];
    if (!in.bytes(magic, 4) || std::memcmp(magic, lxd::kMagic, 4) != 0)
        return false;

    const int slots = static_cast<int>(in.u16());
    if (!in.ok() || slots < lxd::kMinSlotCount || slots > lxd::kMaxSlotCount)
        return false;
    m_slotCount = slots;
    for (int l = 0; l < slots; ++l)
        m_blockOffsets[l] = in.u32();
    for (int l = 0; l < slots; ++l)
        m_wordCounts[l] = in.u32();
    if (!in.bytes(m_description.data(), m_description.size()))
        return false;
    m_description.back() = 0;
    auto terminator = std::find(m_description.begin(), m_description.end(), '\0');
    std::fill(terminator, m_description.end(), '\0');

    const int s = in.i16();
    const int t = in.i16();
    if (!in.ok() || s < 0 || t < s || t > lxd::kMaxAlphabetSize)
        return false;
    m_lettersInUse = s;
    m_alphabetSize = t;

    std::array<std::uint8_t, 256> canonical{};
    std::array<std::uint32_t, 256> codes{};
    for (int c = 0; c < 256; ++c) {
        canonical[c] = static_cast<std::uint8_t>(in.u8());
        m_codeLength[c] = static_cast<std::uint8_t>(in.u8());
        const int letter = in.i16();
        codes[c] = in.u32();
        if (!in.ok() || letter < -1 || letter >= t || m_codeLength[c] > lxd::kMaxCodeLength)
            return false;
        m_letter[c] = letter < 0 ? lxd::kNoLetter : static_cast<lxd::LetterIndex>(letter);
    }
    for (int c = 0; c < 256; ++c)
        if (canonical[c] == c && m_letter[c] != lxd::kNoLetter)
            m_display[m_letter[c]] = static_cast<char>(c);
    if (!buildCodeTree(codes))
        return false;

    const std::size_t letters = static_cast<std::size_t>(s);
    if (static_cast<int>(in.u16()) != lxd::positionalVectorCount(slots) || !in.ok())
        return false;
    m_positionalScores.resize(lxd::positionalVectorCount(slots) * letters);
    in.bytes(m_positionalScores.data(), m_positionalScores.size());
    m_pairScores.resize(lxd::kPairClassCount * letters * letters);
    in.bytes(m_pairScores.data(), m_pairScores.size());
    if (static_cast<int>(in.u16()) != lxd::maskMatrixCount(slots) || !in.ok())
        return false;
    m_masks.resize(lxd::maskMatrixCount(slots) * letters * letters);
    for (std::uint32_t& mask : m_masks)
        mask = in.u32();
    if (!in.ok())
        return false;

    // Every block must lie after the header and inside the file, in length order, so a
    // cursor's reads stay within its own block.
    const std::uint64_t headerEnd = lxd::headerSize(slots, s);
    m_fileSize = fileSize;
    for (int l = 1; l < slots; ++l) {
        if (m_blockOffsets[l] < headerEnd || m_blockOffsets[l] > fileSize)
            return false;
        if (l > 1 && m_blockOffsets[l] < m_blockOffsets[l - 1])
            return false;
    }
    return true;
}

// Builds the tree from the code table and rejects a table that is not a prefix code,
// needs more internal nodes than there is room for, or cannot end a word.
bool Dictionary::buildCodeTree(const std::array<std::uint32_t, 256>& codes) {
    if (m_codeLength[lxd::kEndByte] == 0)
        return false;
    for (int c = 0; c < 256; ++c) {
        const int length = m_codeLength[c];
        if (length == 0)
            continue;
        std::uint16_t node = kRoot;
        for (int bit = length - 1; bit >= 1; --bit) {
            std::uint16_t& child = m_children[node - kRoot][(codes[c] >> bit) & 1];
            if (child == kNoNode) {
                if (m_internalNodes + 1 >= lxd::kMaxInternalNodes)
                    return false;
                child = static_cast<std::uint16_t>(kRoot + ++m_internalNodes);
            } else if (child < kRoot) {
                return false;  // a shorter code is a prefix of this one
            }
            node = child;
        }
        std::uint16_t& slot = m_children[node - kRoot][codes[c] & 1];
        if (slot != kNoNode)
            return false;  // this code is a prefix of another, or repeated
        slot = static_cast<std::uint16_t>(c);
    }
    for (int b = 0; b < 256; ++b) {
        std::uint16_t node = kRoot;
        int steps = 0;
        while (steps < 8 && node >= kRoot && node != kNoNode) {
            node = m_children[node - kRoot][(b >> steps) & 1];
            ++steps;
        }
        m_lookahead[b] = Lookahead{node, static_cast<std::uint8_t>(steps)};
    }
    return true;
}

Dictionary::FileHandle Dictionary::openFile() {
    for (;;) {
        FileHandle file(std::fopen(m_fileName.c_str(), "rb"));
        if (file)
            return file;
        if (errno != EMFILE && errno != ENFILE)
            return nullptr;
        auto holder =
            std::find_if(m_cursors.begin(), m_cursors.end(),
                         [](const InputEngine* cursor) { return cursor->m_file != nullptr; });
        if (holder == m_cursors.end())
            return nullptr;
        // The cursor reopens and seeks to its position when it next needs a chunk.
        (*holder)->releaseHandle();
    }
}

void Dictionary::attach(InputEngine* cursor) {
    m_cursors.push_back(cursor);
}

void Dictionary::detach(InputEngine* cursor) {
    m_cursors.erase(std::remove(m_cursors.begin(), m_cursors.end(), cursor), m_cursors.end());
}

std::uint64_t Dictionary::blockEnd(int length) const {
    return length + 1 < m_slotCount ? m_blockOffsets[length + 1] : m_fileSize;
}

std::uint32_t Dictionary::wordCount(int length) const {
    return length >= 0 && length < m_slotCount ? m_wordCounts[length] : 0;
}

int Dictionary::positionalScore(int length, int position, lxd::LetterIndex letter) const {
    if (length < 1 || length >= m_slotCount || position < 0 || position >= length ||
        letter >= m_lettersInUse)
        return lxd::kNeverScore;
    return m_positionalScores[static_cast<std::size_t>(
                                  lxd::positionalVectorIndex(length, position)) *
                                  m_lettersInUse +
                              letter];
}

int Dictionary::pairScore(int pairClass, lxd::LetterIndex first, lxd::LetterIndex second) const {
    if (pairClass < 0 || pairClass >= lxd::kPairClassCount || first >= m_lettersInUse ||
        second >= m_lettersInUse)
        return lxd::kNeverScore;
    const std::size_t s = static_cast<std::size_t>(m_lettersInUse);
    return m_pairScores[(pairClass * s + first) * s + second];
}

std::uint32_t Dictionary::cooccurrenceMask(int length, lxd::LetterIndex first,
                                           lxd::LetterIndex second) const {
    if (length < 2 || length >= m_slotCount || first >= m_lettersInUse || second >= m_lettersInUse)
        return 0;
    const std::size_t s = static_cast<std::size_t>(m_lettersInUse);
    return m_masks[((length - 2) * s + first) * s + second];
}

std::uint64_t Dictionary::entries() const {
    std::uint64_t sum = 0;
    for (int l = 0; l < m_slotCount; ++l)
        sum += m_wordCounts[l];
    return sum;
}

int Dictionary::shortest() const {
    for (int l = 1; l < m_slotCount; ++l)
        if (m_wordCounts[l] > 0)
            return l;
    return 0;
}

int Dictionary::longest() const {
    for (int l = m_slotCount - 1; l >= 1; --l)
        if (m_wordCounts[l] > 0)
            return l;
    return 0;
}

bool Dictionary::requireValid(const Alert& alert) const {
    if (m_valid)
        return true;
    if (alert)
        alert(kNoDictionaryCaption, kNoDictionaryText);
    return false;
}

}  // namespace tessaran
