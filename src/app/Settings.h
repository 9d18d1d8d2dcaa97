#pragma once
// The program's defaults in tessaran.ini: read once at start-up into the grid, its view
// settings and the grid window's own values, and written back one group of keys at a
// time when the user saves a group as defaults (or the window closes).
//
//   [Dimensions]   CellWidth ... GridAlignment       the eighteen display dimensions
//   [Appearance]   ForegroundColor, BackgroundColor  colours "R,G,B"
//                  NumberFont, TextFont              fonts in their 17-field form, twips
//                  BlockHole                         grid setting
//   [Filling]      Dictionary                        relative names: shipped data (DataFiles.h)
//                  NormalCommonality, UnchCommonality, StartManual, FirstWordRandom
//                  FillMethod                        0 standard, 1 constraint
//   [Numbering]    NumbersOff, NumbersTopLeft
//   [Editing]      CheckingType, SymmetryType, DirectionUnnormalised
//   [AspectRatio]  AddLights, Rows, Columns          the shape of a new grid
//   [View]         WindowCoordinates                 "maximised,left,top,width,height"
//                  ZoomFactor, ArrowMode, FillSyncFrequency, UnderunchedColor,
//                  OverunchedColor, MainBranchFillingColor, SideBranchFillingColor
//   [Guidelines]   UnchModel                         "maxConsecutive min1 max1 min2 max2 ..."
//   [Lookup]       DDEService1..4, DDETopic1..4, MessageWindow1..4, MessageCommand1..4,
//                  LookupCommand1..4                 the dictionary lookup entries
//
// A damaged or hand-edited file never stops the program: a missing key or an empty value
// gives the default, numbers out of range are clamped by the setting that receives them,
// and values a setting cannot hold at all (a zoom of 0, an unknown arrow mode or fill
// method) give the default.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/DataFiles.h"
#include "fill/FillMethod.h"
#include "grid/FileReplace.h"

namespace tessaran {

class Grid;
class IniFile;
class ViewSettings;

// One way of handing a word to an external dictionary program. An entry with an empty
// service or topic makes no DDE-style attempt; one with an empty window title or a
// command of 0 makes no window-message attempt; an empty lookupCommand runs nothing.
struct LookupEntry {
    std::string ddeService;
    std::string ddeTopic;
    std::string messageWindow;
    int messageCommand = 0;
    std::string lookupCommand;  // a command line to run with the word
    bool operator==(const LookupEntry&) const = default;
};
inline constexpr int kLookupEntryCount = 4;
using LookupTable = std::array<LookupEntry, kLookupEntryCount>;
// The [Lookup] section's four entries, entry by entry.
LookupTable readLookupTable(const IniFile& ini);

// The main window's placement in screen pixels.
struct WindowPlacement {
    bool maximised = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlacement&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// What start-up produced, for the grid window to act on.
struct SettingsLoadResult {
    // The first argument was read as a grid file (possibly with parts skipped; see
    // gridReadResult). When false a new grid of the default shape was made.
    bool gridOpened = false;
    // Grid::readGrid's code for the first argument; -1 when there was no argument.
    int gridReadResult = -1;
    // Where to put the main window: the saved placement, or the fallback when none was
    // saved or it would not be on the screen.
    WindowPlacement placement;
};

// Where tessaran.ini lives: beside the program when that folder may be written, else
// $XDG_CONFIG_HOME/tessaran/tessaran.ini (~/.config when the variable is unset or not an
// absolute path), as an installed program's folder usually may not be.
std::string defaultIniPath();
// defaultIniPath for a program in programDir.
std::string defaultIniPath(const std::string& programDir);

// "maximised,left,top,width,height" and back. Reading stops at the first field that is
// not a number (that and the fields after it read as 0).
std::string formatWindowPlacement(const WindowPlacement& placement);
WindowPlacement parseWindowPlacement(std::string_view text);
// placement, unless it is unusable on screen: no width or height, its left edge at or
// beyond the screen's right edge, its top at or below the screen's bottom, or the whole
// window left of or above the screen. Then: at the top left, two thirds of the screen's
// width and three quarters of its height, keeping the maximised flag.
WindowPlacement placementOnScreen(const WindowPlacement& placement, ScreenSize screen);

class Settings {
public:
    static constexpr const char* kFileName = "tessaran.ini";

    // grid and view are the grid window's and must outlive the settings. iniPath is the
    // settings file; programDir the folder that relative dictionary names resolve against.
    Settings(Grid& grid, ViewSettings& view, std::string iniPath = defaultIniPath(),
             std::string programDir = programDirectory().string());

    const std::string& iniPath() const { return m_iniPath; }
    const std::string& programDir() const { return m_programDir; }

    // Reads every key, in the file's documented order, into the grid, the view settings
    // and this object's values. arguments are the program's arguments after its name: the
    // first, when there is one, is opened as a grid file; when there is none or it cannot
    // be read, a new grid of newGridColumns by newGridRows is made (all lights when
    // newGridAllLights). The grid's observer should be attached first so that the file's
    // appearance lines reach the view settings.
    SettingsLoadResult load(const std::vector<std::string>& arguments, ScreenSize screen);
    // load with the settings already read (no file is opened for them).
    SettingsLoadResult load(const IniFile& ini, const std::vector<std::string>& arguments,
                            ScreenSize screen);

    // The values the grid window keeps for itself. They are loaded by load and written by
    // the group that holds them; change them before calling that group's save.
    int fillSyncFrequency = 0;                     // [View]
    int newGridColumns = 12;                       // [AspectRatio]
    int newGridRows = 12;                          // [AspectRatio]
    bool newGridAllLights = false;                 // [AspectRatio] AddLights
    FillMethod fillMethod = FillMethod::Standard;  // [Filling]
    LookupTable lookupTable;                       // [Lookup], read only
    WindowPlacement placement;  // [View] WindowCoordinates as last loaded or saved

    // The dictionary a name from the settings stands for: an absolute name ("/...")
    // unchanged, anything else a shipped file (findDataFile): in the program's folder, or
    // else in the installed data folder when it is there. A Windows drive path such as
    // "C:\words.lxd" is just a relative name here.
    std::string resolveDictionary(const std::string& name) const;
    // The name the settings store for a dictionary path: the inverse of resolveDictionary
    // (a path inside a data folder by its relative name, when that name leads back to
    // it), "words.lxd" for none.
    std::string dictionaryName(const std::optional<std::string>& path) const;

    // Save As Defaults, one group each. The grid-level groups first make the grid's (and
    // the view's) overrides of their settings the defaults, then write the effective
    // values; every group writes exactly its own keys and leaves the rest of the file as
    // it was. The file is re-read each time, so that keys written by hand meanwhile
    // survive. Lengths and fonts are written in twips.
    FileReplaceResult saveDimensions();   // [Dimensions], all eighteen
    FileReplaceResult saveAppearance();   // colours, fonts, BlockHole
    FileReplaceResult saveNumbering();    // NumbersOff, NumbersTopLeft
    FileReplaceResult saveEditing();      // CheckingType, SymmetryType, DirectionUnnormalised
    FileReplaceResult saveAspectRatio();  // AddLights, Columns, Rows
    FileReplaceResult saveView();         // ZoomFactor, ArrowMode, FillSyncFrequency, colours
    FileReplaceResult saveGuidelines();   // UnchModel (the grid's own model becomes default)
    FileReplaceResult saveFilling();  // commonalities, StartManual, FirstWordRandom, Dictionary,
                                      // FillMethod
    // WindowCoordinates, when the grid window agrees to close; also remembered in
    // placement.
    FileReplaceResult saveWindow(const WindowPlacement& windowPlacement);

private:
    void loadDimensions(const IniFile& ini);
    void loadAppearance(const IniFile& ini);
    void loadFilling(const IniFile& ini);
    void loadGridSettings(const IniFile& ini);
    void loadView(const IniFile& ini);
    void loadGuidelines(const IniFile& ini);
    void loadLookup(const IniFile& ini);

    Grid& m_grid;
    ViewSettings& m_view;
    std::string m_iniPath;
    std::string m_programDir;
};

}  // namespace tessaran
