#include <gtest/gtest.h>

#include <sstream>

#include "batch/BatchModes.h"
#include "batch/GridsmithCommand.h"
#include "dictionary/TestDictionaries.h"

namespace tessaran::testing {
namespace {

// A 3x3 ring of four lights and a dictionary that fills it.
struct FillCommandFixture : ::testing::Test {
    ScratchFolder scratch;
    std::string grid = scratch.file("ring.tgr");
    std::string dictionary = scratch.file("ring.lxd");
    std::string output = scratch.file("out.tgr");
    std::ostringstream out;
    std::ostringstream err;

    void SetUp() override {
        writeFile(grid,
                  "[Tessaran 60]\r\n[Grid 3 3]\r\n[Light 0 0 3 0]\r\n[Light 0 2 3 2]\r\n"
                  "[Light 0 0 0 3]\r\n[Light 2 0 2 3]\r\n");
        ASSERT_TRUE(
            buildDictionary(joinLines({"CAT", "COD", "TOE", "DYE", "DOG", "CUT"}), dictionary));
    }
    int run(std::vector<std::string> args) { return runGridsmith(args, out, err); }
};

TEST_F(FillCommandFixture, FillPrintsTheResultAndSavesOnlyACommittedFill) {
    EXPECT_EQ(run({"--fill", grid, "-o", output, "--dictionary", dictionary, "--seed", "5"}), 0);
    EXPECT_EQ(out.str(), "Fill succeeded after 0 seconds\n");
    EXPECT_EQ(readFile(output).find("Text="), std::string::npos);  // uncommitted: not saved

    out.str("");
    EXPECT_EQ(run({"--fill", grid, "-o", output, "--dictionary", dictionary, "--commit"}), 0);
    const std::string saved = readFile(output);
    size_t texts = 0;
    for (size_t at = saved.find("Text="); at != std::string::npos; at = saved.find("Text=", at + 1))
        ++texts;
    EXPECT_EQ(texts, 4u) << saved;
}

TEST_F(FillCommandFixture, KilledWordsAndStartLightAreHonoured) {
    EXPECT_EQ(run({"--fill", grid, "-o", output, "--dictionary", dictionary, "--commit", "--kill",
                   "cat", "--start-light", "1d"}),
              0);
    const std::string saved = readFile(output);
    EXPECT_EQ(saved.find("Text=CAT"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Text="), std::string::npos) << saved;
}

TEST_F(FillCommandFixture, FailureAndBadInputAreReported) {
    writeFile(scratch.file("long.tgr"), "[Tessaran 60]\r\n[Grid 4 1]\r\n[Light 0 0 4 0]\r\n");
    EXPECT_EQ(run({"--fill", scratch.file("long.tgr"), "--dictionary", dictionary}), 1);
    EXPECT_EQ(out.str(), "Fill failed at 1a (4) after 0 seconds\n");

    EXPECT_EQ(run({"--fill", scratch.file("missing.tgr"), "--dictionary", dictionary}), 2);
    EXPECT_NE(err.str().find("File couldn't be opened"), std::string::npos);
    err.str("");
    EXPECT_EQ(run({"--fill", grid, "--dictionary", scratch.file("none.lxd")}), 2);
    EXPECT_NE(err.str().find("No Dictionary Available"), std::string::npos);
    err.str("");
    EXPECT_EQ(run({"--fill", grid, "--dictionary", dictionary, "--seed", "x"}), 2);
    EXPECT_NE(err.str().find("--seed"), std::string::npos);
    err.str("");
    EXPECT_EQ(run({"--fill", grid, "--dictionary", dictionary, "--start-light", "9a"}), 2);
    EXPECT_NE(err.str().find("no light 9a"), std::string::npos);
    err.str("");
    EXPECT_EQ(run({"--fill", grid, "--dictionary", dictionary, "--time-limit", "0"}), 2);
    EXPECT_NE(err.str().find("--time-limit"), std::string::npos);
    EXPECT_EQ(run({"--fill"}), 2);
}

TEST_F(FillCommandFixture, AGenerousTimeLimitChangesNothing) {
    EXPECT_EQ(run({"--fill", grid, "--dictionary", dictionary, "--time-limit", "60"}), 0);
    EXPECT_EQ(out.str(), "Fill succeeded after 0 seconds\n");
}

TEST_F(FillCommandFixture, UnchFillFollowsTheNormalFill) {
    EXPECT_EQ(run({"--unch-fill", grid, "--dictionary", dictionary}), 0);
    EXPECT_EQ(out.str(), "Fill succeeded after 0 seconds\nFill succeeded after 0 seconds\n");
}

TEST_F(FillCommandFixture, ConstraintMethodFillsWithTheSameOptionsAndTexts) {
    EXPECT_EQ(run({"--fill", grid, "-o", output, "--dictionary", dictionary, "--commit", "--kill",
                   "cat", "--method", "constraint"}),
              0);
    EXPECT_EQ(out.str(), "Fill succeeded after 0 seconds\n");
    const std::string saved = readFile(output);
    EXPECT_EQ(saved.find("Text=CAT"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Text=DYE"), std::string::npos) << saved;  // the one fill without CAT

    out.str("");
    EXPECT_EQ(run({"--unch-fill", grid, "--dictionary", dictionary, "--method", "Constraint"}), 0);
    EXPECT_EQ(out.str(), "Fill succeeded after 0 seconds\nFill succeeded after 0 seconds\n");

    writeFile(scratch.file("long.tgr"), "[Tessaran 60]\r\n[Grid 4 1]\r\n[Light 0 0 4 0]\r\n");
    out.str("");
    EXPECT_EQ(run({"--fill", scratch.file("long.tgr"), "--dictionary", dictionary, "--method",
                   "constraint"}),
              1);
    EXPECT_EQ(out.str(), "Fill failed at 1a (4) after 0 seconds\n");

    EXPECT_EQ(run({"--fill", grid, "--dictionary", dictionary, "--method", "quick"}), 2);
    EXPECT_NE(err.str().find("--method"), std::string::npos);
}

}  // namespace
}  // namespace tessaran::testing
