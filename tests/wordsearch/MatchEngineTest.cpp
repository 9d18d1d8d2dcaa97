#include "wordsearch/MatchEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WordSearchTestSupport.h"

namespace tessaran {
namespace {

using Words = std::vector<std::string>;

class MatchEngineTest : public ::testing::Test {
protected:
    // The words of `words` that the pattern accepts within the engine's length range,
    // checking on the way that the chosen matcher and the interpreter agree.
    Words matching(std::string_view pattern, const Words& words) {
        EXPECT_TRUE(engine.compile(pattern, letters)) << pattern << ": " << engine.errorText();
        Words out;
        for (const std::string& word : words) {
            const auto string = test::letterString(word, letters);
            const int length = static_cast<int>(string.size()) - 1;
            if (length < engine.effectiveShortest() || length > engine.effectiveLongest())
                continue;
            engine.setLength(length);
            const bool match = engine.matches(string.data());
            EXPECT_EQ(match, engine.matchesByInterpreter(string.data())) << pattern << " " << word;
            if (match)
                out.push_back(word);
        }
        return out;
    }
    bool accepts(std::string_view pattern, const std::string& word) {
        return matching(pattern, {word}).size() == 1;
    }

    LetterMap letters = test::plainAlphabet("!");  // "!" is a letter no word holds
    MatchEngine engine;
};

TEST_F(MatchEngineTest, LengthRangeIsClampedAndSurvivesCompiles) {
    EXPECT_EQ(engine.shortest(), 1);
    EXPECT_EQ(engine.longest(), 32);
    engine.setShortest(0);
    engine.setLongest(40);
    EXPECT_EQ(engine.shortest(), 1);
    EXPECT_EQ(engine.longest(), 32);
    engine.setShortest(5);
    engine.setLongest(31);
    ASSERT_TRUE(engine.compile("a*", letters));
    EXPECT_EQ(engine.effectiveShortest(), 5);
    EXPECT_EQ(engine.effectiveLongest(), 31);
    ASSERT_TRUE(engine.compile(".....", letters));
    EXPECT_EQ(engine.effectiveShortest(), 5);
    EXPECT_EQ(engine.effectiveLongest(), 5);
    engine.setLongest(3);
    EXPECT_GT(engine.effectiveShortest(), engine.effectiveLongest());
}

TEST_F(MatchEngineTest, TheSimplestShapesGetFastMatchers) {
    ASSERT_TRUE(engine.compile(".l.ea.y", letters));
    EXPECT_EQ(engine.matcher(), MatchEngine::Matcher::Template);
    ASSERT_TRUE(engine.compile(";aeinrst", letters));
    EXPECT_EQ(engine.matcher(), MatchEngine::Matcher::DistinctAnagram);
    ASSERT_TRUE(engine.compile(";ab.a", letters));
    EXPECT_EQ(engine.matcher(), MatchEngine::Matcher::CountedAnagram);
    for (const char* general : {"a*z", "[ab].", "(ab)", ";[ab]c", "a;b", ""}) {
        ASSERT_TRUE(engine.compile(general, letters));
        EXPECT_EQ(engine.matcher(), MatchEngine::Matcher::General) << general;
    }
}

TEST_F(MatchEngineTest, TemplatesMatchPositionByPosition) {
    const Words words{"ally", "already", "clearly", "cleanly", "Already", "alreadys"};
    EXPECT_EQ(matching(".l.ea.y", words), (Words{"already", "Already"}));
    EXPECT_EQ(matching("[^aeiou].[aeiou]..", Words{"bread", "cheap", "abide", "tryst"}),
              (Words{"bread", "cheap"}));
    EXPECT_EQ(matching("c[lr]ea[nr]ly", words), (Words{"clearly", "cleanly"}));
    // Non-letters in a word do not take a position.
    EXPECT_EQ(matching("d..t", Words{"don't", "dolt", "donut"}), (Words{"don't", "dolt"}));
}

TEST_F(MatchEngineTest, StarsAbsorbTheExtraLetters) {
    const Words words{"a", "az", "adz", "azure", "blitz", "quartz", "zz", "chaz", "jazz"};
    EXPECT_EQ(matching("a*z", words), (Words{"az", "adz"}));
    EXPECT_EQ(matching("*tz", words), (Words{"blitz", "quartz"}));
    EXPECT_EQ(matching("*z", words), (Words{"az", "adz", "blitz", "quartz", "zz", "chaz", "jazz"}));
    // Two stars: the first takes what the rest needs, the last what is left.
    EXPECT_EQ(matching("*a*z", words), (Words{"az", "adz", "quartz", "chaz", "jazz"}));
    EXPECT_EQ(matching("a*u*e", words), (Words{"azure"}));
    EXPECT_TRUE(accepts("*a*a*a*", "banana"));
    EXPECT_FALSE(accepts("*a*a*a*a*", "banana"));
    // An escaped star is a single position.
    EXPECT_EQ(matching("a\\*", words), (Words{"az"}));
}

TEST_F(MatchEngineTest, ManyStarsStayQuick) {
    // Each star tries each place once per word, so a failing word costs little.
    std::string pattern;
    for (int k = 0; k < 30; ++k)
        pattern += "*.";
    pattern += "*q";
    const std::string word(32, 'e');
    for (int k = 0; k < 100; ++k)
        EXPECT_FALSE(accepts(pattern, word));
}

TEST_F(MatchEngineTest, ManyChoiceListsAndSubpatternsStayQuick) {
    // Twelve lists that could take the letters in billions of orders before the z is
    // found missing: failed states are remembered, so each is tried once.
    std::string pattern = "*;";
    for (int k = 0; k < 12; ++k)
        pattern += "[^q]";
    EXPECT_FALSE(accepts(pattern + "z", "abcdefghijklm"));
    EXPECT_TRUE(accepts(pattern + "m", "abcdefghijklm"));
    pattern = "*;";
    for (int k = 0; k < 12; ++k)
        pattern += "(.)";
    EXPECT_FALSE(accepts(pattern + "z", "abcdefghijklm"));
    EXPECT_TRUE(accepts(pattern + "a", "abcdefghijklm"));
    // More runs than the word has letters for: no way of placing some of them is tried.
    pattern = "*;";
    for (int k = 0; k < 26; ++k)
        pattern += "(.)";
    EXPECT_FALSE(accepts(pattern, "abcdefghijklmnopqrstuvwxy"));
    EXPECT_TRUE(accepts(pattern, "abcdefghijklmnopqrstuvwxyz"));
    EXPECT_FALSE(
        accepts(";(..)(..)(..)(..)(..)(..)(..)(..)(..)(..)(..)(.)", "abcdefghijklmnopqrstuv"));
    // A letter that the word lacks fails every way of placing the runs before it.
    pattern = ";";
    for (int k = 0; k < 24; ++k)
        pattern += "(.)";
    EXPECT_FALSE(accepts(pattern + "zz", "abcdefghijklmnopqrstuvwxyz"));
    EXPECT_TRUE(accepts(pattern + "zy", "abcdefghijklmnopqrstuvwxyz"));
}

TEST_F(MatchEngineTest, SubpatternsMatchRunsOfTheWord) {
    const Words words{"abc", "bac", "abz", "acb", "ab", "abbbc", "aqqqqb", "ccab"};
    EXPECT_EQ(matching("(ab)c", words), (Words{"abc"}));
    EXPECT_EQ(matching("(;ab)c", words), (Words{"abc", "bac"}));
    EXPECT_EQ(matching("(a*)b", words), (Words{"acb", "ab", "aqqqqb"}));
    EXPECT_EQ(matching("(a*)c", words), (Words{"abc", "abbbc"}));
    // Variable through its anagram's star: the run holds b and may be any length.
    EXPECT_EQ(matching("(;b*)c", words), (Words{"abc", "bac", "abbbc"}));
    // A variable run must still leave nothing unmatched after the template.
    EXPECT_EQ(matching("(;a*)b", Words{"axbx", "axb", "bab", "bbb"}), (Words{"axb", "bab"}));
    // In an anagram part a subpattern is a run anywhere, not overlapping another.
    EXPECT_EQ(matching(";(ab)c", words), (Words{"abc"}));
    EXPECT_EQ(matching(";(ab)*", words), (Words{"abc", "abz", "ab", "abbbc", "ccab"}));
    EXPECT_TRUE(accepts(";(ab)(ba)", "abba"));
    EXPECT_FALSE(accepts(";(ab)(ab)", "abba"));
    EXPECT_TRUE(accepts(";(a*c)x*", "xabc"));
}

TEST_F(MatchEngineTest, AnagramsCountLettersAndAllowSlack) {
    const Words threes{"tea", "eat", "ate", "eta", "tee", "sea", "ace", "cat", "act", "tat"};
    EXPECT_EQ(matching(";tae", threes), (Words{"tea", "eat", "ate", "eta"}));
    // Repeated letters each need their own occurrence.
    EXPECT_EQ(matching(";tet", threes), Words{});
    EXPECT_EQ(matching(";tat", threes), (Words{"tat"}));
    EXPECT_EQ(matching(";ee.", threes), (Words{"tee"}));
    // Three wildcards and five letters: three different letters of the five.
    EXPECT_EQ(matching("...;aecst", threes),
              (Words{"tea", "eat", "ate", "eta", "sea", "ace", "cat", "act"}));
    // The letters the template fixed count in the anagram.
    EXPECT_EQ(matching("t..;ea", threes), (Words{"tea"}));
    // A star lets the word be longer.
    EXPECT_EQ(matching(";ta*", Words{"at", "tab", "bat", "abc", "t"}), (Words{"at", "tab", "bat"}));
    // A letter no word holds: nothing, unless the slack lets it go missing.
    EXPECT_EQ(matching(";ta!", threes), Words{});
    EXPECT_EQ(matching("..;ta!", Words{"at", "ta", "aa"}), (Words{"at", "ta"}));
}

TEST_F(MatchEngineTest, AnagramChoiceListsTakeLettersOfTheirOwn) {
    const Words words{"tea", "sea", "eat", "tee", "see", "ate"};
    EXPECT_EQ(matching(";[st]ea", words), (Words{"tea", "sea", "eat", "ate"}));
    EXPECT_EQ(matching(";[^t]ea", words), (Words{"sea"}));
    EXPECT_EQ(matching(";[e][e].", words), (Words{"tee", "see"}));
    // Negative slack: a list may go missing too.
    EXPECT_EQ(matching("..;[st]e[x]", Words{"se", "et", "xe", "ee", "st"}),
              (Words{"se", "et", "xe"}));
}

TEST_F(MatchEngineTest, NothingMatchesWithoutAProgramOrAtAnotherLength) {
    EXPECT_FALSE(engine.compile("[a", letters));
    engine.setLength(1);
    const auto word = test::letterString("a", letters);
    EXPECT_FALSE(engine.matches(word.data()));
    ASSERT_TRUE(engine.compile("..", letters));
    engine.setLength(2);
    EXPECT_FALSE(engine.matches(word.data()));  // the word is shorter than the length set
}

}  // namespace
}  // namespace tessaran
