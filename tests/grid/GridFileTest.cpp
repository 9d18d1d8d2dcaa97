#include "grid/GridFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "GridTestSupport.h"

namespace tessaran {
namespace {

using testing::GridFixture;

// Keeps the grid-level CellWidth line, as a window's view settings would.
struct AppearanceView : GridView {
    std::vector<std::string> lines;
    int cleared = 0;
    int stateChanges = 0;
    void gridCleared() override {
        ++cleared;
        lines.clear();
    }
    void stateChanged() override { ++stateChanges; }
    bool readGridExtra(std::string_view line) override {
        if (line.substr(0, 10) != "CellWidth=")
            return false;
        lines.emplace_back(line);
        return true;
    }
    void writeGridExtras(std::ostream& out) override {
        for (const auto& line : lines)
            out << line << "\r\n";
    }
};

struct FileFixture : GridFixture {
    AppearanceView view;
    explicit FileFixture(int columns = 5, int rows = 5) : GridFixture(columns, rows) {
        grid.setObserver(&view);
    }

    int read(const std::string& text) {
        std::istringstream in(text);
        return GridFile::read(grid, in);
    }
    std::string write() {
        std::ostringstream out;
        EXPECT_EQ(GridFile::write(grid, out), 0);
        return out.str();
    }
};

// Lines joined with CR LF, as the writer ends them.
std::string crlf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

const std::string kFullGrid = crlf({
    "[Tessaran 60]",
    "[Grid 5 3]",
    "BlockHole=1",
    "SymmetryType=0",
    "DirectionUnnormalised=1",
    "Description=Test grid",
    "Kill=ZEBRA",
    "Kill=APPLE",
    "UnchModel=2 0 1 0 2",
    "NormalCommonality=-10",
    "Dictionary=words.lxd",
    "CellWidth=600",
    "[Light 0 0 5 0]",
    "Number=1",
    "Text=HELLO",
    "BackgroundColor=255,0,0",
    "[Light 0 0 0 3]",
    "Text=HAT",
    "[Light 4 2 1 2]",
    "Text=ABC",
    "[Cell 2 0]",
    "Number2=7",
    "[Cell 4 1]",
    "BlockHole=1",
    "[Cell 0 2]",
    "Text=Q",
    "Number=",
    "TextFont=0,0,0,-187,0,0,0,700,0,0,0,0,1,2,1,34,System",
});

TEST(GridFile, WritesEverySettingLightAndCellInItsPlace) {
    FileFixture f(5, 3);
    Grid& g = f.grid;
    g.setting(GridSetting::BlockType).setOverride(1);
    g.setting(GridSetting::Symmetry).setOverride(0);
    g.setting(GridSetting::DirectionMode).setOverride(1);
    g.setting(GridSetting::NormalCommonality).setOverride(-10);
    g.setting(GridSetting::UnchCommonality).setDefault(12);  // a default is not saved
    g.setDescription("Test grid");
    f.killList.add("ZEBRA");
    f.killList.add("APPLE");
    g.setUnchModelAsRead(UnchModel{2, {0, 0}, {1, 2}});
    g.setDictionary("words.lxd");
    g.setDefaultDictionary("default.lxd");
    f.view.lines.push_back("CellWidth=600");
    Light* a = f.across(0, 0, 5);
    a->setNumber("1");
    a->setText("HELLO");
    a->setBackgroundColour(rgb(255, 0, 0));
    f.down(0, 0, 3)->setText("HAT");
    g.createLights({{4, 2, 2, 2, -1, 0}})->setText("ABC");
    f.at(0, 2).setNumber(CellCorner::NorthEast, "7");
    f.at(1, 4).setBlockType(1);
    f.at(2, 0).setText("Q");
    f.at(2, 0).setNumber(CellCorner::Main, "");
    f.at(2, 0).setTextFont(FontSpec::defaultTextFont());
    f.at(1, 1).setFilledLetter(3);  // provisional letters are not saved
    EXPECT_EQ(f.write(), kFullGrid);
}

TEST(GridFile, ReadsBackEveryPropertyToTheSameBytes) {
    FileFixture f;
    EXPECT_EQ(f.read(kFullGrid), 0);
    EXPECT_EQ(f.grid.columns(), 5);
    EXPECT_EQ(f.grid.rows(), 3);
    EXPECT_EQ(f.grid.settingValue(GridSetting::NormalCommonality), -10);
    EXPECT_EQ(f.grid.unchModel(), (UnchModel{2, {0, 0}, {1, 2}}));
    EXPECT_EQ(f.at(0, 2).number(CellCorner::NorthEast), "7");
    EXPECT_FALSE(f.at(0, 2).number(CellCorner::Main));
    EXPECT_EQ(f.at(2, 0).number(CellCorner::Main), "");
    EXPECT_EQ(f.grid.lights()[0]->backgroundColour(), rgb(255, 0, 0));
    EXPECT_EQ(f.write(), kFullGrid);
}

TEST(GridFile, LineFeedsAloneEndLinesToo) {
    FileFixture f;
    std::string text = kFullGrid;
    std::string unix;
    for (char c : text)
        if (c != '\r')
            unix += c;
    EXPECT_EQ(f.read(unix), 0);
    EXPECT_EQ(f.write(), kFullGrid);
}

TEST(GridFile, LightEndsAreWrittenOneStepBeyond) {
    FileFixture f(5, 5);
    f.across(0, 2, 5);
    EXPECT_NE(f.write().find("[Light 0 2 5 2]\r\n"), std::string::npos);

    EXPECT_EQ(f.read(crlf(
                  {"[Tessaran 60]", "[Grid 5 1]", "DirectionUnnormalised=1", "[Light 4 0 -1 0]"})),
              0);
    const auto lights = f.grid.lights();
    ASSERT_EQ(lights.size(), 1u);
    EXPECT_EQ(lights[0]->spec(), (LightSpec{4, 0, 0, 0, -1, 0}));
}

TEST(GridFile, FailuresBeforeTheGridHeaderLeaveTheGridAlone) {
    struct Case {
        const char* name;
        std::string text;
        int code;
    };
    const Case cases[] = {
        {"empty", "", kGridFileNotGrid},
        {"other file", "hello\r\n", kGridFileNotGrid},
        {"keyword prefix", "[TessaranX 60]\r\n[Grid 3 3]\r\n", kGridFileNotGrid},
        {"version", crlf({"[Tessaran 59]", "[Grid 3 3]"}), kGridFileWrongVersion},
        {"no grid line", crlf({"[Tessaran 60]"}), kGridFileBadGridHeader},
        {"one number", crlf({"[Tessaran 60]", "[Grid 3]"}), kGridFileBadGridHeader},
        {"not grid", crlf({"[Tessaran 60]", "[Cell 3 3]"}), kGridFileBadGridHeader},
        {"zero size", crlf({"[Tessaran 60]", "[Grid 0 3]"}), kGridFileBadGridHeader},
        {"too wide", crlf({"[Tessaran 60]", "[Grid 51 3]"}), kGridFileBadGridHeader},
        {"negative", crlf({"[Tessaran 60]", "[Grid 3 -2]"}), kGridFileBadGridHeader},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileFixture f(4, 2);
        f.across(0, 0, 4)->setText("KEEP");
        f.killList.add("KEPT");
        EXPECT_EQ(f.read(c.text), c.code);
        EXPECT_EQ(f.grid.columns(), 4);
        ASSERT_EQ(f.grid.lights().size(), 1u);
        EXPECT_EQ(f.grid.lights()[0]->text(), "KEEP");
        EXPECT_TRUE(f.killList.contains("KEPT"));
        EXPECT_EQ(f.view.cleared, 0);
    }
    EXPECT_STREQ(GridFile::readMessage(kGridFileWrongVersion),
                 "Tessaran grid file version not recognised");
    EXPECT_STREQ(GridFile::readMessage(kGridFileUndecipherable | kGridFileUnrecognised),
                 "Undecipherable parts of the grid have been ignored");
}

TEST(GridFile, BadLightAndCellHeadersAreSkippedWithTheirProperties) {
    FileFixture f;
    const int result = f.read(crlf({
        "[Tessaran 60]",
        "[Grid 5 5]",
        "[Light 0 0 0 0]",  // zero length
        "Text=LOST",        // belongs to no light
        "[Light 0 0 3 3]",  // diagonal
        "[Light 0 0 6 0]",  // beyond the edge
        "[Light 1 1]",      // too few numbers
        "[Light 2147483647 0 -2147483648 0]",
        "[Cell 5 0]",
        "Text=X",
        "[Light 0 4 2 4]",
        "Text=OK",
        "[Cell 2 3]",
        "Number=9",
    }));
    EXPECT_EQ(result, kGridFileUndecipherable | kGridFileUnrecognised);
    const auto lights = f.grid.lights();
    ASSERT_EQ(lights.size(), 1u);
    EXPECT_EQ(lights[0]->text(), "OK");
    EXPECT_EQ(f.at(3, 2).number(CellCorner::Main), "9");

    EXPECT_EQ(f.read(crlf({"[Tessaran 60]", "[Grid 5 5]", "[Light 0 0 0 0]"})),
              kGridFileUndecipherable);
}

TEST(GridFile, UnrecognisedLinesAreSkipped) {
    FileFixture f;
    const int result = f.read(crlf({
        "[Tessaran 60]",
        "[Grid 5 5]",
        "UnchModel=3 0 1",
        "",  // a blank line is an unrecognised property
        "Colour=red",
        "UnchModel=9",  // only the first model counts
        "[Cell 1 1]",
        "Number2=7",
        "Number5=8",
    }));
    EXPECT_EQ(result, kGridFileUnrecognised);
    EXPECT_EQ(f.grid.unchModel(), (UnchModel{3, {0}, {1}}));
    EXPECT_EQ(f.at(1, 1).number(CellCorner::NorthEast), "7");
    EXPECT_FALSE(f.at(1, 1).number(CellCorner::Main));
}

TEST(GridFile, ReadingClampsSettingsAndFillsShortUnchEntries) {
    FileFixture f;
    EXPECT_EQ(f.read(crlf({"[Tessaran 60]", "[Grid 5 5]", "SymmetryType=12",
                           "NormalCommonality=-50x", "UnchModel=4 1 2 3"})),
              0);
    EXPECT_EQ(f.grid.settingValue(GridSetting::Symmetry), 9);
    EXPECT_EQ(f.grid.settingValue(GridSetting::NormalCommonality), -40);
    // Four numbers: two entries, the second missing its max, which stays at its length.
    EXPECT_EQ(f.grid.unchModel(), (UnchModel{4, {1, 3}, {2, 2}}));
    EXPECT_NE(f.write().find("UnchModel=4 1 2 3 2\r\n"), std::string::npos);

    // A long model is written whole.
    UnchModel big{5, std::vector<int>(50, 10), std::vector<int>(50, 20)};
    f.grid.clearUnchModel();
    f.grid.setUnchModelAsRead(big);
    const std::string text = f.write();
    FileFixture g;
    EXPECT_EQ(g.read(text), 0);
    EXPECT_EQ(g.grid.unchModel(), big);
}

TEST(GridFile, EmptyTextsSurviveWhereTheyMeanSomething) {
    FileFixture f;
    const std::string text = crlf({
        "[Tessaran 60]", "[Grid 5 5]", "Description=", "[Light 0 0 5 0]",
        "Number=",  // suppresses the light's number
        "[Light 0 1 5 1]", "[Cell 1 0]",
        "Text=",  // the cell takes no letters of its lights
    });
    std::string withEmptyLightText = text;
    withEmptyLightText.insert(text.find("[Cell"), "Text=\r\n");
    EXPECT_EQ(f.read(withEmptyLightText), 0);
    EXPECT_EQ(f.grid.description(), "");
    EXPECT_EQ(f.at(0, 1).text(), "");
    EXPECT_FALSE(f.grid.lights()[1]->text());  // an empty light text is no text
    EXPECT_EQ(f.write(), text);
}

// Serves a first line that never ends, counting what was taken from it.
struct EndlessBuffer : std::streambuf {
    char block[4096] = {};
    size_t served = 0;
    int_type underflow() override {
        if (served > (1u << 24))
            return traits_type::eof();  // give up long before memory runs out
        served += sizeof block;
        setg(block, block, block + sizeof block);
        return traits_type::to_int_type(block[0]);
    }
};

TEST(GridFile, FirstLineIsReadAsAtMost254Characters) {
    // A first line that goes on forever is not a grid file, and reading it stops early.
    FileFixture f;
    EndlessBuffer endless;
    std::istream in(&endless);
    EXPECT_EQ(GridFile::read(f.grid, in), kGridFileNotGrid);
    EXPECT_LE(endless.served, 4096u);

    // The rest of a long first line is read as the next line, which is not the Grid header.
    EXPECT_EQ(f.read("[Tessaran 60]" + std::string(300, ' ') + "\r\n[Grid 3 3]\r\n"),
              kGridFileBadGridHeader);
    EXPECT_EQ(f.read("[Tessaran 60]" + std::string(241, ' ') + "\r\n[Grid 3 3]\r\n"), 0);
    EXPECT_EQ(f.grid.columns(), 3);
}

TEST(GridFile, BlockHoleOnlyForCellsOutsideLights) {
    FileFixture f;
    EXPECT_EQ(f.read(crlf({"[Tessaran 60]", "[Grid 5 5]", "[Light 0 0 5 0]", "[Cell 1 0]",
                           "BlockHole=1", "[Cell 1 1]", "BlockHole=-3"})),
              0);
    EXPECT_EQ(f.at(0, 1).blockType(), -1);
    EXPECT_EQ(f.at(1, 1).blockType(), -1);
    EXPECT_EQ(f.write().find("[Cell"), std::string::npos);
}

// A stream buffer that fails on purpose: reading throws after the text runs out (the
// stream turns that into an error, not an end of file); writing fails after a few bytes.
struct FailingBuffer : std::streambuf {
    std::string text;
    size_t position = 0;
    size_t writable = 0;
    int_type underflow() override {
        if (position >= text.size())
            throw std::runtime_error("device error");
        setg(text.data() + position, text.data() + position, text.data() + text.size());
        position = text.size();
        return traits_type::to_int_type(*gptr());
    }
    int_type overflow(int_type c) override {
        if (writable == 0)
            return traits_type::eof();
        --writable;
        return c;
    }
};

TEST(GridFile, StreamErrorsAreReported) {
    FileFixture f;
    FailingBuffer input;
    input.text = crlf({"[Tessaran 60]", "[Grid 3 3]", "[Light 0 0 3 0]"});
    std::istream in(&input);
    EXPECT_EQ(GridFile::read(f.grid, in), kGridFileUndecipherable);
    EXPECT_EQ(f.grid.lights().size(), 1u);

    FailingBuffer output;
    output.writable = 20;
    std::ostream out(&output);
    EXPECT_EQ(GridFile::write(f.grid, out), kGridFileUndecipherable);
}

struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        path = std::filesystem::path(TESSARAN_BINARY_DIR) / "tmp" /
               ("gridfile-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(GridFileOnDisk, SaveAndOpenSetFileNameAndUndoState) {
    TempFolder folder;
    const std::string path = (folder.path / "one.tgr").string();
    FileFixture f(3, 3);
    f.across(0, 0, 3)->setText("CAT");
    f.grid.checkpoint();
    EXPECT_EQ(f.grid.writeGrid(path), 0);
    EXPECT_EQ(f.grid.undoState(), 0);
    EXPECT_EQ(f.grid.fileName(), path);
    EXPECT_EQ(slurp(path), f.write());
    EXPECT_TRUE(std::filesystem::directory_iterator(folder.path)->path().filename() ==
                "one.tgr");  // no temporary left behind

    FileFixture g;
    g.grid.checkpoint();
    EXPECT_EQ(g.grid.readGrid(path), 0);
    EXPECT_EQ(g.grid.undoState(), 0);
    EXPECT_EQ(g.grid.fileName(), path);
    EXPECT_EQ(g.shown(0, 1), "A");  // refreshed

    EXPECT_EQ(g.grid.readGrid((folder.path / "missing.tgr").string()), kGridFileCannotOpen);
    EXPECT_EQ(g.grid.readGrid(folder.path.string()), kGridFileCannotOpen);
    EXPECT_EQ(g.grid.fileName(), path);
}

TEST(GridFileOnDisk, FailedSaveKeepsTheOldFileAndTheGridState) {
    TempFolder folder;
    FileFixture f(3, 3);
    f.grid.checkpoint();
    EXPECT_EQ(f.grid.writeGrid((folder.path / "no" / "such.tgr").string()), kGridFileCannotOpen);
    EXPECT_EQ(f.grid.undoState(), 2);
    EXPECT_FALSE(f.grid.fileName());

    // The target is a folder that cannot be replaced by a file: the write completes but
    // the final rename fails, and the folder and its contents survive.
    const auto target = folder.path / "taken.tgr";
    std::filesystem::create_directories(target);
    std::ofstream(target / "precious") << "data";
    EXPECT_EQ(f.grid.writeGrid(target.string()), kGridFileUndecipherable);
    EXPECT_EQ(slurp(target / "precious"), "data");
    EXPECT_EQ(f.grid.undoState(), 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(GridFileOnDisk, SaveKeepsTheFileNameExactly) {
    TempFolder folder;
    const std::string path = (folder.path / "two\nlines.tgr").string();
    FileFixture f(3, 3);
    EXPECT_EQ(f.grid.writeGrid(path), 0);
    EXPECT_EQ(f.grid.fileName(), path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(f.grid.readGrid(path), 0);
    EXPECT_EQ(f.grid.fileName(), path);
}

TEST(GridFileOnDisk, SaveThroughALinkReplacesTheFileItNames) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path / "real");
    const auto target = folder.path / "real" / "grid.tgr";
    const auto link = folder.path / "link.tgr";
    std::ofstream(target) << "old";
    std::filesystem::create_symlink(target, link);
    FileFixture f(3, 3);
    EXPECT_EQ(f.grid.writeGrid(link.string()), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(slurp(target), f.write());
    EXPECT_EQ(f.grid.fileName(), link.string());
}

TEST(GridFileOnDisk, ReadOnlyFileIsNotOverwritten) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write any file";
    TempFolder folder;
    const auto path = folder.path / "locked.tgr";
    std::ofstream(path) << "old";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    FileFixture f(3, 3);
    f.grid.checkpoint();
    EXPECT_EQ(f.grid.writeGrid(path.string()), kGridFileCannotOpen);
    EXPECT_EQ(slurp(path), "old");
    EXPECT_EQ(f.grid.undoState(), 2);
}

TEST(Undo, FiveStatesWithProvisionalFilledLetters) {
    FileFixture f(3, 2);
    f.grid.newGrid(3, 2, false);
    Light* light = f.across(0, 0, 3);
    f.view.lines.push_back("CellWidth=600");
    f.killList.add("ZEBRA");
    light->setBackgroundColour(rgb(1, 2, 3));
    f.grid.refresh();
    EXPECT_EQ(f.grid.undoState(), 0);
    EXPECT_FALSE(f.grid.canUndo());

    f.grid.checkpoint();  // 0 -> 2
    EXPECT_EQ(f.grid.undoState(), 2);
    f.grid.lights()[0]->setText("CAT");
    f.at(1, 2).setFilledLetter(7);
    f.grid.undo();  // 2 -> 1: back to the grid as it was
    EXPECT_EQ(f.grid.undoState(), 1);
    EXPECT_FALSE(f.grid.lights()[0]->text());
    EXPECT_EQ(f.at(1, 2).filledLetter(), kNoLetter);
    EXPECT_EQ(f.shown(0, 0), "");
    f.grid.redo();  // 1 -> 2: the edit again, with its filled letter
    EXPECT_EQ(f.grid.undoState(), 2);
    EXPECT_EQ(f.grid.lights()[0]->text(), "CAT");
    EXPECT_EQ(f.at(1, 2).filledLetter(), 7);
    EXPECT_EQ(f.shown(0, 0), "C");

    f.grid.checkpoint();  // 2 -> 4
    EXPECT_EQ(f.grid.undoState(), 4);
    f.grid.lights()[0]->setText("DOG");
    f.grid.undo();  // 4 -> 3
    EXPECT_EQ(f.grid.undoState(), 3);
    EXPECT_EQ(f.grid.lights()[0]->text(), "CAT");
    EXPECT_FALSE(f.grid.canUndo());
    f.grid.undo();  // ignored in state 3
    EXPECT_EQ(f.grid.lights()[0]->text(), "CAT");
    f.grid.redo();  // 3 -> 4
    EXPECT_EQ(f.grid.undoState(), 4);
    EXPECT_EQ(f.grid.lights()[0]->text(), "DOG");
    EXPECT_EQ(f.at(1, 2).filledLetter(), 7);

    // What the file does not say about the view, kill list and colours came through.
    EXPECT_EQ(f.view.lines, std::vector<std::string>{"CellWidth=600"});
    EXPECT_TRUE(f.killList.contains("ZEBRA"));
    EXPECT_EQ(f.grid.lights()[0]->backgroundColour(), rgb(1, 2, 3));

    f.grid.undo();
    f.grid.checkpoint();  // 3 -> 4: the undone edit is gone
    EXPECT_EQ(f.grid.undoState(), 4);
    EXPECT_TRUE(f.grid.isChanged());
}

TEST(Undo, GridWithoutCellsComesBackToo) {
    Grid grid;  // as made, before any size is given
    KillListWindows killList;
    grid.setKillList(&killList);
    grid.checkpoint();
    grid.setting(GridSetting::Symmetry).setOverride(3);
    grid.setDescription("edited");
    grid.undo();
    EXPECT_EQ(grid.undoState(), 1);
    EXPECT_FALSE(grid.setting(GridSetting::Symmetry).isOverridden());
    EXPECT_FALSE(grid.description());
    EXPECT_EQ(grid.rows(), 0);
    grid.redo();
    EXPECT_EQ(grid.settingValue(GridSetting::Symmetry), 3);
    EXPECT_EQ(grid.description(), "edited");

    // A file may not describe such a grid.
    std::istringstream in("[Tessaran 60]\r\n[Grid 0 0]\r\n");
    EXPECT_EQ(GridFile::read(grid, in), kGridFileBadGridHeader);
}

TEST(Undo, StateChangesAreReportedOnlyWhenTheStateMoves) {
    FileFixture f(3, 1);
    f.view.stateChanges = 0;
    f.grid.checkpoint();
    EXPECT_EQ(f.view.stateChanges, 1);
    f.grid.checkpoint();  // 2 -> 4
    f.grid.checkpoint();  // 4 -> 4
    EXPECT_EQ(f.view.stateChanges, 2);
}

}  // namespace
}  // namespace tessaran
