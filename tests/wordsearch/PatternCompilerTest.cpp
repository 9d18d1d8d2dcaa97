#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WordSearchTestSupport.h"
#include "wordsearch/MatchEngine.h"
#include "wordsearch/PatternCompiler.h"

namespace tessaran {
namespace {

constexpr int a = 0, b = 1, c = 2, e = 4, i = 8, l = 11, o = 14, u = 20, y = 24, z = 25;

class PatternCompilerTest : public ::testing::Test {
protected:
    std::vector<int> bytes(std::string_view pattern) {
        EXPECT_TRUE(engine.compile(pattern, letters)) << pattern << ": " << engine.errorText();
        return {engine.program().begin(), engine.program().end()};
    }
    std::string_view error(std::string_view pattern) {
        EXPECT_FALSE(engine.compile(pattern, letters)) << pattern;
        return engine.errorText();
    }
    std::pair<int, int> lengths(std::string_view pattern) {
        EXPECT_TRUE(engine.compile(pattern, letters)) << pattern << ": " << engine.errorText();
        return {engine.fixedLength(), engine.maximumLength()};
    }

    LetterMap letters = test::plainAlphabet();
    MatchEngine engine;
};

TEST_F(PatternCompilerTest, TemplatesCompileToRuns) {
    EXPECT_EQ(bytes(".l.ea.y"),
              (std::vector<int>{253, 7, 240, 7, 1, l, 3, e, 4, a, 6, y, 252, 252}));
    EXPECT_EQ(engine.errorText(), "No Error");
    // Choice lists turn the run into 241 entries; upper case folds onto the letters.
    EXPECT_EQ(bytes("[^aeiou]L.[AEIOU]"),
              (std::vector<int>{253, 4, 241, 4, 192, 5, a, e, i, o,   u,
                                1,   l, 67,  5, a,   e, i, o, u, 252, 252}));
    // An empty pattern is an empty body.
    EXPECT_EQ(bytes(""), (std::vector<int>{253, 0, 252}));
}

TEST_F(PatternCompilerTest, StarsCarryTheRestOfTheirTemplate) {
    EXPECT_EQ(bytes("a*z"),
              (std::vector<int>{253, 2, 240, 1, 0, a, 243, 1, 240, 1, 0, z, 252, 252, 252}));
    // Only the star met last becomes 243; the first one's rest holds b and c.
    EXPECT_EQ(bytes("a*b*c"), (std::vector<int>{253, 3, 240, 1, 0, a, 242, 2,   240, 1,  0, b,
                                                243, 1, 240, 1, 0, c, 252, 252, 252, 252}));
}

TEST_F(PatternCompilerTest, SubpatternsOfTheThreeKinds) {
    EXPECT_EQ(bytes("(ab)c"), (std::vector<int>{253, 3, 249, 2, 240, 2, 0, a, 1, b, 252, 252, 240,
                                                1, 0, c, 252, 252}));
    // With a star inside: 251, and the rest of the outer template becomes its own level.
    EXPECT_EQ(bytes("(a*)b"), (std::vector<int>{253, 2,   251, 1,   240, 1, 0, a,   243, 0,
                                                252, 252, 252, 240, 1,   0, b, 252, 252, 252}));
    // Variable through its anagram part's star: 250.
    EXPECT_EQ(bytes("(;ab*)c"), (std::vector<int>{253, 3, 250, 2, 244, 2, 245, 2, a, b, 252, 240, 1,
                                                  0, c, 252, 252, 252}));
}

TEST_F(PatternCompilerTest, AnagramPartsListSubpatternsThenChoicesThenLetters) {
    EXPECT_EQ(bytes(";cab"), (std::vector<int>{253, 3, 244, 3, 245, 3, a, b, c, 252}));
    EXPECT_EQ(bytes(";baba."), (std::vector<int>{253, 5, 244, 5, 246, 2, a, 2, b, 252}));
    EXPECT_EQ(bytes(";e[^ab](zy)[c]"),
              (std::vector<int>{253, 5,   244, 5, 249, 2,   240, 2, 0,   z, 1, y,  252,
                                252, 248, 2,   a, b,   247, 1,   c, 245, 1, e, 252}));
    EXPECT_EQ(bytes("*;abc"),
              (std::vector<int>{253, 0, 243, 0, 252, 252, 244, 3, 245, 3, a, b, c, 252}));
}

TEST_F(PatternCompilerTest, EscapesAndOrdinaryCharacters) {
    // An escaped star is one wildcard position; "?" and a digit are wildcards too.
    EXPECT_EQ(bytes("a\\*?1"), (std::vector<int>{253, 4, 240, 4, 0, a, 252, 252}));
    // An escaped full stop is a letter only where the alphabet has one.
    letters = test::plainAlphabet(".");
    EXPECT_EQ(bytes("\\.."), (std::vector<int>{253, 2, 240, 2, 0, 26, 252, 252}));
    // An escape pair just before the end of the anagram part, and a final lone "\".
    letters = test::plainAlphabet();
    EXPECT_EQ(bytes(";a\\b"), (std::vector<int>{253, 2, 244, 2, 245, 2, a, b, 252}));
    EXPECT_EQ(bytes("a\\"), (std::vector<int>{253, 2, 240, 2, 0, a, 252, 252}));
    // "^" away from the start of a choice list and "@" without an expansion: wildcards.
    EXPECT_EQ(bytes("^@"), (std::vector<int>{253, 2, 240, 2, 252, 252}));
}

TEST_F(PatternCompilerTest, LengthsAreFixedAndFixedPlusExtra) {
    EXPECT_EQ(lengths(".l.ea.y"), std::make_pair(7, 7));
    EXPECT_EQ(lengths(""), std::make_pair(0, 0));
    EXPECT_EQ(lengths("a*z"), std::make_pair(2, 32));
    EXPECT_EQ(lengths(";abc"), std::make_pair(3, 3));
    EXPECT_EQ(lengths(";ab*"), std::make_pair(2, 32));
    EXPECT_EQ(lengths("...;abcde"), std::make_pair(3, 3));
    EXPECT_EQ(lengths("*;abc"), std::make_pair(0, 3));  // the anagram bounds the star
    EXPECT_EQ(lengths("*;abc*"), std::make_pair(0, 32));
    EXPECT_EQ(lengths("ab(cd)(e*)"), std::make_pair(5, 32));
    EXPECT_EQ(lengths("(;ab)c"), std::make_pair(3, 3));
    // Longer than any word: it compiles, and no length is ever searched.
    EXPECT_EQ(lengths(std::string(40, '.')), std::make_pair(40, 32));
    EXPECT_GT(engine.effectiveShortest(), engine.effectiveLongest());
}

TEST_F(PatternCompilerTest, EveryErrorText) {
    EXPECT_EQ(error("ab(cd"), "Pattern Syntax Error: subpattern not terminated by )");
    EXPECT_EQ(error("(;ab"), "Pattern Syntax Error: subpattern not terminated by )");
    EXPECT_EQ(error("ab)"), "Pattern Syntax Error: subpattern terminator without matching (");
    EXPECT_EQ(error("[ab"), "Pattern Syntax Error: choice list not terminated by ]");
    EXPECT_EQ(error(";[ab"), "Pattern Syntax Error: choice list not terminated by ]");
    EXPECT_EQ(error("[a1]"), "Pattern Syntax Error: invalid characters in  choice list");
    EXPECT_EQ(error("[a.]"), "Pattern Syntax Error: invalid characters in  choice list");
    EXPECT_EQ(error("([ab)c"), "Pattern Syntax Error: invalid characters in  choice list");
    EXPECT_EQ(error("[a;b]"), "Pattern Syntax Error: invalid characters in  choice list");
    EXPECT_EQ(error("ab]"), "Pattern Syntax Error: choice list terminator without matching [");
    EXPECT_EQ(error(";a]"), "Pattern Syntax Error: choice list terminator without matching [");
    EXPECT_EQ(error("a;b;c"), "Pattern Syntax Error: more than one ; in pattern");
    EXPECT_EQ(error("(a;b;)"), "Pattern Syntax Error: more than one ; in pattern");
    EXPECT_EQ(error(std::string(240, 'a') + "b"),
              "Pattern Syntax Error: too many characters in template");
    // A run of choice lists is one run however its entries are laid out.
    std::string choices;
    for (int k = 0; k < 241; ++k)
        choices += "[ab]";
    EXPECT_EQ(error(choices), "Pattern Syntax Error: too many characters in template");
    EXPECT_EQ(error(std::string(150, '.') + "[^ab]" + std::string(150, 'c')),
              "Pattern Syntax Error: too many characters in template");
    EXPECT_FALSE(engine.isCompiled());
    EXPECT_EQ(engine.fixedLength(), 0);
    EXPECT_TRUE(engine.compile(choices.substr(4), letters));
    EXPECT_EQ(engine.fixedLength(), 240);
    // In the anagram part, a missing ")" is found before a bad choice list.
    EXPECT_EQ(error(";[1](a"), "Pattern Syntax Error: subpattern not terminated by )");
}

TEST_F(PatternCompilerTest, BoundsKeepEveryByteAndTheStackSafe) {
    // Thousands of parentheses or stars deep: a clear error, not a crash.
    const std::string deep = std::string(5000, '(') + std::string(5000, ')');
    EXPECT_EQ(error(deep),
              "Pattern Syntax Error: more than 64 stars and subpatterns nested in pattern");
    std::string stars;
    for (int k = 0; k < 5000; ++k)
        stars += "a*";
    EXPECT_EQ(error(stars),
              "Pattern Syntax Error: more than 64 stars and subpatterns nested in pattern");
    EXPECT_TRUE(engine.compile(std::string(64, '(') + std::string(64, ')'), letters));
    EXPECT_FALSE(engine.compile(std::string(65, '(') + std::string(65, ')'), letters));

    // Lengths that would not fit their byte.
    const std::string long_ = "(" + std::string(200, '.') + ")" + std::string(100, '.');
    EXPECT_EQ(error(long_),
              "Pattern Syntax Error: pattern too long (at most 240 letters in any part)");
    EXPECT_EQ(error(";" + std::string(241, 'a')),
              "Pattern Syntax Error: pattern too long (at most 240 letters in any part)");
    EXPECT_TRUE(engine.compile(std::string(240, '.'), letters));
    // Within every length, but too many bytes for the program: its own text.
    std::string lists = ";";
    for (int k = 0; k < 200; ++k)
        lists += "[abcdefghijklmnopqrstuvwxyz]";
    EXPECT_EQ(error(lists),
              "Pattern Syntax Error: pattern too long (more than 4096 bytes compiled)");
    EXPECT_EQ(error("*" + lists.substr(1)),
              "Pattern Syntax Error: pattern too long (more than 4096 bytes compiled)");
    EXPECT_EQ(error("[" + std::string(241, 'a') + "]"),
              "Pattern Syntax Error: pattern too long (at most 240 letters in any part)");

    // Choice lists far along a run split it rather than spill into the entry kinds.
    const auto program = bytes(std::string(50, '.') + "[^ab]" + std::string(20, '.') + "c");
    EXPECT_EQ(program[2], 240);  // 50 wildcards
    EXPECT_EQ(program[3], 50);
    EXPECT_EQ(program[4], 241);  // then the negated list at its own run's start
    EXPECT_EQ(program[6], 192);
}

}  // namespace
}  // namespace tessaran
