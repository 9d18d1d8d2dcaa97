// The command table, its enabling rules and the title rule, without windows.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/EditorCommands.h"
#include "grid/GridTestSupport.h"

namespace tessaran {
namespace {

using testing::GridFixture;

TEST(EditorCommands, TableIsConsistentWithItsAcceleratorsAndToolBar) {
    std::set<int> numbers;
    for (const EditorCommand& c : editorCommands()) {
        EXPECT_TRUE(numbers.insert(c.number).second) << "duplicate " << c.number;
        EXPECT_NE(std::string(c.hint), "") << c.number;
        // An item shows its accelerator exactly when it has one.
        const std::string text = c.itemText;
        const bool shown = text.find('\t') != std::string::npos;
        EXPECT_EQ(shown, std::string(c.accelerator) != "") << text;
    }
    EXPECT_EQ(numbers.size(), 45u);

    const std::vector<int> expected = {command::New,
                                       command::Open,
                                       command::Save,
                                       command::SaveAs,
                                       0,
                                       command::Print,
                                       command::Export,
                                       0,
                                       command::Undo,
                                       0,
                                       command::WordSearch,
                                       0,
                                       command::NormalFill,
                                       command::UndoFill,
                                       command::CommitFill};
    const auto layout = toolBarLayout();
    EXPECT_EQ(std::vector<int>(layout.begin(), layout.end()), expected);
}

TEST(EditorCommands, ItemsAreFoundByNumberWithTheirMenuTexts) {
    const EditorCommand* lookup = findEditorCommand(command::Lookup);
    ASSERT_NE(lookup, nullptr);
    EXPECT_STREQ(lookup->itemText, "&Lookup\tCtrl+Enter");
    EXPECT_STREQ(lookup->hint, "Look up the selected word in a dictionary");
    EXPECT_EQ(lookup->menu, EditorMenu::Edit);
    EXPECT_EQ(findEditorCommand(12345), nullptr);

    EXPECT_EQ(plainItemText("&New...\tCtrl+N"), "New...");
    EXPECT_EQ(plainItemText("Co&mmit Fill\tCtrl+Y"), "Commit Fill");
    EXPECT_EQ(plainItemText("Fish && &Chips"), "Fish & Chips");

    EXPECT_EQ(editorMenuHelpContext(EditorMenu::File), 3670);
    EXPECT_EQ(editorMenuHelpContext(EditorMenu::Grid), 3690);
    EXPECT_EQ(editorMenuHelpContext(EditorMenu::Help), 3730);
}

TEST(EditorCommands, FillCommandsFollowTheLightsFillStates) {
    GridFixture f(5, 5);
    f.grid.refresh();
    // No lights at all: nothing to fill, nothing to undo.
    EXPECT_FALSE(isCommandEnabled(command::NormalFill, f.grid));
    EXPECT_FALSE(isCommandEnabled(command::UnchFill, f.grid));
    EXPECT_FALSE(isCommandEnabled(command::Undo, f.grid));
    EXPECT_TRUE(isCommandEnabled(command::Save, f.grid));

    Light* light = f.across(0, 0, 3);
    f.grid.refresh();
    EXPECT_TRUE(isCommandEnabled(command::NormalFill, f.grid));  // open light
    EXPECT_FALSE(isCommandEnabled(command::CommitFill, f.grid));

    for (Cell* cell : light->cells())
        cell->setFilledLetter(0);
    f.grid.refresh();
    ASSERT_EQ(light->fillState(), 2);
    for (const int number :
         {command::NormalFill, command::UnchFill, command::UndoFill, command::CommitFill})
        EXPECT_TRUE(isCommandEnabled(number, f.grid)) << number;

    light->setText("CAT");
    f.grid.refresh();
    ASSERT_EQ(light->fillState(), 1);
    // Every light complete: neither filling nor committing has anything to do.
    EXPECT_FALSE(isCommandEnabled(command::NormalFill, f.grid));
    EXPECT_FALSE(isCommandEnabled(command::UndoFill, f.grid));
}

TEST(EditorCommands, LightFillCommandsFollowTheSelectedLight) {
    GridFixture f(5, 5);
    Light* light = f.across(0, 0, 3);
    f.grid.refresh();
    // Nothing selected: the Light menu's fill commands have nothing to act on.
    EXPECT_FALSE(isCommandEnabled(command::LightUndoFill, f.grid));
    EXPECT_FALSE(isCommandEnabled(command::LightCommitFill, f.grid));
    ASSERT_EQ(light->fillState(), 3);  // open
    EXPECT_TRUE(isCommandEnabled(command::LightUndoFill, f.grid, light));
    EXPECT_FALSE(isCommandEnabled(command::LightCommitFill, f.grid, light));

    for (Cell* cell : light->cells())
        cell->setFilledLetter(0);
    f.grid.refresh();
    ASSERT_EQ(light->fillState(), 2);  // provisionally filled
    EXPECT_TRUE(isCommandEnabled(command::LightUndoFill, f.grid, light));
    EXPECT_TRUE(isCommandEnabled(command::LightCommitFill, f.grid, light));

    light->setText("CAT");
    f.grid.refresh();
    ASSERT_EQ(light->fillState(), 1);  // complete
    EXPECT_FALSE(isCommandEnabled(command::LightUndoFill, f.grid, light));
    EXPECT_FALSE(isCommandEnabled(command::LightCommitFill, f.grid, light));
}

TEST(EditorCommands, UndoIsOfferedInEveryStateButTheFirst) {
    GridFixture f(3, 3);
    EXPECT_FALSE(isCommandEnabled(command::Undo, f.grid));
    f.grid.checkpoint();  // state 2: undo
    EXPECT_TRUE(isCommandEnabled(command::Undo, f.grid));
    f.grid.undo();  // state 1: redo
    EXPECT_EQ(f.grid.undoState(), 1);
    EXPECT_TRUE(isCommandEnabled(command::Undo, f.grid));
}

TEST(EditorTitle, NamesTheFileWithoutFolderOrExtensionAndFlagsChanges) {
    EXPECT_EQ(editorTitle(std::nullopt, 0), "Tessaran - [Not saved]");
    EXPECT_EQ(editorTitle(std::nullopt, 2), "Tessaran - [Not saved] [Save Required]");
    EXPECT_EQ(editorTitle(std::string("/home/setter/grids/blocked15.tgr"), 0),
              "Tessaran - blocked15");
    // Only the last extension goes; dots in folders do not count.
    EXPECT_EQ(gridDisplayName(std::string("/tmp/v1.2/prize.final.tgr")), "prize.final");
    EXPECT_EQ(gridDisplayName(std::string("/tmp/v1.2/noextension")), "noextension");
    EXPECT_EQ(gridDisplayName(std::string(".hidden")), ".hidden");
    // Undo states 2, 3 and 4 differ from the file; 0 and 1 do not.
    const char* const suffix = " [Save Required]";
    for (int state = 0; state <= 4; ++state) {
        const std::string title = editorTitle(std::string("a.tgr"), state);
        EXPECT_EQ(title.ends_with(suffix), state >= 2) << state;
    }
}

}  // namespace
}  // namespace tessaran
