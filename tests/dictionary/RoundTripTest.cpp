// Dictionaries built by the builder and read back by the reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "dictionary/TestDictionaries.h"

namespace tessaran {
namespace {

using testing::buildDictionary;
using testing::joinLines;
using testing::lettersOf;
using testing::ScratchFolder;
using testing::storedWords;

using Words = std::vector<std::string>;

class RoundTrip : public ::testing::Test {
protected:
    bool build(const Words& lines, BuildOptions options = {}) {
        const bool built = buildDictionary(joinLines(lines), path, std::move(options));
        return built && dictionary.open(path);
    }

    ScratchFolder scratch;
    std::string path = scratch.file("words.lxd");
    Dictionary dictionary;
};

TEST_F(RoundTrip, UnsortedBuildStoresEveryLineInInputOrderGroupedByLetterCount) {
    BuildOptions options;
    options.sort = false;
    options.description = "Test words";
    ASSERT_TRUE(
        build({"dog", "o'clock", "Cat", "cat", "a", "well-to-do", "emu", "", "x y"}, options));

    EXPECT_STREQ(dictionary.description(), "Test words");
    EXPECT_EQ(dictionary.slotCount(), 9);  // "well-to-do" has 8 letters
    EXPECT_EQ(storedWords(dictionary, 1), Words{"a"});
    EXPECT_EQ(storedWords(dictionary, 2), Words{"x y"});
    EXPECT_EQ(storedWords(dictionary, 3), (Words{"dog", "Cat", "cat", "emu"}));
    EXPECT_EQ(storedWords(dictionary, 6), Words{"o'clock"});
    EXPECT_EQ(storedWords(dictionary, 8), Words{"well-to-do"});
    EXPECT_TRUE(storedWords(dictionary, 4).empty());
    EXPECT_EQ(dictionary.wordCount(3), 4u);
    EXPECT_EQ(dictionary.wordCount(4), 0u);
    EXPECT_EQ(dictionary.wordCount(0), 0u);
    EXPECT_EQ(dictionary.entries(), 8u);
    EXPECT_EQ(dictionary.shortest(), 1);
    EXPECT_EQ(dictionary.longest(), 8);
}

TEST_F(RoundTrip, AlphabetNumbersUsedLettersFirstAndShowsCanonicalLetters) {
    ASSERT_TRUE(build({"bad", "cab"}));
    // A, B, C, D occur; the other 22 capitals and every unmapped byte value do not.
    EXPECT_EQ(dictionary.lettersInUse(), 4);
    EXPECT_EQ(dictionary.letterOf('A'), 0);
    EXPECT_EQ(dictionary.letterOf('a'), 0);
    EXPECT_EQ(dictionary.letterOf('D'), 3);
    EXPECT_EQ(dictionary.letterOf('-'), lxd::kNoLetter);
    EXPECT_EQ(dictionary.letterOf('\n'), lxd::kNoLetter);
    EXPECT_EQ(dictionary.letterOf(0), lxd::kNoLetter);
    // Unused canonical letters follow in byte-value order: byte 1 is the first of them.
    EXPECT_EQ(dictionary.letterOf(1), 4);
    // 'E' follows the 58 unused ones below it: bytes 1..68 but for 10, 13, the four
    // non-letters and A..D.
    EXPECT_EQ(dictionary.letterOf('E'), 4 + 58);
    EXPECT_EQ(dictionary.alphabetSize(), 256 - 3 - 26 - 4);
    EXPECT_EQ(dictionary.displayChar(0), 'A');
    EXPECT_EQ(dictionary.displayChar(3), 'D');
    EXPECT_EQ(dictionary.displayChar(static_cast<lxd::LetterIndex>(dictionary.alphabetSize())),
              '!');
    EXPECT_GT(dictionary.codeLength('a'), 0);
    EXPECT_EQ(dictionary.codeLength('e'), 0);
}

TEST_F(RoundTrip, SortingOrdersByCommonalityKeyAndStoresCaseDuplicatesOnce) {
    const Words lines = {"zzz", "Cat", "eee", "cat", "tea", "ate", "CAT", "eat"};
    ASSERT_TRUE(build(lines));
    EXPECT_EQ(dictionary.wordCount(3), 8u);  // counted before duplicates are dropped

    // Recompute the keys: letter totals over all accepted lines, norm = mean total * sqrt 2,
    // ceiling 2^0 = 1, a product above the ceiling counts as its reciprocal.
    std::map<char, double> totals;
    for (const std::string& line : lines)
        for (char c : line)
            totals[static_cast<char>(std::toupper(c))] += 1;
    const double norm = 24.0 / totals.size() * std::sqrt(2.0);
    auto key = [&](const std::string& word) {
        double product = 1;
        for (char c : word)
            product *= totals[static_cast<char>(std::toupper(c))] / norm;
        return product > 1 ? 1 / product : product;
    };
    Words expected = {"zzz", "Cat", "eee", "tea", "ate", "eat"};  // first spelling kept
    std::stable_sort(expected.begin(), expected.end(),
                     [&](const std::string& a, const std::string& b) { return key(a) > key(b); });
    EXPECT_EQ(storedWords(dictionary, 3), expected);
    // Anagrams share a key and keep their input order.
    const Words stored = storedWords(dictionary, 3);
    const auto tea = std::find(stored.begin(), stored.end(), "tea");
    ASSERT_NE(tea, stored.end());
    EXPECT_EQ(*(tea + 1), "ate");
    EXPECT_EQ(*(tea + 2), "eat");
}

TEST_F(RoundTrip, ScoresAndMasksMatchStatisticsRecomputedFromTheWords) {
    const Words lines = {"abcde", "bacon", "cable",  "dance",   "eagle",   "abed", "bead",
                         "cede",  "deal",  "lane",   "an",      "be",      "ace",  "and",
                         "a",     "o",     "banana", "cabbage", "deadbeat"};
    ASSERT_TRUE(build(lines));
    const int s = dictionary.lettersInUse();
    const int n = dictionary.slotCount();
    ASSERT_EQ(n, 9);

    auto expectedScore = [](double count, double nonZero, double sum) {
        return count == 0 ? -128 : static_cast<int>(std::round(std::log2(count * nonZero / sum)));
    };
    std::map<std::pair<int, int>, std::vector<double>> positional;
    std::vector<std::vector<double>> pairs(5, std::vector<double>(s * s));
    std::map<int, std::vector<std::uint32_t>> masks;
    for (const std::string& line : lines) {
        const std::vector<lxd::LetterIndex> w = lettersOf(dictionary, line);
        const int l = static_cast<int>(w.size());
        for (int p = 0; p < l; ++p) {
            auto& vector = positional[{l, p}];
            vector.resize(s);
            vector[w[p]] += 1;
        }
        auto& mask = masks[l];
        mask.resize(s * s);
        for (int i = 0; i < l; ++i)
            for (int j = i + 1; j < l; ++j)
                if (lxd::maskBit(l, i, j) >= 0)
                    mask[w[i] * s + w[j]] |= 1u << lxd::maskBit(l, i, j);
        for (int p = 0; p + 1 < l; ++p)
            pairs[lxd::pairClass(l, p)][w[p] * s + w[p + 1]] += 1;
    }
    for (int l = 1; l < n; ++l) {
        for (int p = 0; p < l; ++p) {
            std::vector<double> counts = positional[{l, p}];
            counts.resize(s);
            double sum = 0, nonZero = 0;
            for (double c : counts)
                sum += c, nonZero += c != 0;
            for (int k = 0; k < s; ++k)
                EXPECT_EQ(dictionary.positionalScore(l, p, k),
                          expectedScore(counts[k], nonZero, sum))
                    << "length " << l << " position " << p << " letter " << k;
        }
    }
    for (int k = 0; k < 5; ++k) {
        double sum = 0, nonZero = 0;
        for (double c : pairs[k])
            sum += c, nonZero += c != 0;
        for (int a = 0; a < s; ++a)
            for (int b = 0; b < s; ++b)
                EXPECT_EQ(dictionary.pairScore(k, a, b),
                          expectedScore(pairs[k][a * s + b], nonZero, sum))
                    << "class " << k << " pair " << a << "," << b;
    }
    for (int l = 2; l < n; ++l) {
        std::vector<std::uint32_t> mask = masks[l];
        mask.resize(s * s);
        for (int a = 0; a < s; ++a)
            for (int b = 0; b < s; ++b)
                EXPECT_EQ(dictionary.cooccurrenceMask(l, a, b), mask[a * s + b])
                    << "length " << l << " pair " << a << "," << b;
    }
    // Outside the dictionary nothing ever occurs.
    EXPECT_EQ(dictionary.positionalScore(0, 0, 0), -128);
    EXPECT_EQ(dictionary.positionalScore(3, 3, 0), -128);
    EXPECT_EQ(dictionary.positionalScore(3, 0, static_cast<lxd::LetterIndex>(s)), -128);
    EXPECT_EQ(dictionary.pairScore(5, 0, 0), -128);
    EXPECT_EQ(dictionary.cooccurrenceMask(1, 0, 0), 0u);
    EXPECT_EQ(dictionary.cooccurrenceMask(n, 0, 0), 0u);
}

TEST_F(RoundTrip, LongWordsKeepOnlyTheFirst32MaskSlots) {
    const std::string word = "abcdefghijklmnopqrstuvwxyzabcde";  // 31 letters
    ASSERT_TRUE(build({word}));
    ASSERT_EQ(dictionary.slotCount(), 32);
    EXPECT_EQ(storedWords(dictionary, 31), Words{word});
    const auto letter = [&](int p) { return dictionary.letterOf(word[p]); };
    // (0,1) is bit 0; (0,2) is the first non-adjacent slot, bit 30; (0,3) bit 31.
    EXPECT_EQ(dictionary.cooccurrenceMask(31, letter(0), letter(1)) & 1u, 1u);
    EXPECT_NE(dictionary.cooccurrenceMask(31, letter(0), letter(2)) & (1u << 30), 0u);
    EXPECT_NE(dictionary.cooccurrenceMask(31, letter(0), letter(3)) & (1u << 31), 0u);
    EXPECT_EQ(lxd::maskBit(31, 0, 4), -1);
}

TEST_F(RoundTrip, WordsOfOneLengthOnlyLeaveEmptyBlocksBeforeThem) {
    ASSERT_TRUE(build({"alpha", "bravo", "delta"}));
    EXPECT_EQ(dictionary.slotCount(), 6);
    InputEngine cursor(dictionary);
    for (int l = 0; l <= 6; ++l)
        EXPECT_EQ(cursor.start(l), l == 5) << "length " << l;
    EXPECT_EQ(storedWords(dictionary, 5).size(), 3u);
    EXPECT_NE(dictionary.cooccurrenceMask(5, dictionary.letterOf('A'), dictionary.letterOf('L')),
              0u);
    EXPECT_EQ(dictionary.shortest(), 5);
    EXPECT_EQ(dictionary.longest(), 5);
}

TEST_F(RoundTrip, LatinOneBytesAndUnmappedPunctuationAreLettersOfTheirOwn) {
    AlphabetMapping identity;
    BuildOptions options;
    options.sort = false;
    ASSERT_TRUE(buildDictionary(joinLines({"caf\xe9", "a-b"}), path, options, identity));
    ASSERT_TRUE(dictionary.open(path));
    EXPECT_EQ(storedWords(dictionary, 4), Words{"caf\xe9"});
    EXPECT_EQ(storedWords(dictionary, 3), Words{"a-b"});
    EXPECT_EQ(dictionary.displayChar(dictionary.letterOf('\xe9')), '\xe9');
    EXPECT_NE(dictionary.letterOf('a'), dictionary.letterOf('A'));
}

// A word list whose byte frequencies are the Fibonacci numbers 1, 1, 2, ... F(34) makes a
// Huffman tree of depth 33, too deep for 32-bit codes; the builder then stores every byte
// as its own 8-bit code. The end code (one per line) and the two letters starting the
// lines take the places of F(25), F(24) and F(23) in the sequence.
TEST_F(RoundTrip, CodesLongerThan32BitsFallBackToStoredBytes) {
    std::vector<std::size_t> fibonacci = {1, 1};
    while (fibonacci.size() < 34)
        fibonacci.push_back(fibonacci.end()[-1] + fibonacci.end()[-2]);
    AlphabetMapping mapping;
    std::string pool;
    unsigned char filler = 0x21;
    for (std::size_t k = 0; k < fibonacci.size(); ++k) {
        if (k >= 22 && k <= 24)
            continue;
        mapping.set(filler, 0);  // not letters, so a line may hold many of them
        pool.append(fibonacci[k], static_cast<char>(filler++));
    }
    const std::size_t lines = fibonacci[24];
    std::string list;
    std::vector<std::string> words;
    for (std::size_t i = 0, at = 0; i < lines; ++i) {
        const std::size_t next = pool.size() * (i + 1) / lines;
        words.push_back((i < fibonacci[23] ? "Y" : "Z") + pool.substr(at, next - at));
        list += words.back() + "\n";
        at = next;
    }
    testing::RecordingMaintainer monitor;
    BuildOptions options;
    options.sort = false;
    ASSERT_TRUE(buildDictionary(list, path, options, mapping, &monitor));
    EXPECT_NE(std::find(monitor.messages.begin(), monitor.messages.end(),
                        "Alphabet analysis completed OK - storing\n"),
              monitor.messages.end());
    ASSERT_TRUE(dictionary.open(path));
    EXPECT_EQ(dictionary.codeLength('Z'), 8);
    EXPECT_EQ(dictionary.codeLength(0xFF), 8);
    EXPECT_EQ(storedWords(dictionary, 1), words);
}

}  // namespace
}  // namespace tessaran
