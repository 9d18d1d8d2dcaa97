#include "builder/DictionaryBuilder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_set>
#include <utility>
#include <vector>

#include "builder/DictionaryMaintainer.h"
#include "builder/WordListReader.h"
#include "dictionary/DictionaryFormat.h"

namespace tessaran {
namespace {

constexpr int kProgressEvery = 64;

struct Code {
    std::uint32_t bits = 0;
    int length = 0;
};

// Huffman code over the byte frequencies: the two lightest nodes merge, the heavier of
// them taking bit 0; the bit added at each merge lies above the bits its leaves already
// have. Returns false when some code would be longer than 32 bits.
bool buildHuffmanCode(const std::array<std::uint64_t, 256>& frequency,
                      std::array<Code, 256>& codes) {
    struct Node {
        std::uint64_t weight;
        std::vector<int> leaves;
    };
    std::vector<Node> nodes;
    for (int c = 0; c < 256; ++c)
        if (frequency[c] != 0)
            nodes.push_back(Node{frequency[c], {c}});
    codes.fill(Code{});
    bool fits = true;
    while (nodes.size() > 1) {
        std::stable_sort(nodes.begin(), nodes.end(),
                         [](const Node& a, const Node& b) { return a.weight > b.weight; });
        Node last = std::move(nodes.back());
        nodes.pop_back();
        Node& kept = nodes.back();
        for (int bit = 0; bit < 2; ++bit) {
            for (int leaf : bit == 0 ? kept.leaves : last.leaves) {
                Code& code = codes[leaf];
                if (code.length < lxd::kMaxCodeLength)
                    code.bits |= static_cast<std::uint32_t>(bit) << code.length;
                else
                    fits = false;
                ++code.length;
            }
        }
        kept.weight += last.weight;
        kept.leaves.insert(kept.leaves.end(), last.leaves.begin(), last.leaves.end());
    }
    // A lone byte value (impossible with the end code always present) still gets a code.
    if (nodes.size() == 1 && nodes[0].leaves.size() == 1)
        codes[nodes[0].leaves[0]].length = 1;
    return fits;
}

// The score of one cell of a count table: log2(count * nonzero / sum), rounded, or -128
// for a count of 0.
std::int8_t score(std::uint64_t count, std::uint64_t nonZero, std::uint64_t sum) {
    if (count == 0 || sum == 0)
        return lxd::kNeverScore;
    const double value = std::round(std::log2(
        static_cast<double>(count) * static_cast<double>(nonZero) / static_cast<double>(sum)));
    return static_cast<std::int8_t>(std::clamp(value, -127.0, 127.0));
}

void scoreTable(const std::uint64_t* counts, std::size_t size, std::vector<char>& out) {
    std::uint64_t sum = 0;
    std::uint64_t nonZero = 0;
    for (std::size_t i = 0; i < size; ++i) {
        sum += counts[i];
        nonZero += counts[i] != 0;
    }
    for (std::size_t i = 0; i < size; ++i)
        out.push_back(static_cast<char>(score(counts[i], nonZero, sum)));
}

void putU16(std::vector<char>& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void putU32(std::vector<char>& out, std::uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

// Collects code bits least significant first and writes them in 16-bit little-endian
// units.
class BitWriter {
public:
    explicit BitWriter(std::vector<char>& out) : m_out(out) {}

    void put(const Code& code) {
        for (int bit = code.length - 1; bit >= 0; --bit) {
            if (m_count == 16)
                flushUnit();
            m_held |= ((code.bits >> bit) & 1u) << m_count;
            ++m_count;
        }
    }
    void finish() {
        if (m_count > 0)
            flushUnit();
    }

private:
    void flushUnit() {
        putU16(m_out, m_held & 0xFFFF);
        m_held = 0;
        m_count = 0;
    }

    std::vector<char>& m_out;
    std::uint32_t m_held = 0;
    int m_count = 0;
};

// One build: the working tables and the passes over the word list.
class BuildRun {
public:
    BuildRun(DictionaryMaintainer& monitor, const AlphabetMapping& mapping,
             const BuildOptions& options, std::istream& words, std::string_view inputName,
             std::string_view outputName)
        : m_monitor(monitor),
          m_options(options),
          m_reader(words),
          m_inputName(inputName),
          m_outputName(outputName),
          m_canonical(mapping.resolve()) {
        m_minLength = std::max(options.minLength, 1);
        m_maxLength =
            options.maxLength >= lxd::kMaxSlotCount ? lxd::kMaxWordLetters : options.maxLength;
        m_maxLength = std::max(m_maxLength, m_minLength);
        // A minimum above the longest storable word raises the maximum with it; a line of
        // that many letters still cannot be stored, so it is never taken.
        m_maxLength = std::min(m_maxLength, lxd::kMaxWordLetters);
    }

    bool run(const DictionaryBuilder::OutputOpener& openOutput);

private:
    // The letter count of a line, or -1 when the line is not accepted.
    int acceptedLength(const WordListReader::Line& line) const {
        if (!line.usable)
            return -1;
        int letters = 0;
        for (unsigned char c : line.text)
            letters += m_canonical[c] != 0;
        return letters >= m_minLength && letters <= m_maxLength ? letters : -1;
    }
    // The letter count of a line that is accepted and, when repeats are dropped, spells
    // letters no earlier line of this pass spelled; -1 otherwise. Only lines of
    // `onlyLength` letters are remembered when it is given, so a block's pass holds one
    // length's words at most.
    int keptLength(const WordListReader::Line& line, int onlyLength = -1) {
        const int length = acceptedLength(line);
        if (length < 0 || !m_options.unique || (onlyLength >= 0 && length != onlyLength))
            return length;
        std::string letters;
        letters.reserve(static_cast<std::size_t>(length));
        for (unsigned char c : line.text)
            if (m_canonical[c] != 0)
                letters.push_back(static_cast<char>(m_canonical[c]));
        return m_seen.insert(std::move(letters)).second ? length : -1;
    }
    bool fail(const char* format, std::string_view argument = {}) {
        m_monitor.error(format, argument);
        return false;
    }
    bool cyclingProgress(long lines) {
        return lines % kProgressEvery != 0 || m_monitor.progress((lines / kProgressEvery) % 100);
    }
    // While writing, the total number of lines is known.
    bool writingProgress(long lines) {
        return lines % kProgressEvery != 0 ||
               m_monitor.progress(static_cast<int>(lines * 100 / std::max(m_totalLines, 1L)));
    }

    bool calibrate();
    void numberLetters();
    bool analyse();
    std::vector<char> header() const;
    bool writeBlock(int length, std::ostream& out, std::uint64_t& written);
    bool sortedLines(int length, std::vector<std::string>& sorted);
    double commonalityKey(std::string_view text) const;

    DictionaryMaintainer& m_monitor;
    const BuildOptions& m_options;
    WordListReader m_reader;
    std::string_view m_inputName;
    std::string_view m_outputName;
    int m_minLength = 1;
    int m_maxLength = lxd::kMaxWordLetters;

    std::array<std::uint8_t, 256> m_canonical{};
    std::array<int, 256> m_letter{};
    std::array<std::uint64_t, 256> m_frequency{};
    std::array<Code, 256> m_codes{};
    bool m_storing = false;
    int m_lettersInUse = 0;
    int m_alphabetSize = 0;

    std::vector<std::uint64_t> m_letterTotals;  // S
    std::vector<std::uint64_t> m_positional;    // [length][position][letter], 32 x 32 x S
    std::vector<std::uint64_t> m_pairs;         // [class][first][second]
    std::vector<std::uint32_t> m_masks;         // [length][first][second], 32 x S x S
    std::array<std::uint32_t, lxd::kMaxSlotCount> m_wordCounts{};
    std::array<std::uint32_t, lxd::kMaxSlotCount> m_blockOffsets{};
    int m_slotCount = 0;
    long m_totalLines = 0;
    std::unordered_set<std::string> m_seen;  // letters already kept in this pass (unique)
    double m_norm = 1;
    double m_ceiling = 1;
};

bool BuildRun::run(const DictionaryBuilder::OutputOpener& openOutput) {
    m_monitor.message(buildtext::kCalibrating, {});
    if (!calibrate())
        return false;
    m_storing = !buildHuffmanCode(m_frequency, m_codes);
    if (m_storing) {
        for (int c = 0; c < 256; ++c)
            m_codes[c] = Code{static_cast<std::uint32_t>(c), 8};
    }
    if (std::all_of(m_frequency.begin(), m_frequency.end(),
                    [](std::uint64_t count) { return count == 0; }))
        return fail(buildtext::kNoEntries);
    numberLetters();
    try {
        const std::size_t s = static_cast<std::size_t>(m_lettersInUse);
        m_letterTotals.assign(s, 0);
        m_positional.assign(lxd::kMaxSlotCount * lxd::kMaxSlotCount * s, 0);
        m_pairs.assign(lxd::kPairClassCount * s * s, 0);
        m_masks.assign(lxd::kMaxSlotCount * s * s, 0);
    } catch (const std::bad_alloc&) {
        return fail(buildtext::kNoMemory);
    }
    m_monitor.message(m_storing ? buildtext::kStoring : buildtext::kCompressing, {});
    if (!analyse())
        return false;
    m_monitor.message(buildtext::kFrequencyDone, {});

    double total = 0;
    for (std::uint64_t count : m_letterTotals)
        total += static_cast<double>(count);
    m_norm = total / m_lettersInUse * 1.4142135623730951;
    m_ceiling = std::pow(2.0, m_options.commonality);

    std::ostream* out = openOutput();
    if (!out || !*out)
        return fail(buildtext::kOutputOpenFailed, m_outputName);
    const std::vector<char> head = header();
    out->write(head.data(), static_cast<std::streamsize>(head.size()));
    std::uint64_t position = head.size();
    for (int length = 1; length < m_slotCount && *out; ++length) {
        m_blockOffsets[length] = static_cast<std::uint32_t>(position);
        if (m_wordCounts[length] == 0)
            continue;
        std::uint64_t written = 0;
        if (!writeBlock(length, *out, written))
            return false;
        position += written;
        // Offsets are 32-bit: a larger file could not be read back, so it counts as a
        // failed write rather than a file with wrong offsets.
        if (position > UINT32_MAX)
            out->setstate(std::ios::badbit);
        if (*out)
            m_monitor.message(buildtext::kLengthDone, std::to_string(length));
    }
    if (*out) {
        std::vector<char> front(lxd::kMagic, lxd::kMagic + 4);
        putU16(front, static_cast<std::uint32_t>(m_slotCount));
        for (int l = 0; l < m_slotCount; ++l)
            putU32(front, m_blockOffsets[l]);
        out->seekp(0);
        out->write(front.data(), static_cast<std::streamsize>(front.size()));
        out->flush();
    }
    if (!*out)
        return fail(buildtext::kWriteFailed, m_outputName);
    return true;
}

bool BuildRun::calibrate() {
    m_frequency.fill(0);
    m_seen.clear();
    WordListReader::Line line;
    long lines = 0;
    while (m_reader.next(line)) {
        if (keptLength(line) >= 0) {
            for (unsigned char c : line.text)
                ++m_frequency[c];
            ++m_frequency[lxd::kEndByte];
        }
        if (!cyclingProgress(++lines))
            return fail(buildtext::kAbandoned);
    }
    return true;
}

// Letters that occur get the indices 0..S-1 in byte-value order, the canonical letters
// that never occur follow; every other letter shares its canonical letter's index.
void BuildRun::numberLetters() {
    std::array<std::uint64_t, 256> sums{};
    for (int c = 0; c < 256; ++c)
        sums[m_canonical[c]] += m_frequency[c];
    std::array<int, 256> index;
    index.fill(-1);
    int next = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int c = 1; c < 256; ++c) {
            if (m_canonical[c] != c || (sums[c] != 0) != (pass == 0))
                continue;
            index[c] = next++;
        }
        if (pass == 0)
            m_lettersInUse = next;
    }
    m_alphabetSize = next;
    for (int c = 0; c < 256; ++c)
        m_letter[c] = m_canonical[c] == 0 ? -1 : index[m_canonical[c]];
}

bool BuildRun::analyse() {
    if (!m_reader.rewind())
        return fail(buildtext::kInputOpenFailed, m_inputName);
    const std::size_t s = static_cast<std::size_t>(m_lettersInUse);
    WordListReader::Line line;
    long lines = 0;
    std::array<int, lxd::kMaxWordLetters> word{};
    m_seen.clear();
    while (m_reader.next(line)) {
        const int length = keptLength(line);
        if (length >= 0) {
            int p = 0;
            for (unsigned char c : line.text)
                if (m_letter[c] >= 0)
                    word[p++] = m_letter[c];
            for (p = 0; p < length; ++p) {
                ++m_positional[(length * lxd::kMaxSlotCount + p) * s + word[p]];
                ++m_letterTotals[word[p]];
            }
            std::uint32_t* masks = &m_masks[length * s * s];
            for (p = 0; p + 1 < length; ++p) {
                masks[word[p] * s + word[p + 1]] |= 1u << p;
                ++m_pairs[(lxd::pairClass(length, p) * s + word[p]) * s + word[p + 1]];
            }
            int bit = length - 1;
            for (int i = 0; i + 2 < length && bit < lxd::kMaskBits; ++i)
                for (int j = i + 2; j < length && bit < lxd::kMaskBits; ++j, ++bit)
                    masks[word[i] * s + word[j]] |= 1u << bit;
            m_slotCount = std::max(m_slotCount, length + 1);
            ++m_wordCounts[length];
        }
        if (!cyclingProgress(++lines))
            return fail(buildtext::kAbandoned);
    }
    m_totalLines = lines;
    return true;
}

std::vector<char> BuildRun::header() const {
    const int n = m_slotCount;
    const std::size_t s = static_cast<std::size_t>(m_lettersInUse);
    std::vector<char> out(lxd::kUnfinishedMagic, lxd::kUnfinishedMagic + 4);
    out.reserve(lxd::headerSize(n, m_lettersInUse));
    putU16(out, static_cast<std::uint32_t>(n));
    for (int l = 0; l < n; ++l)
        putU32(out, 0);  // block offsets, known only at the end
    for (int l = 0; l < n; ++l)
        putU32(out, m_wordCounts[l]);
    // The stored text ends at its first NUL, so nothing of it may follow the terminator.
    const std::string_view text(m_options.description.c_str());
    std::array<char, lxd::kDescriptionSize> description{};
    std::copy_n(text.begin(), std::min<std::size_t>(text.size(), lxd::kDescriptionSize - 1),
                description.begin());
    out.insert(out.end(), description.begin(), description.end());
    putU16(out, static_cast<std::uint32_t>(m_lettersInUse));
    putU16(out, static_cast<std::uint32_t>(m_alphabetSize));
    for (int c = 0; c < 256; ++c) {
        out.push_back(static_cast<char>(m_letter[c] >= 0 ? m_canonical[c] : 0));
        out.push_back(static_cast<char>(m_codes[c].length));
        putU16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(m_letter[c])));
        putU32(out, m_codes[c].bits);
    }
    putU16(out, static_cast<std::uint32_t>(lxd::positionalVectorCount(n)));
    for (int l = 1; l < n; ++l)
        for (int p = 0; p < l; ++p)
            scoreTable(&m_positional[(l * lxd::kMaxSlotCount + p) * s], s, out);
    for (int k = 0; k < lxd::kPairClassCount; ++k)
        scoreTable(&m_pairs[k * s * s], s * s, out);
    putU16(out, static_cast<std::uint32_t>(lxd::maskMatrixCount(n)));
    for (int l = 2; l < n; ++l)
        for (std::size_t i = 0; i < s * s; ++i)
            putU32(out, m_masks[l * s * s + i]);
    return out;
}

bool BuildRun::writeBlock(int length, std::ostream& out, std::uint64_t& written) {
    if (!m_reader.rewind())
        return fail(buildtext::kInputOpenFailed, m_inputName);
    std::vector<char> bytes;
    BitWriter bits(bytes);
    const auto emit = [&](std::string_view text) {
        for (unsigned char c : text)
            bits.put(m_codes[c]);
        bits.put(m_codes[lxd::kEndByte]);
    };
    if (m_options.sort) {
        std::vector<std::string> sorted;
        if (!sortedLines(length, sorted))
            return false;
        for (const std::string& text : sorted)
            emit(text);
    } else {
        WordListReader::Line line;
        long lines = 0;
        m_seen.clear();
        while (m_reader.next(line)) {
            if (keptLength(line, length) == length)
                emit(line.text);
            if (!writingProgress(++lines))
                return fail(buildtext::kAbandoned);
        }
    }
    bits.put(m_codes[lxd::kEndByte]);  // the empty word that ends the block
    bits.finish();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    written = bytes.size();
    return true;
}

// The lines of `length` letters in decreasing commonality key, equal keys in input order,
// each letter sequence once (a later line with the same letters is a duplicate).
bool BuildRun::sortedLines(int length, std::vector<std::string>& sorted) {
    try {
        long lines = 0;
        std::vector<std::pair<double, std::string>> entries;
        std::unordered_set<std::string> seen;
        WordListReader::Line line;
        m_seen.clear();
        while (m_reader.next(line)) {
            if (keptLength(line, length) == length) {
                std::string letters;
                for (unsigned char c : line.text)
                    if (m_letter[c] >= 0)
                        letters.push_back(static_cast<char>(m_letter[c]));
                if (seen.insert(std::move(letters)).second)
                    entries.emplace_back(commonalityKey(line.text), std::string(line.text));
            }
            if (!writingProgress(++lines))
                return fail(buildtext::kAbandoned);
        }
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        sorted.reserve(entries.size());
        for (auto& entry : entries)
            sorted.push_back(std::move(entry.second));
    } catch (const std::bad_alloc&) {
        return fail(buildtext::kSortNoMemory, std::to_string(length));
    }
    return true;
}

// The product of each letter's share of the average letter total; a product above the
// ceiling counts as its reciprocal against the ceiling, so very common words do not
// outrank everything else.
double BuildRun::commonalityKey(std::string_view text) const {
    double product = 1;
    for (unsigned char c : text)
        if (m_letter[c] >= 0)
            product *= static_cast<double>(m_letterTotals[m_letter[c]]) / m_norm;
    return product > m_ceiling ? m_ceiling / product : product;
}

}  // namespace

DictionaryBuilder::DictionaryBuilder(DictionaryMaintainer& monitor, const AlphabetMapping& mapping,
                                     BuildOptions options)
    : m_monitor(monitor), m_mapping(mapping), m_options(std::move(options)) {}

bool DictionaryBuilder::build(const std::string& inputName, const std::string& outputName) {
    std::error_code ignored;
    // A folder opens here but reads as an empty list; it is no word list.
    std::ifstream words;
    if (!std::filesystem::is_directory(inputName, ignored))
        words.open(inputName, std::ios::binary);
    if (!words.is_open()) {
        m_monitor.error(buildtext::kInputOpenFailed, inputName);
        return false;
    }
    std::ofstream out;
    return build(
        words,
        [&]() -> std::ostream* {
            // Creating the output over the word list would empty the list before its
            // words are written.
            if (std::filesystem::equivalent(inputName, outputName, ignored))
                return nullptr;
            out.open(outputName, std::ios::binary | std::ios::trunc);
            return out.is_open() ? &out : nullptr;
        },
        inputName, outputName);
}

bool DictionaryBuilder::build(std::istream& words, const OutputOpener& openOutput,
                              std::string_view inputName, std::string_view outputName) {
    BuildRun run(m_monitor, m_mapping, m_options, words, inputName, outputName);
    return run.run(openOutput);
}

}  // namespace tessaran
