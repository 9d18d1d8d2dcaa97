#include "app/Settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/IniFile.h"
#include "batch/BatchGridView.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"

namespace tessaran {
namespace {

constexpr ScreenSize kScreen{1024, 768};

// A grid with the grid window's observer, view settings, and a settings file in a fresh
// folder; the program lives in /opt/tessaran as far as the settings know.
class SettingsTest : public ::testing::Test {
protected:
    SettingsTest()
        : folder(std::filesystem::temp_directory_path() /
                 ("settings_test_" + std::to_string(::getpid()))),
          iniPath((folder / "tessaran.ini").string()),
          settings(grid, view.settings(), iniPath, "/opt/tessaran") {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        grid.setObserver(&view);
    }
    ~SettingsTest() override { std::filesystem::remove_all(folder); }

    void writeIni(const std::string& text) { std::ofstream(iniPath, std::ios::binary) << text; }
    std::string readIni() const {
        std::ifstream in(iniPath, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Every "Section/Key" with a value in the settings file.
    std::set<std::string> keysInIni() const {
        std::set<std::string> keys;
        std::string section;
        std::istringstream in(readIni());
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with('['))
                section = line.substr(1, line.find(']') - 1);
            else if (const size_t eq = line.find('='); eq != std::string::npos)
                keys.insert(section + "/" + line.substr(0, eq));
        }
        return keys;
    }
    SettingsLoadResult load(std::vector<std::string> arguments = {}) {
        return settings.load(arguments, kScreen);
    }
    ViewSettings& vs() { return view.settings(); }

    std::filesystem::path folder;
    std::string iniPath;
    Grid grid;
    BatchGridView view;
    Settings settings;
};

TEST_F(SettingsTest, WithoutAFileEverythingHasItsBuiltInDefault) {
    const SettingsLoadResult result = load();
    EXPECT_FALSE(result.gridOpened);
    EXPECT_EQ(result.gridReadResult, -1);
    EXPECT_EQ(grid.columns(), 12);
    EXPECT_EQ(grid.rows(), 12);
    EXPECT_TRUE(grid.lights().empty());
    EXPECT_EQ(vs().value(DisplayDimension::CellWidth), 500);
    EXPECT_EQ(vs().value(DisplayDimension::CellHeight), 500);
    EXPECT_EQ(vs().zoomPercent(), 100);
    EXPECT_EQ(vs().arrowMode, ArrowMode::Never);
    EXPECT_EQ(vs().foregroundColour().value(), rgb(0, 0, 0));
    EXPECT_EQ(vs().backgroundColour().value(), rgb(255, 255, 255));
    EXPECT_EQ(vs().numberFont().value(), FontSpec::defaultNumberFont());
    EXPECT_EQ(vs().textFont().value(), FontSpec::defaultTextFont());
    EXPECT_EQ(grid.defaultDictionary(), "/opt/tessaran/words.lxd");
    EXPECT_EQ(grid.settingValue(GridSetting::Symmetry), 1);
    EXPECT_EQ(grid.settingValue(GridSetting::NormalCommonality), 40);
    EXPECT_EQ(grid.defaultUnchModel(), UnchModel{});
    EXPECT_EQ(settings.fillMethod, FillMethod::Standard);
    EXPECT_EQ(settings.lookupTable, LookupTable{});
    EXPECT_EQ(result.placement, (WindowPlacement{false, 0, 0, 682, 576}));
    EXPECT_FALSE(std::filesystem::exists(iniPath));  // reading never creates the file
}

TEST_F(SettingsTest, LoadAppliesEveryKeyClampedByItsSetting) {
    writeIni(
        "[Dimensions]\r\nCellWidth=30000\r\nCellHeight=-5\r\nRuleWidth=10\r\nUnitType=7\r\n"
        "NumberOffsetX=-40\r\n"
        "[Appearance]\r\nForegroundColor=10,20,30\r\nBackgroundColor=255,,250\r\n"
        "NumberFont=1,2,3,-200,0,0,0,700,1,0,0,0,1,2,1,34,DejaVu Sans\r\n"
        "TextFont=0,0,0,-240,0,0,0,400,0,0,0,0,1,2,1,34,Liberation Serif\r\nBlockHole=1\r\n"
        "[Filling]\r\nDictionary=big.lxd\r\nNormalCommonality=99\r\nUnchCommonality=-12\r\n"
        "StartManual=1\r\nFirstWordRandom=1\r\nFillMethod=1\r\n"
        "[Numbering]\r\nNumbersOff=1\r\nNumbersTopLeft=1\r\n"
        "[Editing]\r\nCheckingType=1\r\nSymmetryType=12\r\nDirectionUnnormalised=1\r\n"
        "[AspectRatio]\r\nAddLights=1\r\nRows=7\r\nColumns=9\r\n"
        "[View]\r\nWindowCoordinates=1,100,50,800,600\r\nZoomFactor=150\r\nArrowMode=2\r\n"
        "FillSyncFrequency=2\r\nUnderunchedColor=255,0,0\r\nOverunchedColor=0,255,0\r\n"
        "MainBranchFillingColor=0,0,255\r\nSideBranchFillingColor=1,2,3\r\n"
        "[Guidelines]\r\nUnchModel=2 0 1 -1 5 0 3\r\n"
        "[Lookup]\r\nDDEService1=WordWeb\r\nDDETopic1=Look\r\nMessageWindow2=Chambers\r\n"
        "MessageCommand2=-4\r\nLookupCommand3=dict %s\r\n");
    const SettingsLoadResult result = load();

    EXPECT_EQ(vs().value(DisplayDimension::CellWidth), 29999);
    EXPECT_EQ(vs().value(DisplayDimension::CellHeight), 0);
    EXPECT_EQ(vs().value(DisplayDimension::RuleWidth), 10);
    EXPECT_EQ(vs().value(DisplayDimension::UnitType), 4);
    EXPECT_EQ(vs().value(DisplayDimension::NumberOffsetX), -40);
    EXPECT_EQ(vs().value(DisplayDimension::BarWidth), 50);
    EXPECT_FALSE(vs().dimension(DisplayDimension::CellWidth).isOverridden());

    EXPECT_EQ(vs().foregroundColour().defaultValue(), rgb(10, 20, 30));
    EXPECT_EQ(vs().backgroundColour().defaultValue(), rgb(255, 250, 0));
    EXPECT_EQ(vs().numberFont().defaultValue().faceName, "DejaVu Sans");
    EXPECT_EQ(vs().numberFont().defaultValue().colour, rgb(1, 2, 3));
    EXPECT_EQ(vs().numberFont().defaultValue().height, -200);
    EXPECT_EQ(vs().textFont().defaultValue().faceName, "Liberation Serif");

    EXPECT_EQ(grid.defaultDictionary(), "/opt/tessaran/big.lxd");
    EXPECT_EQ(grid.settingValue(GridSetting::NormalCommonality), 40);
    EXPECT_EQ(grid.settingValue(GridSetting::UnchCommonality), -12);
    EXPECT_EQ(grid.settingValue(GridSetting::StartMode), 1);
    EXPECT_EQ(grid.settingValue(GridSetting::FirstWord), 1);
    EXPECT_EQ(settings.fillMethod, FillMethod::Constraint);
    EXPECT_EQ(grid.settingValue(GridSetting::Numbering), 1);
    EXPECT_EQ(grid.settingValue(GridSetting::NumberPosition), 1);
    EXPECT_EQ(grid.settingValue(GridSetting::CheckingMode), 1);
    EXPECT_EQ(grid.settingValue(GridSetting::Symmetry), 9);
    EXPECT_EQ(grid.settingValue(GridSetting::DirectionMode), 1);
    EXPECT_EQ(grid.settingValue(GridSetting::BlockType), 1);
    EXPECT_FALSE(grid.setting(GridSetting::Symmetry).isOverridden());

    EXPECT_EQ(grid.columns(), 9);
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_TRUE(settings.newGridAllLights);
    EXPECT_EQ(grid.lights().size(), 16u);  // every row and column, symmetry 9 or not

    EXPECT_EQ(result.placement, (WindowPlacement{true, 100, 50, 800, 600}));
    EXPECT_EQ(vs().zoomPercent(), 150);
    EXPECT_EQ(vs().arrowMode, ArrowMode::Always);
    EXPECT_EQ(settings.fillSyncFrequency, 2);
    EXPECT_EQ(vs().underunchedColour, rgb(255, 0, 0));
    EXPECT_EQ(vs().overunchedColour, rgb(0, 255, 0));
    EXPECT_EQ(vs().mainBranchFillingColour, rgb(0, 0, 255));
    EXPECT_EQ(vs().sideBranchFillingColour, rgb(1, 2, 3));

    // A hand-edited model is made sensible: (-1, 5) for lights of two becomes (0, 2), and
    // the entry that allows anything goes.
    EXPECT_EQ(grid.defaultUnchModel(), (UnchModel{2, {0, 0}, {1, 2}}));
    EXPECT_EQ(grid.unchLimits(2), (UnchLimits{2, 0, 2}));

    EXPECT_EQ(settings.lookupTable[0], (LookupEntry{"WordWeb", "Look", "", 0, ""}));
    EXPECT_EQ(settings.lookupTable[1], (LookupEntry{"", "", "Chambers", -4, ""}));
    EXPECT_EQ(settings.lookupTable[2], (LookupEntry{"", "", "", 0, "dict %s"}));
    EXPECT_EQ(settings.lookupTable[3], LookupEntry{});
}

TEST_F(SettingsTest, DamagedValuesFallBackToTheDefaults) {
    writeIni(
        "[View]\nZoomFactor=0\nArrowMode=7\nFillSyncFrequency=\nUnderunchedColor=red\n"
        "WindowCoordinates=garbage\n"
        "[Filling]\nFillMethod=9\nDictionary=\nNormalCommonality=abc\n"
        "[Appearance]\nForegroundColor=\nTextFont=,,,\n"
        "[AspectRatio]\nAddLights=2\nRows=-3\nColumns=999\n"
        "[Guidelines]\nUnchModel=   \n"
        "[Dimensions]\nCellWidth=\x01\x02\nBarWidth=12abc\n");
    const SettingsLoadResult result = load();
    EXPECT_EQ(vs().zoomPercent(), 100);
    EXPECT_EQ(vs().zoomFactor, 100);
    EXPECT_EQ(vs().arrowMode, ArrowMode::Never);
    EXPECT_EQ(settings.fillSyncFrequency, 0);
    EXPECT_EQ(vs().underunchedColour, rgb(0, 0, 0));
    EXPECT_EQ(result.placement, (WindowPlacement{false, 0, 0, 682, 576}));
    EXPECT_EQ(settings.fillMethod, FillMethod::Standard);
    EXPECT_EQ(grid.defaultDictionary(), "/opt/tessaran/words.lxd");
    EXPECT_EQ(grid.settingValue(GridSetting::NormalCommonality), 0);  // "abc" reads as 0
    EXPECT_EQ(vs().foregroundColour().value(), rgb(0, 0, 0));
    FontSpec emptyFont;
    EXPECT_EQ(vs().textFont().value(), emptyFont);  // what the font reader makes of it
    EXPECT_FALSE(settings.newGridAllLights);
    EXPECT_EQ(grid.rows(), 1);
    EXPECT_EQ(grid.columns(), 50);
    EXPECT_EQ(grid.defaultUnchModel(), UnchModel{});
    EXPECT_EQ(vs().value(DisplayDimension::CellWidth), 0);
    EXPECT_EQ(vs().value(DisplayDimension::BarWidth), 12);
}

TEST_F(SettingsTest, DictionaryNamesResolveAgainstTheProgramFolder) {
    EXPECT_EQ(settings.resolveDictionary("words.lxd"), "/opt/tessaran/words.lxd");
    EXPECT_EQ(settings.resolveDictionary("dicts/en.lxd"), "/opt/tessaran/dicts/en.lxd");
    EXPECT_EQ(settings.resolveDictionary("/usr/share/tessaran/en.lxd"),
              "/usr/share/tessaran/en.lxd");
    EXPECT_EQ(settings.resolveDictionary("C:\\dict\\words.lxd"),
              "/opt/tessaran/C:\\dict\\words.lxd");

    for (const std::string name : {"words.lxd", "dicts/en.lxd", "/usr/share/en.lxd", "C:\\w.lxd"})
        EXPECT_EQ(settings.dictionaryName(settings.resolveDictionary(name)), name);
    EXPECT_EQ(settings.dictionaryName(std::nullopt), "words.lxd");
    EXPECT_EQ(settings.dictionaryName("/opt/tessaranother/w.lxd"), "/opt/tessaranother/w.lxd");

    const std::string longName = "/" + std::string(400, 'd') + "/words.lxd";
    writeIni("[Filling]\nDictionary=" + longName + "\n");
    load();
    EXPECT_EQ(grid.defaultDictionary(), longName);  // a long path is never cut short
}

TEST_F(SettingsTest, AnInstalledProgramFindsItsDictionariesInTheSharedDataFolder) {
    // folder/bin holds the program, folder/share/tessaran its data, as under /usr.
    const std::filesystem::path bin = folder / "bin";
    const std::filesystem::path share = folder / "share" / "tessaran";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    std::ofstream(share / "words-american.lxd") << "x";
    Settings installed(grid, view.settings(), iniPath, bin.string());

    writeIni("[Filling]\nDictionary=words-american.lxd\n");
    installed.load({}, kScreen);
    EXPECT_EQ(grid.defaultDictionary(), (share / "words-american.lxd").string());
    // Saved back by its plain name, which finds the same file again.
    installed.saveFilling();
    EXPECT_NE(readIni().find("Dictionary=words-american.lxd"), std::string::npos) << readIni();

    // One beside the program comes first, as in a build tree; the shared one is then
    // stored by its full path, since its plain name would find the other.
    std::ofstream(bin / "words-american.lxd") << "x";
    EXPECT_EQ(installed.resolveDictionary("words-american.lxd"),
              (bin / "words-american.lxd").string());
    EXPECT_EQ(installed.dictionaryName((share / "words-american.lxd").string()),
              (share / "words-american.lxd").string());
}

TEST(SettingsPathTest, BesideTheProgramOrInTheUsersConfigFolder) {
    const auto folder = std::filesystem::temp_directory_path();
    EXPECT_EQ(defaultIniPath(folder.string()), (folder / "tessaran.ini").string());
    EXPECT_EQ(std::filesystem::path(defaultIniPath()).parent_path(),
              std::filesystem::path(programDirectory()));  // the test's folder may be written

    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string savedValue = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/home/someone/.cfg", 1);
    EXPECT_EQ(defaultIniPath("/nonexistent/bin"), "/home/someone/.cfg/tessaran/tessaran.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // not absolute: ignored
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (!home.empty()) {
        EXPECT_EQ(defaultIniPath("/nonexistent/bin"), home + "/.config/tessaran/tessaran.ini");
    }
    if (saved)
        ::setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST(WindowPlacementTest, OffScreenPlacementsGetTheFallback) {
    const WindowPlacement fallback{false, 0, 0, 682, 576};
    struct Case {
        const char* text;
        WindowPlacement expected;
    } cases[] = {
        {"0,10,20,640,480", {false, 10, 20, 640, 480}},
        {"1,-100,-50,800,600", {true, -100, -50, 800, 600}},  // partly visible: kept
        {"0,1023,767,10,10", {false, 1023, 767, 10, 10}},
        {"0,5000,20,640,480", fallback},
        {"0,10,768,640,480", fallback},
        {"0,1024,0,640,480", fallback},
        {"0,10,20,0,480", fallback},
        {"0,10,20,640,-1", fallback},
        {"0,-2000,20,640,480", fallback},  // wholly left of the screen
        {"0,20,-900,640,480", fallback},   // wholly above it
        {"1,10,20", {true, 0, 0, 682, 576}},
        {"0,10,x,640,480", fallback},
        {"0,2147483647,0,2147483647,1", fallback},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(placementOnScreen(parseWindowPlacement(c.text), kScreen), c.expected);
    }
    EXPECT_EQ(parseWindowPlacement("1, 2,-3 ,4"), (WindowPlacement{true, 2, -3, 0, 0}));
    const WindowPlacement placement{true, -8, 12, 1300, 900};
    EXPECT_EQ(parseWindowPlacement(formatWindowPlacement(placement)), placement);
}

TEST_F(SettingsTest, TheArgumentGridOpensOrANewGridIsMade) {
    {
        Grid saved;
        BatchGridView savedView;
        saved.setObserver(&savedView);
        saved.newGrid(5, 4, true);
        savedView.settings().dimension(DisplayDimension::CellWidth).setOverride(800);
        ASSERT_EQ(saved.writeGrid((folder / "small.tgr").string()), 0);
    }
    writeIni("[AspectRatio]\nRows=6\nColumns=6\n[Dimensions]\nCellWidth=400\n");
    SettingsLoadResult result = load({(folder / "small.tgr").string(), "ignored.tgr"});
    EXPECT_TRUE(result.gridOpened);
    EXPECT_EQ(result.gridReadResult, 0);
    EXPECT_EQ(grid.columns(), 5);
    EXPECT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.fileName(), (folder / "small.tgr").string());
    EXPECT_EQ(vs().value(DisplayDimension::CellWidth), 800);  // the grid's own, over 400
    EXPECT_EQ(vs().dimension(DisplayDimension::CellWidth).defaultValue(), 400);

    for (const std::string& bad : {(folder / "missing.tgr").string(), iniPath}) {
        SCOPED_TRACE(bad);
        result = load({bad});
        EXPECT_FALSE(result.gridOpened);
        EXPECT_NE(result.gridReadResult & (kGridFileCannotOpen | kGridFileNotGrid), 0);
        EXPECT_EQ(grid.columns(), 6);
        EXPECT_EQ(grid.rows(), 6);
        EXPECT_FALSE(grid.fileName());
    }
}

TEST_F(SettingsTest, EachGroupWritesExactlyItsKeys) {
    struct Group {
        FileReplaceResult (Settings::*save)();
        std::set<std::string> keys;
    };
    const std::set<std::string> dimensionKeys = [] {
        std::set<std::string> keys;
        for (int i = 0; i < kDisplayDimensionCount; ++i)
            keys.insert(std::string("Dimensions/") +
                        displayDimensionInfo(static_cast<DisplayDimension>(i)).key);
        return keys;
    }();
    const Group groups[] = {
        {&Settings::saveDimensions, dimensionKeys},
        {&Settings::saveAppearance,
         {"Appearance/ForegroundColor", "Appearance/BackgroundColor", "Appearance/NumberFont",
          "Appearance/TextFont", "Appearance/BlockHole"}},
        {&Settings::saveNumbering, {"Numbering/NumbersOff", "Numbering/NumbersTopLeft"}},
        {&Settings::saveEditing,
         {"Editing/CheckingType", "Editing/SymmetryType", "Editing/DirectionUnnormalised"}},
        {&Settings::saveAspectRatio,
         {"AspectRatio/AddLights", "AspectRatio/Columns", "AspectRatio/Rows"}},
        {&Settings::saveView,
         {"View/ZoomFactor", "View/ArrowMode", "View/FillSyncFrequency", "View/UnderunchedColor",
          "View/OverunchedColor", "View/MainBranchFillingColor", "View/SideBranchFillingColor"}},
        {&Settings::saveGuidelines, {"Guidelines/UnchModel"}},
        {&Settings::saveFilling,
         {"Filling/NormalCommonality", "Filling/UnchCommonality", "Filling/StartManual",
          "Filling/FirstWordRandom", "Filling/Dictionary", "Filling/FillMethod"}},
    };
    load();
    const std::string handWritten = "; my settings\n[Lookup]\nDDEService1=WordWeb\n";
    for (const Group& group : groups) {
        writeIni(handWritten);
        ASSERT_EQ((settings.*group.save)(), FileReplaceResult::Done);
        std::set<std::string> expected = group.keys;
        expected.insert("Lookup/DDEService1");
        EXPECT_EQ(keysInIni(), expected);
        EXPECT_TRUE(readIni().starts_with(handWritten));
    }
    writeIni(handWritten);
    ASSERT_EQ(settings.saveWindow({true, 1, 2, 3, 4}), FileReplaceResult::Done);
    EXPECT_EQ(readIni(), handWritten + "\n[View]\nWindowCoordinates=1,1,2,3,4\n");
}

TEST_F(SettingsTest, SavedDefaultsComeBackAtTheNextStart) {
    load();
    grid.setting(GridSetting::Symmetry).setOverride(4);
    grid.setting(GridSetting::NormalCommonality).setOverride(-20);
    grid.setting(GridSetting::BlockType).setOverride(1);
    grid.setDictionary("/data/other.lxd");
    grid.setUnchModel(UnchModel{3, {0, 1, 1}, {1, 1, 2}});
    vs().dimension(DisplayDimension::CellWidth).setOverride(640);
    vs().textFont().setOverride(FontSpec::fromText("0,0,0,-300,0,0,0,400,0,0,0,0,1,2,1,34,Serif"));
    vs().zoomFactor = 75;
    vs().overunchedColour = rgb(9, 8, 7);
    settings.fillSyncFrequency = 1;
    settings.fillMethod = FillMethod::Constraint;
    settings.newGridColumns = 15;
    settings.newGridRows = 13;

    for (auto save : {&Settings::saveEditing, &Settings::saveFilling, &Settings::saveAppearance,
                      &Settings::saveGuidelines, &Settings::saveDimensions, &Settings::saveView,
                      &Settings::saveAspectRatio, &Settings::saveNumbering})
        ASSERT_EQ((settings.*save)(), FileReplaceResult::Done);
    // The overrides became defaults: nothing of them is left for the grid file.
    EXPECT_FALSE(grid.setting(GridSetting::Symmetry).isOverridden());
    EXPECT_EQ(grid.setting(GridSetting::Symmetry).defaultValue(), 4);
    EXPECT_FALSE(grid.dictionary());
    EXPECT_FALSE(grid.unchModel());
    EXPECT_FALSE(vs().dimension(DisplayDimension::CellWidth).isOverridden());
    EXPECT_FALSE(vs().textFont().isOverridden());

    Grid nextGrid;
    BatchGridView nextView;
    Settings next(nextGrid, nextView.settings(), iniPath, "/opt/tessaran");
    next.load({}, kScreen);
    EXPECT_EQ(nextGrid.settingValue(GridSetting::Symmetry), 4);
    EXPECT_EQ(nextGrid.settingValue(GridSetting::NormalCommonality), -20);
    EXPECT_EQ(nextGrid.settingValue(GridSetting::BlockType), 1);
    EXPECT_EQ(nextGrid.defaultDictionary(), "/data/other.lxd");
    EXPECT_EQ(nextGrid.defaultUnchModel(), grid.defaultUnchModel());
    EXPECT_EQ(nextGrid.defaultUnchModel().count(), 3);
    EXPECT_EQ(nextView.settings().value(DisplayDimension::CellWidth), 640);
    EXPECT_EQ(nextView.settings().textFont().value(), vs().textFont().value());
    EXPECT_EQ(nextView.settings().zoomFactor, 75);
    EXPECT_EQ(nextView.settings().overunchedColour, rgb(9, 8, 7));
    EXPECT_EQ(next.fillSyncFrequency, 1);
    EXPECT_EQ(next.fillMethod, FillMethod::Constraint);
    EXPECT_EQ(nextGrid.columns(), 15);
    EXPECT_EQ(nextGrid.rows(), 13);
}

TEST_F(SettingsTest, AFailedWriteIsReportedAndLosesNothing) {
    // A folder where the file should be cannot be replaced, whoever runs the test.
    writeIni("[View]\nZoomFactor=150\n");
    std::filesystem::create_directories(folder / "blocked.ini");
    Settings blocked(grid, vs(), (folder / "blocked.ini").string(), "/opt/tessaran");
    blocked.load({}, kScreen);
    EXPECT_NE(blocked.saveView(), FileReplaceResult::Done);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "blocked.ini"));

    // Settings whose folder does not exist yet create it when they first write.
    Settings fresh(grid, vs(), (folder / "config" / "tessaran" / "tessaran.ini").string(),
                   "/opt/tessaran");
    ASSERT_EQ(fresh.saveView(), FileReplaceResult::Done);
    EXPECT_EQ(IniFile::load((folder / "config" / "tessaran" / "tessaran.ini").string())
                  .readInt("View", "ZoomFactor", 0),
              100);
}

}  // namespace
}  // namespace tessaran
