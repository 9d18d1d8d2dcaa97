#pragma once
// The editor's commands as data: every menu item with its number, menu, item text (with
// its "\t" accelerator text), accelerator, status-bar hint and tool-bar position. The
// menus, accelerators, tool bar, hints and help contexts are all built from this table,
// so a command cannot be in one and missing from another. Also the rules that enable
// commands and the text of the title bar, as pure functions of the grid.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaran {

class Grid;
class Light;

// Command numbers (also the numbers of their hints and help contexts).
namespace command {
inline constexpr int New = 1640;
inline constexpr int Open = 1650;
inline constexpr int Save = 1670;
inline constexpr int SaveAs = 1680;
inline constexpr int Print = 1660;
inline constexpr int PrinterSetup = 3780;
inline constexpr int Export = 1630;
inline constexpr int Exit = 24310;
inline constexpr int Undo = 4230;
inline constexpr int Cut = 4050;
inline constexpr int Copy = 4040;
inline constexpr int Paste = 4030;
inline constexpr int Lookup = 4060;
inline constexpr int ViewProperties = 950;
inline constexpr int Graticule = 60;
inline constexpr int GridProperties = 1750;
inline constexpr int Dimensions = 880;
inline constexpr int KillList = 1740;
inline constexpr int UnchModel = 840;
inline constexpr int Statistics = 1760;
inline constexpr int Restart = 101;
inline constexpr int Reflect = 3750;
inline constexpr int Rotate = 3740;
inline constexpr int Resize = 660;
inline constexpr int LightProperties = 1810;
inline constexpr int OneShotFill = 1790;
inline constexpr int LightUndoFill = 1792;
inline constexpr int LightCommitFill = 1793;
inline constexpr int DeleteLight = 1800;
inline constexpr int KillWord = 870;
inline constexpr int ReverseLight = 1820;
inline constexpr int ClearLight = 1791;
inline constexpr int ClearAllLights = 1780;
inline constexpr int CellProperties = 1610;
inline constexpr int Block = 40;
inline constexpr int ClearAllCells = 1600;
inline constexpr int FillingProperties = 1710;
inline constexpr int WordSearch = 4240;
inline constexpr int NormalFill = 1700;
inline constexpr int UnchFill = 1720;
inline constexpr int UndoFill = 1730;
inline constexpr int CommitFill = 1690;
inline constexpr int HelpContents = 3770;
inline constexpr int HowToUseHelp = 3760;
inline constexpr int About = 1770;
}  // namespace command

// The menu bar's menus, in their order on the bar.
enum class EditorMenu { File = 0, Edit, View, Grid, Light, Cell, Filling, Help };
inline constexpr int kEditorMenuCount = 8;

// When a command may be chosen; the menus ask before they open.
enum class CommandEnabling {
    Always,
    FillableLight,     // some light has fillState 2 or 3 (Normal Fill)
    ProvisionalLight,  // some light has fillState 2 (Unch Fill, Undo Fill, Commit Fill)
    UndoState,         // the undo state is not 0
    LightNotComplete,  // the selected light has fillState other than 1 (its Undo Fill)
    LightProvisional,  // the selected light has fillState 2 (its Commit Fill)
};

struct EditorCommand {
    int number;
    EditorMenu menu;
    // The menu text with "&" before the mnemonic and "\t" before the accelerator text.
    const char* itemText;
    // The accelerator in portable key-sequence form ("Ctrl+N"), or empty.
    const char* accelerator;
    // The status-bar hint.
    const char* hint;
    // 1-based position on the vertical tool bar (separators count), or 0.
    int toolBarPosition;
    // A separator line goes above this item in its menu.
    bool separatorBefore;
    CommandEnabling enabling;
};

// Every command, menu by menu, in menu order.
std::span<const EditorCommand> editorCommands();
// The command with this number, or nullptr.
const EditorCommand* findEditorCommand(int number);

// The menu's title on the menu bar ("&File").
const char* editorMenuTitle(EditorMenu menu);
// The help context of a top-level menu while it is highlighted.
int editorMenuHelpContext(EditorMenu menu);
inline constexpr int kSystemMenuHelpContext = 3660;
inline constexpr int kNoMenuHelpContext = 640;

// The tool bar top to bottom: a command number, or 0 for a separator.
std::span<const int> toolBarLayout();

// The item text without "&" mnemonics and without the accelerator text, for tool tips
// and tests ("&New...\tCtrl+N" -> "New...").
std::string plainItemText(std::string_view itemText);

// Whether the grid lets the command be chosen now. Most commands that need a selection
// are enabled without one and then do nothing; the Light menu's fill commands follow the
// selected light's fill state, so they need `selected`.
bool isCommandEnabled(const EditorCommand& command, const Grid& grid,
                      const Light* selected = nullptr);
bool isCommandEnabled(int number, const Grid& grid, const Light* selected = nullptr);

// The grid's name as the title shows it: the file name without its folder and without
// its extension, or "[Not saved]" when there is none.
std::string gridDisplayName(const std::optional<std::string>& fileName);
// "Tessaran - " + display name, + " [Save Required]" while the grid differs from its
// file (undo state 2, 3 or 4).
std::string editorTitle(const std::optional<std::string>& fileName, int undoState);
std::string editorTitle(const Grid& grid);

// The program's version, for the About box.
const char* editorVersion();

}  // namespace tessaran
