// The scan over lengths, on dictionaries built by the builder: order, length range,
// progress, and stopping and continuing.

#include "wordsearch/SearchRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "dictionary/TestDictionaries.h"
#include "wordsearch/LetterMap.h"

namespace tessaran {
namespace {

using Words = std::vector<std::string>;
using testing::buildDictionary;
using testing::joinLines;
using testing::ScratchFolder;

int letterCount(const std::string& word) {
    return static_cast<int>(
        std::count_if(word.begin(), word.end(), [](unsigned char c) { return std::isalpha(c); }));
}

class SearchRunTest : public ::testing::Test {
protected:
    void open(const Words& lines) {
        BuildOptions options;
        options.sort = false;  // stored order is the list's order within each length
        ASSERT_TRUE(buildDictionary(joinLines(lines), path, options));
        ASSERT_TRUE(dictionary.open(path));
    }
    void compile(std::string_view pattern) {
        ASSERT_TRUE(engine.compile(pattern, LetterMap::fromDictionary(dictionary)))
            << engine.errorText();
    }
    static Words finish(SearchRun& run) {
        Words found;
        for (auto step = run.step(); step != SearchRun::Step::Complete; step = run.step())
            if (step == SearchRun::Step::Match)
                found.push_back(run.matchBytes());
        return found;
    }
    Words search(std::string_view pattern) {
        compile(pattern);
        SearchRun run(dictionary, engine);
        EXPECT_TRUE(run.start());
        return finish(run);
    }

    ScratchFolder scratch;
    std::string path = scratch.file("words.lxd");
    Dictionary dictionary;
    MatchEngine engine;
};

TEST_F(SearchRunTest, MatchesComeLengthByLengthInStoredOrderAsStored) {
    const Words list{"Ebb", "abbey", "bob", "cab", "don't", "Bede", "ox", "b", "a-b-c", "zebra"};
    open(list);
    // Expected from the list itself: shortest length first, list order within a length.
    Words expected;
    for (int length = 1; length <= 5; ++length)
        for (const std::string& word : list)
            if (letterCount(word) == length &&
                std::any_of(word.begin(), word.end(), [](char c) { return c == 'b' || c == 'B'; }))
                expected.push_back(word);
    EXPECT_EQ(search("*b*"), expected);
    EXPECT_EQ(search("*b*").front(), "b");
    EXPECT_EQ(search("don.t"), Words{});  // the apostrophe takes no position
    EXPECT_EQ(search("d.nt"), Words{"don't"});
    EXPECT_EQ(search(""), Words{});  // nothing to search
}

TEST_F(SearchRunTest, TheLengthRangeBoundsTheScan) {
    open({"a", "ab", "abc", "abcd", "abcde", "abcdef"});
    engine.setShortest(3);
    engine.setLongest(4);
    EXPECT_EQ(search("a*"), (Words{"abc", "abcd"}));
    engine.setShortest(5);
    SearchRun run(dictionary, engine);
    ASSERT_TRUE(run.start());
    EXPECT_TRUE(run.isComplete());  // shortest above longest: done at once
    EXPECT_EQ(run.step(), SearchRun::Step::Complete);
    engine.setShortest(1);
    engine.setLongest(32);
    EXPECT_EQ(search(std::string(7, '.')), Words{});  // longer than any word
}

TEST_F(SearchRunTest, ProgressCountsTheWordsOfEachLength) {
    Words list;
    for (int i = 0; i < 1200; ++i)
        list.push_back("w" + std::to_string(1000 + i) + "x");
    for (auto& word : list)  // digits are letters of their own in this alphabet
        ASSERT_EQ(word.size(), 6u);
    list.push_back("abc");
    open(list);
    compile("*");
    SearchRun run(dictionary, engine);
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.length(), 3);
    EXPECT_EQ(run.lastLength(), 32);
    EXPECT_EQ(run.wordCount(), 1u);
    long lastExamined = 0;
    std::set<std::string> seen;
    for (auto step = run.step(); step != SearchRun::Step::Complete; step = run.step()) {
        if (step == SearchRun::Step::Match) {
            EXPECT_TRUE(seen.insert(run.matchBytes()).second);
        }
        if (run.length() == 6) {
            EXPECT_EQ(run.wordCount(), 1200u);
            EXPECT_GE(run.wordsExamined(), lastExamined);
            EXPECT_LE(run.wordsExamined(), 1200);
            lastExamined = run.wordsExamined();
        }
    }
    EXPECT_EQ(run.matchCount(), 1201);
    EXPECT_EQ(run.totalWordsExamined(), 1201);
    EXPECT_EQ(run.wordsExamined(), 0);  // no length is being read any more
    EXPECT_EQ(run.wordCount(), 0u);

    // A run that ends before the dictionary's longest words reports no length after it.
    engine.setLongest(5);  // the next length with words is 6
    SearchRun shortRun(dictionary, engine);
    ASSERT_TRUE(shortRun.start());
    EXPECT_EQ(shortRun.step(), SearchRun::Step::Match);
    EXPECT_EQ(shortRun.step(), SearchRun::Step::Complete);
    EXPECT_EQ(shortRun.wordCount(), 0u);
}

TEST_F(SearchRunTest, AStoppedRunContinuesExactlyWhereItStopped) {
    // Three lengths of digit words; a "z" word every 700 words makes the sparse pattern
    // stop between slices, the dense one between matches, and both between lengths.
    Words list;
    for (int i = 0; i < 3000; ++i) {
        const std::string digits = std::to_string(100000 + i * 7).substr(0, 3 + i % 3);
        list.push_back(i % 700 == 0 ? "z" + digits : digits);
    }
    open(list);
    MatchEngine other;
    ASSERT_TRUE(other.compile("1*", LetterMap::fromDictionary(dictionary)));
    for (const char* pattern : {"z*", "*7"}) {
        const Words uninterrupted = search(pattern);
        ASSERT_GE(uninterrupted.size(), 5u) << pattern;

        compile(pattern);
        SearchRun run(dictionary, engine);
        ASSERT_TRUE(run.start());
        Words resumed;
        int slices = 0;
        for (auto step = run.step(); step != SearchRun::Step::Complete; step = run.step()) {
            if (step == SearchRun::Step::Match)
                resumed.push_back(run.matchBytes());
            if (step == SearchRun::Step::NothingYet)
                ++slices;
            // While stopped, another search reads the same dictionary.
            SearchRun between(dictionary, other);
            between.start();
            for (int k = 0; k < 3; ++k)
                between.step();
        }
        if (pattern[0] == 'z') {
            EXPECT_GT(slices, 0);
        }
        EXPECT_EQ(resumed, uninterrupted) << pattern;
    }
}

TEST_F(SearchRunTest, NoRunWithoutADictionaryOrAProgram) {
    ASSERT_TRUE(engine.compile("a*", LetterMap{}));
    SearchRun noDictionary(dictionary, engine);
    EXPECT_FALSE(noDictionary.start());
    EXPECT_EQ(noDictionary.step(), SearchRun::Step::Complete);

    open({"abc"});
    EXPECT_FALSE(engine.compile("[a", LetterMap::fromDictionary(dictionary)));
    SearchRun noProgram(dictionary, engine);
    EXPECT_FALSE(noProgram.start());
    EXPECT_EQ(noProgram.step(), SearchRun::Step::Complete);
}

}  // namespace
}  // namespace tessaran
