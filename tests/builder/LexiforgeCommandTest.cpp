#include "builder/LexiforgeCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "dictionary/TestDictionaries.h"

namespace tessaran {
namespace {

using testing::ScratchFolder;
using testing::storedWords;
using testing::writeFile;

class Lexiforge : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(words, "Dog\ncat\ndog\nemu\nox\n");
        writeFile(map, "a=A\nc=C\nd=D\ne=E\ng=G\nm=M\no=O\nt=T\nu=U\nx=X\n");
    }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runLexiforge(args, out, err);
    }

    ScratchFolder scratch;
    std::string words = scratch.file("words.txt");
    std::string map = scratch.file("fold.lxm");
    std::string output = scratch.file("words.lxd");
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(Lexiforge, BuildsWithMessagesOnStandardOutput) {
    ASSERT_EQ(run({"--input", words, "--map", map, "--description", "Caf\xc3\xa9 words"}), 0)
        << err.str();
    EXPECT_EQ(out.str(),
              "Calibrating dictionary\nAlphabet analysis completed OK - compressing\n"
              "Frequency analysis completed OK\n2 letter words handled OK\n"
              "3 letter words handled OK\n"
              "Dictionary building successful. You may now use the\ndictionary with Tessaran.\n");
    EXPECT_EQ(err.str(), "");
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(output));  // named after the word list by default
    EXPECT_STREQ(dictionary.description(), "Caf\xe9 words");
    EXPECT_EQ(storedWords(dictionary, 3).size(), 3u);  // sorted: "dog" is a duplicate
    EXPECT_EQ(dictionary.wordCount(3), 4u);
}

TEST_F(Lexiforge, HonoursLengthsSortingAndOutputName) {
    const std::string named = scratch.file("three.lxd");
    ASSERT_EQ(run({"-i", words, "-m", map, "-o", named, "--no-sort", "--min", "3", "--max=3", "-c",
                   "25"}),
              0)
        << err.str();
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(named));
    EXPECT_EQ(storedWords(dictionary, 3), (std::vector<std::string>{"Dog", "cat", "dog", "emu"}));
    EXPECT_EQ(dictionary.wordCount(2), 0u);
}

TEST_F(Lexiforge, UniqueKeepsAnUnsortedListInItsOwnOrderWithoutRepeats) {
    writeFile(words, "emu\nDog\ncat\ndog\nox\nEMU\n");
    ASSERT_EQ(run({"-i", words, "-m", map, "--no-sort", "--unique"}), 0) << err.str();
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(output));
    EXPECT_EQ(storedWords(dictionary, 3), (std::vector<std::string>{"emu", "Dog", "cat"}));
    EXPECT_EQ(dictionary.wordCount(3), 3u);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("--unique"), std::string::npos);
}

TEST_F(Lexiforge, ReportsFailuresOnStandardErrorWithAFailingStatus) {
    EXPECT_EQ(run({"--input", scratch.file("none.txt"), "--map", map}), 1);
    EXPECT_EQ(err.str(), "Couldn't open input file \"" + scratch.file("none.txt") +
                             "\"\nDictionary building failed. The resulting dictionary\n"
                             "cannot be used with Tessaran.\n");

    writeFile(map, "a=A\nbad\n");
    EXPECT_EQ(run({"--input", words, "--map", map}), 1);
    EXPECT_EQ(err.str(), "Alphabet mapping file error at line 2 (" + map + ")\n");
    EXPECT_FALSE(std::filesystem::exists(output));

    EXPECT_EQ(run({"--input", words, "--map", scratch.file("none.lxm")}), 1);
    EXPECT_EQ(err.str().rfind("Alphabet mapping file couldn't be opened.", 0), 0u);
}

TEST_F(Lexiforge, RejectsABadCommandLine) {
    EXPECT_EQ(run({"--map", map}), 2);
    EXPECT_NE(err.str().find("--input"), std::string::npos);
    EXPECT_EQ(run({"--input", words, "--min", "three"}), 2);
    EXPECT_EQ(err.str(), "lexiforge: --min needs a whole number, not \"three\"\n");
    EXPECT_EQ(run({"--input", words, "--bogus"}), 2);
    EXPECT_EQ(run({"--input", words, "stray"}), 2);
    EXPECT_EQ(run({"--input", words, "--sort", "--no-sort"}), 2);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("--commonality"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace tessaran
