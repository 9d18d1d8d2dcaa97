// Random anagram parts of letters, choice lists, wildcards and stars, after an empty
// template, a star or a row of wildcards, checked on words of the default dictionary
// against a plain statement of their meaning: the letter and choice items can be given
// different letters of the word, except that when the word is shorter than the anagram
// part that many of them may go without.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "wordsearch/LetterMap.h"
#include "wordsearch/MatchEngine.h"
#include "wordsearch/WordSearchTestSupport.h"

namespace tessaran {
namespace {

struct Item {
    std::string letters;  // the letters an item accepts (lower case)
    bool negated = false;
    bool accepts(char c) const { return (letters.find(c) != std::string::npos) != negated; }
};

// How many items can be given different letters of the word at once.
int mostItemsPlaced(const std::vector<Item>& items, const std::string& word) {
    std::vector<int> holder(word.size(), -1);  // the item each letter went to
    std::function<bool(int, std::vector<bool>&)> place = [&](int item, std::vector<bool>& seen) {
        for (size_t i = 0; i < word.size(); ++i) {
            if (seen[i] || !items[item].accepts(word[i]))
                continue;
            seen[i] = true;
            if (holder[i] < 0 || place(holder[i], seen)) {
                holder[i] = item;
                return true;
            }
        }
        return false;
    };
    int placed = 0;
    for (size_t item = 0; item < items.size(); ++item) {
        std::vector<bool> seen(word.size(), false);
        placed += place(static_cast<int>(item), seen);
    }
    return placed;
}

TEST(AnagramOracle, RandomAnagramPartsMeanWhatTheySay) {
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(TESSARAN_BINARY_DIR "/src/app/words.lxd"));
    const LetterMap letters = LetterMap::fromDictionary(dictionary);
    // Every 25th word of up to ten letters, in lower case.
    std::vector<std::pair<std::vector<lxd::LetterIndex>, std::string>> words;
    int n = 0;
    test::forEachWord(dictionary, 10, [&](int length, const lxd::LetterIndex* word) {
        if (n++ % 25 != 0)
            return;
        std::string spelled;
        for (int i = 0; i < length; ++i)
            spelled += static_cast<char>(std::tolower(dictionary.displayChar(word[i])));
        words.emplace_back(std::vector<lxd::LetterIndex>(word, word + length + 1), spelled);
    });
    ASSERT_GT(words.size(), 1000u);

    std::mt19937 random(7122026);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string common = "aeinorst";
    auto letter = [&] { return common[pick(static_cast<int>(common.size()))]; };
    long matched = 0;
    for (int round = 0; round < 250; ++round) {
        // The template: empty, a star, or two to six wildcards.
        const int shape = pick(3);
        const int wildcardsInTemplate = shape == 2 ? 2 + pick(5) : 0;
        std::string pattern =
            shape == 1 ? "*" : std::string(static_cast<size_t>(wildcardsInTemplate), '.');
        pattern += ';';
        std::vector<Item> items;
        int count = 0;  // A
        bool star = false;
        for (int i = 0, n = 1 + pick(6); i < n; ++i) {
            const int kind = pick(8);
            if (kind < 4) {
                items.push_back({std::string(1, letter()), false});
                pattern += items.back().letters;
                ++count;
            } else if (kind < 6) {
                Item item{"", kind == 5};
                for (int k = 0, m = 1 + pick(3); k < m; ++k)
                    item.letters += letter();
                pattern += std::string(item.negated ? "[^" : "[") + item.letters + "]";
                items.push_back(item);
                ++count;
            } else if (kind == 6) {
                pattern += '.';
                ++count;
            } else {
                pattern += '*';
                star = true;
            }
        }
        MatchEngine engine;
        ASSERT_TRUE(engine.compile(pattern, letters)) << pattern;
        for (const auto& [string, word] : words) {
            const int length = static_cast<int>(word.size());
            // The lengths the pattern allows.
            bool fits = shape == 0   ? (star ? length >= count : length == count)
                        : shape == 1 ? (star || length <= count)
                                     : length == wildcardsInTemplate;
            if (fits) {
                const int allowedMissing = std::max(0, count - length);
                fits =
                    static_cast<int>(items.size()) - mostItemsPlaced(items, word) <= allowedMissing;
            }
            bool match = false;
            if (length >= engine.effectiveShortest() && length <= engine.effectiveLongest()) {
                engine.setLength(length);
                match = engine.matches(string.data());
            }
            ASSERT_EQ(match, fits) << pattern << " on " << word;
            matched += match;
        }
    }
    EXPECT_GT(matched, 1000);
}

}  // namespace
}  // namespace tessaran
