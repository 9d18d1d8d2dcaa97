// The fast matchers against the interpreter on every word of the default dictionary
// (built by lexiforge from the British English word list).

#include <gtest/gtest.h>

#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "wordsearch/LetterMap.h"
#include "wordsearch/MatchEngine.h"
#include "wordsearch/WordSearchTestSupport.h"

namespace tessaran {
namespace {

using Matcher = MatchEngine::Matcher;

TEST(FastMatcherAgreement, EveryWordOfTheDefaultDictionary) {
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(TESSARAN_BINARY_DIR "/src/app/words.lxd"));
    std::vector<std::vector<std::vector<lxd::LetterIndex>>> byLength(dictionary.slotCount());
    long total = 0;
    test::forEachWord(dictionary, dictionary.slotCount(),
                      [&](int length, const lxd::LetterIndex* letters) {
                          byLength[length].emplace_back(letters, letters + length + 1);
                          ++total;
                      });
    ASSERT_GT(total, 50000);

    const LetterMap letters = LetterMap::fromDictionary(dictionary);
    const std::pair<const char*, Matcher> cases[] = {
        {".l.ea.y", Matcher::Template},         {"s....", Matcher::Template},
        {"..ing", Matcher::Template},           {"q", Matcher::Template},
        {";aeinrst", Matcher::DistinctAnagram}, {";eat", Matcher::DistinctAnagram},
        {";sta*", Matcher::DistinctAnagram},    {";xyz.", Matcher::DistinctAnagram},
        {";eerst", Matcher::CountedAnagram},    {";ssee..", Matcher::CountedAnagram},
        {";oo*", Matcher::CountedAnagram},
    };
    for (const auto& [pattern, matcher] : cases) {
        MatchEngine engine;
        ASSERT_TRUE(engine.compile(pattern, letters)) << pattern;
        ASSERT_EQ(engine.matcher(), matcher) << pattern;
        long matches = 0;
        for (int length = engine.effectiveShortest();
             length <= engine.effectiveLongest() && length < dictionary.slotCount(); ++length) {
            engine.setLength(length);
            for (const auto& word : byLength[length]) {
                const bool fast = engine.matches(word.data());
                ASSERT_EQ(fast, engine.matchesByInterpreter(word.data())) << pattern;
                matches += fast;
            }
        }
        if (std::string_view(pattern) != ";xyz.") {
            EXPECT_GT(matches, 0) << pattern;
        }
    }
}

}  // namespace
}  // namespace tessaran
