#include "app/EditorCommands.h"

#include <algorithm>
#include <array>

#include "grid/Grid.h"

namespace tessaran {
namespace {
namespace table {

using enum EditorMenu;
using enum CommandEnabling;

// clang-format off
constexpr EditorCommand kCommands[] = {
    {command::New, File, "&New...\tCtrl+N", "Ctrl+N", "Create a new grid", 1, false, Always},
    {command::Open, File, "&Open...\tCtrl+O", "Ctrl+O", "Read in an existing grid from a file", 2, false, Always},
    {command::Save, File, "&Save\tCtrl+S", "Ctrl+S", "Save the grid to file", 3, false, Always},
    {command::SaveAs, File, "Save &As...", "", "Save the grid as a file with a different name", 4, false, Always},
    {command::Print, File, "&Print...\tCtrl+P", "Ctrl+P", "Print the grid", 6, true, Always},
    {command::PrinterSetup, File, "P&rinter Setup...", "", "Select and set up the printer", 0, false, Always},
    {command::Export, File, "&Export...\tCtrl+E", "Ctrl+E", "Export the grid or answer list to another application", 7, true, Always},
    {command::Exit, File, "E&xit", "", "Exit Tessaran", 0, true, Always},

    {command::Undo, Edit, "&Undo\tCtrl+Z", "Ctrl+Z", "Undo the previous action", 9, false, UndoState},
    {command::Cut, Edit, "Cu&t\tCtrl+X", "Ctrl+X", "Clear properties and copy them to the clipboard", 0, true, Always},
    {command::Copy, Edit, "&Copy\tCtrl+C", "Ctrl+C", "Copy properties to the clipboard", 0, false, Always},
    {command::Paste, Edit, "&Paste\tCtrl+V", "Ctrl+V", "Paste properties into the selected light or cell", 0, false, Always},
    {command::Lookup, Edit, "&Lookup\tCtrl+Enter", "Ctrl+Return", "Look up the selected word in a dictionary", 0, true, Always},

    {command::ViewProperties, View, "&Properties...", "", "Change the way the grid is displayed", 0, false, Always},
    {command::Graticule, View, "&Graticule", "", "Switch the guide lines on or off", 0, false, Always},

    {command::GridProperties, Grid, "&Properties...", "", "Change the grid appearance and editing behaviour", 0, false, Always},
    {command::Dimensions, Grid, "&Dimensions...", "", "Change the sizes of different aspects of the grid", 0, false, Always},
    {command::KillList, Grid, "&Kill list...", "", "Change the list of words not used in automatic filling", 0, false, Always},
    {command::UnchModel, Grid, "&Unch Model...", "", "Change the rules for under- and over-checked lights", 0, false, Always},
    {command::Statistics, Grid, "&Statistics...", "", "Display information about the grid", 0, false, Always},
    {command::Restart, Grid, "Restar&t", "", "Start again with a blank grid", 0, true, Always},
    {command::Reflect, Grid, "R&eflect", "", "Reflect the grid in the main diagonal", 0, false, Always},
    {command::Rotate, Grid, "R&otate", "", "Rotate the grid 90 degrees anticlockwise", 0, false, Always},
    {command::Resize, Grid, "Resi&ze...", "", "Add or delete columns or rows", 0, false, Always},

    {command::LightProperties, Light, "&Properties...", "", "Change the way the selected light appears", 0, false, Always},
    {command::OneShotFill, Light, "&One-shot Fill\tCtrl+B", "Ctrl+B", "Cycle through the possible ways to fill the selected light", 0, true, Always},
    {command::LightUndoFill, Light, "&Undo Fill\tCtrl+L", "Ctrl+L", "Clear the unconfirmed filled word from the selected light", 0, false, LightNotComplete},
    {command::LightCommitFill, Light, "Co&mmit Fill\tCtrl+J", "Ctrl+J", "Commit the unconfirmed filled word in the selected light", 0, false, LightProvisional},
    {command::DeleteLight, Light, "&Delete\tCtrl+Del", "Ctrl+Del", "Delete the light and those symmetrical to it", 0, true, Always},
    {command::KillWord, Light, "&Kill Word\tCtrl+K", "Ctrl+K", "Stop the word in the selected light being used in automatic filling", 0, false, Always},
    {command::ReverseLight, Light, "&Reverse", "", "Reverse the direction in which words are placed in the selected light", 0, false, Always},
    {command::ClearLight, Light, "&Clear\tCtrl+Backspace", "Ctrl+Backspace", "Clear the text associated with the selected light", 0, true, Always},
    {command::ClearAllLights, Light, "Clear &All", "", "Clear the text associated with all the lights in the grid", 0, false, Always},

    {command::CellProperties, Cell, "&Properties...", "", "Change the way the selected cell appears", 0, false, Always},
    {command::Block, Cell, "&Block\tReturn", "Return", "Create or delete a block at the selected cell", 0, true, Always},
    {command::ClearAllCells, Cell, "Clear &All", "", "Clear the text associated with all the cells in the grid", 0, false, Always},

    {command::FillingProperties, Filling, "&Properties...", "", "Change the way automatic filling is done", 0, false, Always},
    {command::WordSearch, Filling, "&Word Search...\tCtrl+W", "Ctrl+W", "Search for words in the dictionary matching a template", 11, false, Always},
    {command::NormalFill, Filling, "&Normal Fill\tCtrl+F", "Ctrl+F", "Fill the complete grid", 13, true, FillableLight},
    {command::UnchFill, Filling, "U&nch Fill", "", "Adjust an uncommitted fill by changing unchecked letters", 0, false, ProvisionalLight},
    {command::UndoFill, Filling, "&Undo Fill\tCtrl+U", "Ctrl+U", "Clear the unconfirmed filled words", 14, false, ProvisionalLight},
    {command::CommitFill, Filling, "Co&mmit Fill\tCtrl+Y", "Ctrl+Y", "Commit the unconfirmed filled words", 15, false, ProvisionalLight},

    {command::HelpContents, Help, "&Contents", "", "Display the Tessaran help topics", 0, false, Always},
    {command::HowToUseHelp, Help, "&How to Use Help", "", "Discover how to use Windows help", 0, false, Always},
    {command::About, Help, "&About Tessaran...", "", "Display Tessaran version information", 0, true, Always},
};
// clang-format on

}  // namespace table
using table::kCommands;

constexpr const char* kMenuTitles[kEditorMenuCount] = {"&File",  "&Edit", "&View",    "&Grid",
                                                       "&Light", "&Cell", "F&illing", "&Help"};
constexpr int kMenuHelpContexts[kEditorMenuCount] = {3670, 4210, 3680, 3690,
                                                     3700, 3710, 3720, 3730};

}  // namespace

std::span<const EditorCommand> editorCommands() {
    return kCommands;
}

const EditorCommand* findEditorCommand(int number) {
    for (const EditorCommand& c : kCommands)
        if (c.number == number)
            return &c;
    return nullptr;
}

const char* editorMenuTitle(EditorMenu menu) {
    return kMenuTitles[static_cast<int>(menu)];
}

int editorMenuHelpContext(EditorMenu menu) {
    return kMenuHelpContexts[static_cast<int>(menu)];
}

std::span<const int> toolBarLayout() {
    static const auto layout = [] {
        // Built from the table's positions so that the two cannot disagree.
        std::array<int, 15> slots{};
        for (const EditorCommand& c : kCommands)
            if (c.toolBarPosition > 0)
                slots[c.toolBarPosition - 1] = c.number;
        return slots;
    }();
    return layout;
}

std::string plainItemText(std::string_view itemText) {
    std::string plain;
    for (size_t i = 0; i < itemText.size(); ++i) {
        const char ch = itemText[i];
        if (ch == '\t')
            break;
        if (ch == '&') {
            // "&&" stands for one "&".
            if (i + 1 < itemText.size() && itemText[i + 1] == '&')
                plain += itemText[++i];
            continue;
        }
        plain += ch;
    }
    return plain;
}

bool isCommandEnabled(const EditorCommand& command, const Grid& grid, const Light* selected) {
    switch (command.enabling) {
        case CommandEnabling::Always:
            return true;
        case CommandEnabling::LightNotComplete:
            return selected && selected->fillState() != 1;
        case CommandEnabling::LightProvisional:
            return selected && selected->fillState() == 2;
        case CommandEnabling::UndoState:
            return grid.undoState() != 0;
        case CommandEnabling::FillableLight:
        case CommandEnabling::ProvisionalLight: {
            const LightStatistics stats = grid.lightStatistics();
            if (command.enabling == CommandEnabling::ProvisionalLight)
                return stats.filled > 0;
            return stats.filled > 0 || stats.open > 0;
        }
    }
    return true;
}

bool isCommandEnabled(int number, const Grid& grid, const Light* selected) {
    const EditorCommand* c = findEditorCommand(number);
    return c && isCommandEnabled(*c, grid, selected);
}

std::string gridDisplayName(const std::optional<std::string>& fileName) {
    if (!fileName)
        return "[Not saved]";
    std::string_view name = *fileName;
    if (const auto slash = name.find_last_of('/'); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    // The extension goes; a name that only starts with a dot keeps it.
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return std::string(name);
}

std::string editorTitle(const std::optional<std::string>& fileName, int undoState) {
    std::string title = "Tessaran - " + gridDisplayName(fileName);
    if (undoState >= 2 && undoState <= 4)
        title += " [Save Required]";
    return title;
}

std::string editorTitle(const Grid& grid) {
    return editorTitle(grid.fileName(), grid.undoState());
}

const char* editorVersion() {
    return TESSARAN_VERSION;
}

}  // namespace tessaran
