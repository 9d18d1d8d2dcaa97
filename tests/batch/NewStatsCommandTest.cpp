#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/GridsmithCommand.h"

namespace tessaran {
namespace {

struct BatchFixture : ::testing::Test {
    std::filesystem::path folder;
    std::ostringstream out;
    std::ostringstream err;

    BatchFixture() {
        folder = std::filesystem::path(TESSARAN_BINARY_DIR) / "tmp" /
                 ("newstats-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    ~BatchFixture() override { std::filesystem::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::string slurp(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return runGridsmith(args, out, err);
    }
};

using StatsMode = BatchFixture;
using NewMode = BatchFixture;

// data/grids/blocked15.tgr counted by hand: 17 across lights (lengths 3 x3, 5 x4, 7 x4,
// 9 x4, 11 x2) and 11 down (3, 5 x2, 9 x2, 15 x6); 236 letters over 28 lights; 69 cells
// lie in two lights, 98 in one; 2 x 69 of 236 letters are checked.
TEST_F(StatsMode, StandardBlockedGridMatchesAHandCount) {
    const std::string grid = std::string(TESSARAN_SOURCE_DIR) + "/data/grids/blocked15.tgr";
    ASSERT_EQ(run({"--stats", grid}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "Columns: 15\n"
              "Rows: 15\n"
              "Across lights: 17\n"
              "Down lights: 11\n"
              "Total lights: 28\n"
              "Average light length: 8.43\n"
              "Unchecked cells: 98\n"
              "Checked cells: 69\n"
              "Checking: 58%\n"
              "Consecutively Unched Lights:\n"
              "Overunched Lights:\n"
              "Underunched Lights:\n"
              "Light distribution:\n"
              "\n\n#### (4@3)\n\n###### (6@5)\n\n#### (4@7)\n\n###### (6@9)\n\n## (2@11)\n"
              "\n\n\n###### (6@15)\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(StatsMode, ListsTheLightsThatBreakTheGridsUnchModel) {
    // Two uncrossed lights under a model that allows no unches.
    std::ofstream(path("lone.tgr"), std::ios::binary)
        << "[Tessaran 60]\r\n[Grid 5 3]\r\nUnchModel=0 0 0 0 0 0 0 0 0 0 0\r\n"
           "[Light 0 0 5 0]\r\n[Light 0 2 3 2]\r\nNumber=7\r\n";
    ASSERT_EQ(run({"--stats", path("lone.tgr")}), 0);
    EXPECT_NE(out.str().find("Checking: 0%\n"), std::string::npos);
    EXPECT_NE(out.str().find("Consecutively Unched Lights: 1a (5);7a (3);\n"), std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("Overunched Lights:\n"), std::string::npos);
}

TEST_F(StatsMode, UnreadableFilesAreReportedAndDamagedOnesStillCounted) {
    EXPECT_EQ(run({"--stats", path("missing.tgr")}), 1);
    EXPECT_EQ(err.str(), "File couldn't be opened\n");
    EXPECT_EQ(out.str(), "");

    std::ofstream(path("odd.tgr"), std::ios::binary)
        << "[Tessaran 60]\n[Grid 4 2]\nColour=blue\n[Light 0 1 4 1]\n";
    EXPECT_EQ(run({"--stats", path("odd.tgr")}), 0);
    EXPECT_EQ(err.str(), "Unrecognised properties have been ignored\n");
    EXPECT_NE(out.str().find("Total lights: 1\n"), std::string::npos);

    EXPECT_EQ(run({"--stats"}), 2);
    EXPECT_EQ(run({"--stats", "a.tgr", "b.tgr"}), 2);
}

TEST_F(NewMode, WritesAGridWithAllLightsAndItsSymmetry) {
    ASSERT_EQ(run({"--new", "15x11", "--symmetry", "5", "--all-lights", "-o", path("n.tgr")}), 0)
        << err.str();
    EXPECT_EQ(out.str(), "Wrote " + path("n.tgr") + ": 15x11, 26 lights\n");
    const std::string text = slurp(path("n.tgr"));
    EXPECT_EQ(text.rfind("[Tessaran 60]\r\n[Grid 15 11]\r\nSymmetryType=5\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("[Light 0 0 15 0]\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Light 14 0 14 11]\r\n"), std::string::npos);

    ASSERT_EQ(run({"--stats", path("n.tgr")}), 0);
    EXPECT_NE(out.str().find("Checked cells: 165\nChecking: 100%\n"), std::string::npos);
}

TEST_F(NewMode, WithoutAllLightsEveryCellIsABlockAndTheSymmetryFollowsTheDefault) {
    ASSERT_EQ(run({"--new", "3X4", "-o", path("b.tgr")}), 0) << err.str();
    EXPECT_EQ(slurp(path("b.tgr")), "[Tessaran 60]\r\n[Grid 3 4]\r\n");
}

TEST_F(NewMode, RefusesBadSizesSymmetriesAndMissingOutput) {
    for (const std::string size : {"0x5", "51x3", "15", "3x", "x3", "3x3x", "ax3", "3x-1"}) {
        EXPECT_EQ(run({"--new", size, "-o", path("x.tgr")}), 2) << size;
        EXPECT_NE(err.str().find("is not COLUMNSxROWS"), std::string::npos) << err.str();
    }
    EXPECT_EQ(run({"--new", "5x5", "--symmetry", "10", "-o", path("x.tgr")}), 2);
    EXPECT_NE(err.str().find("symmetry 10 is not 0 to 9"), std::string::npos);
    EXPECT_EQ(run({"--new", "5x5"}), 2);
    EXPECT_NE(err.str().find("-o"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path("x.tgr")));

    EXPECT_EQ(run({"--new", "5x5", "-o", path("no/such/folder/x.tgr")}), 1);
    EXPECT_NE(err.str().find("Grid file couldn't be saved"), std::string::npos);
}

}  // namespace
}  // namespace tessaran
