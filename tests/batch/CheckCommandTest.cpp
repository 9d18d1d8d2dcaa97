#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/GridsmithCommand.h"

namespace tessaran {
namespace {

struct CheckFixture : ::testing::Test {
    std::filesystem::path folder;
    std::ostringstream out;
    std::ostringstream err;

    CheckFixture() {
        folder = std::filesystem::path(TESSARAN_BINARY_DIR) / "tmp" /
                 ("check-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    ~CheckFixture() override { std::filesystem::remove_all(folder); }

    std::string file(const std::string& name, const std::string& text) {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::string slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), "--check");
        return runGridsmith(args, out, err);
    }
};

const std::string kGrid =
    "[Tessaran 60]\r\n[Grid 3 2]\r\nNumbersOff=1\r\nCellWidth=600\r\n"
    "ForegroundColor=1,2,3\r\nNumberFont=0,0,0,-132,0,0,0,400,0,0,0,0,1,2,1,34,Small Fonts\r\n"
    "[Light 0 0 3 0]\r\nText=CAT\r\nTextFont=0,0,0,-187,0,0,0,700,0,0,0,0,1,2,1,34,System\r\n"
    "[Light 0 0 0 2]\r\n[Cell 2 1]\r\nBackgroundColor=9,9,9\r\n";

TEST_F(CheckFixture, CleanGridIsReportedAndWrittenBackUnchanged) {
    const std::string in = file("in.tgr", kGrid);
    const std::string copy = (folder / "out.tgr").string();
    EXPECT_EQ(run({in, "-o", copy}), 0);
    EXPECT_EQ(out.str(), "OK 3x2, 2 lights\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(slurp(copy), kGrid);
}

TEST_F(CheckFixture, DamagedGridGivesTheEditorsMessageAndIsStillWritten) {
    const std::string in = file("bad.tgr",
                                "[Tessaran 60]\n[Grid 3 2]\nWidth=5\nCellWidth=99999\n"
                                "[Light 0 0 0 0]\nText=X\n[Cell 1 1]\nText=Q\n");
    const std::string copy = (folder / "out.tgr").string();
    EXPECT_EQ(run({in, "-o", copy}), 16 | 32);
    EXPECT_EQ(err.str(), "Undecipherable parts of the grid have been ignored\n");
    EXPECT_EQ(slurp(copy),
              "[Tessaran 60]\r\n[Grid 3 2]\r\nCellWidth=29999\r\n[Cell 1 1]\r\nText=Q\r\n");
}

TEST_F(CheckFixture, UnreadableFilesLeaveNoOutput) {
    const std::string copy = (folder / "out.tgr").string();
    EXPECT_EQ(run({(folder / "missing.tgr").string(), "-o", copy}), 1);
    EXPECT_EQ(err.str(), "File couldn't be opened\n");
    err.str("");
    EXPECT_EQ(run({file("old.tgr", "[Tessaran 59]\r\n[Grid 3 3]\r\n"), "-o", copy}), 4);
    EXPECT_EQ(err.str(), "Tessaran grid file version not recognised\n");
    EXPECT_FALSE(std::filesystem::exists(copy));
    err.str("");
    EXPECT_EQ(run({file("big.tgr", "[Tessaran 60]\r\n[Grid 80 3]\r\n")}), 8);
    EXPECT_EQ(err.str(), "Grid header unreadable\n");
}

TEST_F(CheckFixture, UsageErrorsAndFailedWrites) {
    EXPECT_EQ(run({}), 2);
    EXPECT_NE(err.str().find("Usage: gridsmith --check FILE [-o OUT]"), std::string::npos);
    const std::string in = file("in.tgr", kGrid);
    EXPECT_EQ(run({in, "-o", (folder / "no" / "such.tgr").string()}), 64);
    EXPECT_NE(err.str().find("Grid file couldn't be saved"), std::string::npos);
}

}  // namespace
}  // namespace tessaran
