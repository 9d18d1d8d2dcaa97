#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "batch/GridsmithCommand.h"

namespace tessaran {
namespace {

struct ExportFixture : ::testing::Test {
    std::filesystem::path folder;
    std::ostringstream out;
    std::ostringstream err;

    ExportFixture() {
        folder = std::filesystem::path(TESSARAN_BINARY_DIR) / "tmp" /
                 ("export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    ~ExportFixture() override { std::filesystem::remove_all(folder); }

    std::string file(const std::string& name, const std::string& text) {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    static std::string slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), "--export");
        return runGridsmith(args, out, err);
    }
};

// Two rows: CAT across, then a block and a two-cell light; a wider cell from the file.
const std::string kGrid =
    "[Tessaran 60]\r\n[Grid 3 2]\r\nCellWidth=600\r\n"
    "[Light 0 0 3 0]\r\nText=CAT\r\n[Light 1 1 3 1]\r\nText=OX\r\n";

TEST_F(ExportFixture, TextKindsToFilesAndStandardOutput) {
    const std::string in = file("in.tgr", kGrid);
    ASSERT_EQ(run({"answers", in, "-o", path("answers.txt")}), 0) << err.str();
    EXPECT_EQ(slurp(path("answers.txt")), "ACROSS\r\n1\tCAT (3)\r\n2\tOX (2)\r\nDOWN\r\n");
    ASSERT_EQ(run({"text", in, "-o", "-", "--no-answers"}), 0);
    EXPECT_EQ(out.str(),
              "+----+----+----+\r\n"
              "|1   |    |    |\r\n"
              "|    |    |    |\r\n"
              "+----+####+####+\r\n"
              "|####|2   |    |\r\n"
              "|####|    |    |\r\n"
              "+----+----+----+\r\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(ExportFixture, MetafileTakesTheGridsDimensions) {
    ASSERT_EQ(run({"wmf", file("in.tgr", kGrid), "-o", path("grid.wmf")}), 0) << err.str();
    const std::string wmf = slurp(path("grid.wmf"));
    ASSERT_GT(wmf.size(), 40u);
    EXPECT_EQ(wmf.substr(0, 4), "\xD7\xCD\xC6\x9A");
    auto word = [&](size_t at) {
        return static_cast<unsigned char>(wmf[at]) | (static_cast<unsigned char>(wmf[at + 1]) << 8);
    };
    EXPECT_EQ(word(10), 2 * 30 + 3 * 600 - 20);  // CellWidth=600 from the file
    EXPECT_EQ(word(12), 2 * 30 + 2 * 500 - 20);
    // Letters and numbers are in it unless left out.
    ASSERT_EQ(run({"wmf", file("in.tgr", kGrid), "-o", path("blank.wmf"), "--no-answers",
                   "--no-numbers"}),
              0);
    EXPECT_LT(slurp(path("blank.wmf")).size(), wmf.size());
}

TEST_F(ExportFixture, RefusesBadRequestsWithoutTouchingFiles) {
    const std::string in = file("in.tgr", kGrid);
    const std::string target = file("keep.txt", "precious");
    EXPECT_EQ(run({"gif", in, "-o", target}), 2);
    EXPECT_NE(err.str().find("unknown kind gif"), std::string::npos);
    EXPECT_NE(err.str().find("Usage: gridsmith --export KIND"), std::string::npos);
    EXPECT_EQ(run({"text", in}), 2);
    EXPECT_EQ(run({"bmp", in, "-o", target, "--zoom", "120"}), 2);
    EXPECT_EQ(run({"bmp", in, "-o", target, "--zoom", "9999999999999"}), 2);
    EXPECT_EQ(run({"bmp", in, "-o", target, "--zoom", ""}), 2);
    EXPECT_EQ(run({"bmp", in, "-o", target, "--zoom=-50"}), 2);
    err.str("");
    EXPECT_EQ(run({"text", path("missing.tgr"), "-o", target}), 1);
    EXPECT_EQ(err.str(), path("missing.tgr") + ": File couldn't be opened\n");
    err.str("");
    EXPECT_EQ(run({"text", file("bad.tgr", "hello\r\n"), "-o", target}), 1);
    EXPECT_EQ(err.str(), path("bad.tgr") + ": File isn't a Tessaran grid file\n");
    // Without the windowing layer there is nothing to draw a bitmap with.
    err.str("");
    EXPECT_EQ(run({"png", in, "-o", target}), 1);
    EXPECT_NE(err.str().find("Exporting failed"), std::string::npos);
    // A folder that does not exist.
    EXPECT_EQ(run({"text", in, "-o", path("no/such/file.txt")}), 1);
    EXPECT_EQ(slurp(target), "precious");
}

TEST_F(ExportFixture, DamagedGridIsExportedWithAWarning) {
    const std::string in = file("in.tgr", kGrid + "Nonsense=1\r\n");
    EXPECT_EQ(run({"answers", in, "-o", "-"}), 0);
    EXPECT_EQ(err.str(), in + ": Unrecognised properties have been ignored\n");
    EXPECT_NE(out.str().find("CAT"), std::string::npos);
}

// Reads the exchange text back as its tagged sections.
std::map<std::string, std::vector<std::string>> sections(const std::string& text) {
    std::map<std::string, std::vector<std::string>> result;
    std::string current;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        if (line.size() > 2 && line.front() == '<' && line.back() == '>') {
            current = line;
            EXPECT_EQ(result.count(current), 0u) << current << " appears twice";
            result[current];
        } else {
            EXPECT_FALSE(current.empty()) << "text before the first tag";
            result[current].push_back(line);
        }
    }
    return result;
}

TEST_F(ExportFixture, ExchangeTextOfABlockedGridParsesAsTaggedSections) {
    const std::string in =
        std::string(TESSARAN_SOURCE_DIR) + "/tests/output/data/blocked15-letters.tgr";
    ASSERT_EQ(run({"exchange", in, "-o", "-"}), 0) << err.str();
    const std::string text = out.str();
    ASSERT_EQ(text.rfind("<ACROSS PUZZLE>\r\n<TITLE>\r\n", 0), 0u);
    auto s = sections(text);
    for (const char* tag : {"<ACROSS PUZZLE>", "<TITLE>", "<AUTHOR>", "<COPYRIGHT>", "<SIZE>",
                            "<GRID>", "<ACROSS>", "<DOWN>"})
        EXPECT_EQ(s.count(tag), 1u) << tag;
    ASSERT_EQ(s["<SIZE>"], std::vector<std::string>{"15x15"});
    const auto& grid = s["<GRID>"];
    ASSERT_EQ(grid.size(), 15u);
    for (const std::string& row : grid) {
        ASSERT_EQ(row.size(), 15u);
        EXPECT_EQ(row.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ."), std::string::npos) << row;
    }
    // Every run of two or more letters along a row is one across answer, in order; the
    // same down the columns.
    auto runs = [](const std::vector<std::string>& lines) {
        std::vector<std::string> found;
        for (const std::string& line : lines) {
            std::string current;
            for (char c : line + ".") {
                if (c != '.') {
                    current += c;
                } else {
                    if (current.size() >= 2)
                        found.push_back(current);
                    current.clear();
                }
            }
        }
        return found;
    };
    std::vector<std::string> columns(15);
    for (const std::string& row : grid)
        for (size_t c = 0; c < 15; ++c)
            columns[c] += row[c];
    EXPECT_EQ(s["<ACROSS>"], runs(grid));
    // Down answers come in the order of their first cells row by row, so compare as sets.
    auto down = runs(columns);
    auto listed = s["<DOWN>"];
    std::sort(down.begin(), down.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, down);
    EXPECT_FALSE(listed.empty());
}

}  // namespace
}  // namespace tessaran
