// gridsmith --search, run in-process on a dictionary built by the builder.

#include <gtest/gtest.h>

#include <sstream>

#include "batch/BatchModes.h"
#include "dictionary/TestDictionaries.h"

namespace tessaran {
namespace {

class SearchCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildOptions options;
        options.sort = false;
        ASSERT_TRUE(testing::buildDictionary(
            testing::joinLines({"Tea", "eat", "ate", "o'clock", "caf\xE9", "tee", "at", "Ebb"}),
            path, options));
    }
    int run(std::vector<std::string> args) {
        args.insert(args.end(), {"--dictionary", path});
        out.str("");
        err.str("");
        return runSearchMode(args, out, err);
    }

    testing::ScratchFolder scratch;
    std::string path = scratch.file("words.lxd");
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SearchCommandTest, PrintsMatchesAsStoredThenTheCountOnStandardError) {
    EXPECT_EQ(run({";tea"}), 0);
    EXPECT_EQ(out.str(), "Tea\neat\nate\n");
    EXPECT_EQ(err.str(), "3 matches\n");
    EXPECT_EQ(run({"o.l*", "--sorted"}), 0);
    EXPECT_EQ(out.str(), "o'clock\n");
    EXPECT_EQ(err.str(), "1 match\n");
    EXPECT_EQ(run({"*", "--sorted", "--longest", "3"}), 0);
    EXPECT_EQ(out.str(), "at\nate\neat\nEbb\nTea\ntee\n");
}

TEST_F(SearchCommandTest, SpeaksUtf8AndExpandsAtAndHash) {
    EXPECT_EQ(run({"caf\xC3\xA9"}), 0);  // UTF-8 in, UTF-8 out
    EXPECT_EQ(out.str(), "caf\xC3\xA9\n");
    EXPECT_EQ(run({"@#", "--at", "[ae]", "--hash", "[tb]"}), 0);
    EXPECT_EQ(out.str(), "at\n");
    EXPECT_EQ(run({"\\@#", "--at", "a", "--hash", "t"}), 0);  // "\@" stays the letter @
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(run({"..", "--shortest", "x"}), 2);
    EXPECT_NE(err.str().find("--shortest"), std::string::npos);
    // Text the dictionary cannot hold is refused, saying which text and why.
    EXPECT_EQ(run({"caf\xE9"}), 2);  // a Latin-1 byte, not UTF-8
    EXPECT_NE(err.str().find("not UTF-8"), std::string::npos) << err.str();
    EXPECT_EQ(run({"t.", "--hash", "\xE2\x82\xAC"}), 2);  // the euro sign
    EXPECT_NE(err.str().find("--hash"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("beyond Latin-1"), std::string::npos) << err.str();
}

TEST_F(SearchCommandTest, APatternThatDoesNotCompileFailsWithItsErrorText) {
    EXPECT_EQ(run({"[ab"}), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "Pattern Syntax Error: choice list not terminated by ]\n");
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(runSearchMode({"t*", "--dictionary", scratch.file("missing.lxd")}, out, err), 1);
    EXPECT_NE(err.str().find("No Dictionary Available"), std::string::npos);
}

}  // namespace
}  // namespace tessaran
