// Random templates of letters, wildcards, choice lists and stars, checked against the
// same templates written as regular expressions, on words of the default dictionary.
// Where there is a way to place the stars, the matcher must find it, and only then.

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "wordsearch/LetterMap.h"
#include "wordsearch/MatchEngine.h"
#include "wordsearch/WordSearchTestSupport.h"

namespace tessaran {
namespace {

struct Sample {
    std::vector<lxd::LetterIndex> letters;  // ended by 255
    std::string spelled;                    // display characters
};

std::vector<Sample> sampleWords(Dictionary& dictionary, int every) {
    std::vector<Sample> words;
    int n = 0;
    test::forEachWord(dictionary, dictionary.slotCount(),
                      [&](int length, const lxd::LetterIndex* letters) {
                          if (n++ % every != 0)
                              return;
                          Sample sample;
                          sample.letters.assign(letters, letters + length + 1);
                          for (int i = 0; i < length; ++i)
                              sample.spelled += dictionary.displayChar(letters[i]);
                          words.push_back(std::move(sample));
                      });
    return words;
}

TEST(TemplateOracle, RandomTemplatesMatchLikeRegularExpressions) {
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(TESSARAN_BINARY_DIR "/src/app/words.lxd"));
    const std::vector<Sample> words = sampleWords(dictionary, 30);
    ASSERT_GT(words.size(), 1000u);
    const LetterMap letters = LetterMap::fromDictionary(dictionary);

    std::mt19937 random(20261207);
    const std::string common = "aeinrst";
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto letter = [&] { return common[pick(static_cast<int>(common.size()))]; };
    long matched = 0;
    for (int round = 0; round < 300; ++round) {
        std::string pattern;
        std::string expression;
        const int items = 1 + pick(7);
        for (int i = 0; i < items; ++i) {
            switch (pick(6)) {
                case 0:
                case 1: {
                    const char c = letter();
                    pattern += c;
                    expression += static_cast<char>(c - 'a' + 'A');
                    break;
                }
                case 2:
                    pattern += '.';
                    expression += '.';
                    break;
                case 3: {
                    const bool negated = pick(3) == 0;
                    std::string list;
                    for (int k = 0, n = 1 + pick(3); k < n; ++k)
                        list += letter();
                    pattern += std::string(negated ? "[^" : "[") + list + "]";
                    for (char& c : list)
                        c = static_cast<char>(c - 'a' + 'A');
                    expression += std::string(negated ? "[^" : "[") + list + "]";
                    break;
                }
                default:
                    pattern += '*';
                    expression += ".*";
                    break;
            }
        }
        MatchEngine engine;
        ASSERT_TRUE(engine.compile(pattern, letters)) << pattern;
        const std::regex oracle(expression);
        for (const Sample& word : words) {
            const int length = static_cast<int>(word.spelled.size());
            bool match = false;
            if (length >= engine.effectiveShortest() && length <= engine.effectiveLongest()) {
                engine.setLength(length);
                match = engine.matches(word.letters.data());
            }
            ASSERT_EQ(match, std::regex_match(word.spelled, oracle))
                << pattern << " on " << word.spelled;
            matched += match;
        }
    }
    EXPECT_GT(matched, 1000);
}

}  // namespace
}  // namespace tessaran
