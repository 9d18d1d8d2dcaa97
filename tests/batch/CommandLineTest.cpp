#include "batch/CommandLine.h"

#include <gtest/gtest.h>

#include "batch/GridsmithCommand.h"

#include <sstream>

namespace tessaran {
namespace {

const std::vector<OptionSpec> kSpecs = {
    {"output", 'o', true}, {"seed", 0, true}, {"commit", 0, false}, {"kill", 0, true}};

TEST(CommandLine, MixesOptionsAndPositionalArgumentsAndKeepsRepeats) {
    auto parsed = parseCommandLine(
        {"in.tgr", "-o", "out.tgr", "--kill", "ONE", "--commit", "--kill=TWO"}, kSpecs);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.positional, std::vector<std::string>{"in.tgr"});
    EXPECT_EQ(parsed.value("output"), "out.tgr");
    EXPECT_TRUE(parsed.has("commit"));
    EXPECT_FALSE(parsed.has("seed"));
    EXPECT_EQ(parsed.value("seed", "7"), "7");
    EXPECT_EQ(parsed.values("kill"), (std::vector<std::string>{"ONE", "TWO"}));
}

TEST(CommandLine, ReportsUnknownOptionsAndMissingValuesWithoutPrinting) {
    EXPECT_EQ(parseCommandLine({"--bogus"}, kSpecs).error, "unknown option --bogus");
    EXPECT_EQ(parseCommandLine({"--seed"}, kSpecs).error, "option --seed needs a value");
    EXPECT_EQ(parseCommandLine({"-o"}, kSpecs).error, "option -o needs a value");
    // A second parse in the same process starts afresh.
    auto again = parseCommandLine({"--seed", "3", "x"}, kSpecs);
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(again.value("seed"), "3");
    EXPECT_EQ(again.positional, std::vector<std::string>{"x"});
}

TEST(GridsmithCommand, UnknownModeFailsWithAMessage) {
    std::ostringstream out, err;
    EXPECT_NE(runGridsmith({"--no-such-mode"}, out, err), 0);
    EXPECT_NE(err.str().find("unknown mode --no-such-mode"), std::string::npos);
    EXPECT_EQ(runGridsmith({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("Usage: gridsmith"), std::string::npos);
}

}  // namespace
}  // namespace tessaran
