// The Edit, Light, Cell and Filling commands through the menu actions, checked in the
// model; and the grid window repainting only what changed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"
#include "dictionary/Dictionary.h"

namespace tessaran {
namespace {

const std::string kDictionary = TESSARAN_BINARY_DIR "/src/app/words.lxd";

// An editor on a 5x5 grid with every light (symmetry none), nothing else.
class GridEditor : public ::testing::Test {
protected:
    GridEditor() {
        grid().setting(GridSetting::Symmetry).setDefault(0);
        grid().newGrid(5, 5, true);
        grid().setDefaultDictionary(kDictionary);
    }
    Grid& grid() { return editor.grid(); }
    Light* across(int row) { return grid().lightOf(grid().cellAt(row, 0), Direction::Across); }
    Light* down(int column) { return grid().lightOf(grid().cellAt(0, column), Direction::Down); }

    EditorFixture editor;
};

TEST_F(GridEditor, CopyOfALightThenPasteIntoAnotherCarriesItsProperties) {
    Light* from = across(0);
    from->setNumber("9");
    from->setText("RIVER");
    from->setBackgroundColour(rgb(200, 220, 255));
    grid().refresh();
    editor.view().selectLight(from);
    editor.trigger(command::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("RIVER"));
    EXPECT_EQ(grid().undoState(), 0);  // copying changes nothing

    Light* to = across(2);
    editor.view().selectLight(to);
    editor.trigger(command::Paste);
    EXPECT_EQ(to->number(), "9");
    EXPECT_EQ(to->text(), "RIVER");
    EXPECT_EQ(to->backgroundColour(), rgb(200, 220, 255));
    EXPECT_EQ(grid().cellAt(2, 0).shownText(), "R");
    EXPECT_EQ(grid().undoState(), 2);

    // Cut takes the properties away and leaves them on the clipboard.
    editor.trigger(command::Cut);
    EXPECT_FALSE(to->number());
    EXPECT_FALSE(to->text());
    EXPECT_FALSE(to->backgroundColour());
    Light* third = across(4);
    editor.view().selectLight(third);
    editor.trigger(command::Paste);
    EXPECT_EQ(third->text(), "RIVER");
}

TEST_F(GridEditor, PasteOfForeignTextTakesItsFirstLineOnly) {
    QApplication::clipboard()->setText(QStringLiteral("LEMON\r\nsecond line"));
    Light* light = down(1);
    editor.view().selectLight(light);
    editor.trigger(command::Paste);
    EXPECT_EQ(light->text(), "LEMON");
    EXPECT_FALSE(light->number());

    Cell& cell = grid().cellAt(4, 4);
    editor.view().selectCell(&cell);
    QApplication::clipboard()->setText(QStringLiteral("QU\nX"));
    editor.trigger(command::Paste);
    EXPECT_EQ(cell.text(), "QU");

    // With nothing selected there is nowhere to paste, and nothing to undo.
    editor.view().clearSelection();
    const int state = grid().undoState();
    editor.trigger(command::Paste);
    EXPECT_EQ(grid().undoState(), state);
}

TEST_F(GridEditor, LightAndCellCommandsActOnTheSelection) {
    Light* light = across(1);
    light->setText("ABCDE");
    grid().refresh();
    editor.view().selectLight(light, 3);

    editor.trigger(command::KillWord);
    EXPECT_EQ(editor.view().killList().words(), std::vector<std::string>{"ABCDE"});
    editor.trigger(command::ClearLight);
    EXPECT_FALSE(light->text());
    EXPECT_EQ(editor.view().caret(), 0);

    editor.trigger(command::DeleteLight);
    EXPECT_EQ(editor.view().selectedLight(), nullptr);
    EXPECT_EQ(grid().lights().size(), 9u);

    editor.view().selectCell(&grid().cellAt(3, 3));
    editor.trigger(command::Block);
    EXPECT_FALSE(grid().cellAt(3, 3).inAnyLight());

    // Commands that need a selection do nothing without one.
    editor.view().clearSelection();
    const size_t lights = grid().lights().size();
    editor.trigger(command::DeleteLight);
    editor.trigger(command::Block);
    EXPECT_EQ(grid().lights().size(), lights);
}

TEST_F(GridEditor, UndoRestoresTheGridAndTheSelectionAndRedoesItAgain) {
    Light* light = across(0);
    editor.view().selectLight(light);
    editor.trigger(command::ReverseLight);  // invisible in "Normalized" mode, but an edit
    editor.trigger(command::DeleteLight);
    ASSERT_EQ(grid().lights().size(), 9u);
    editor.trigger(command::Undo);
    EXPECT_EQ(grid().lights().size(), 10u);
    editor.view().selectCell(&grid().cellAt(2, 2));
    editor.trigger(command::Undo);
    EXPECT_EQ(grid().lights().size(), 9u);
    // The cells were rebuilt, yet the selection stays on the same place.
    ASSERT_NE(editor.view().selectedCell(), nullptr);
    EXPECT_EQ(editor.view().selectedCell(), &grid().cellAt(2, 2));
}

TEST_F(GridEditor, FillCommandsFillCommitAndUndoThroughTheMenus) {
    ASSERT_TRUE(editor.action(command::NormalFill)->isEnabled());
    EXPECT_FALSE(editor.action(command::CommitFill)->isEnabled());
    editor.trigger(command::NormalFill);
    ASSERT_TRUE(Dictionary::instance().isValid());
    EXPECT_TRUE(editor.dialogs.messages.empty());
    EXPECT_EQ(grid().lightStatistics().filled, 10);
    EXPECT_TRUE(editor.action(command::CommitFill)->isEnabled());

    editor.trigger(command::UndoFill);
    EXPECT_EQ(grid().lightStatistics().open, 10);
    editor.trigger(command::Undo);  // the fill comes back with the undo snapshot
    EXPECT_EQ(grid().lightStatistics().filled, 10);

    editor.trigger(command::CommitFill);
    EXPECT_EQ(grid().lightStatistics().complete, 10);
    for (const Light* light : grid().lights())
        EXPECT_TRUE(light->text() && light->text()->size() == 5u);
}

TEST_F(GridEditor, OneShotFillExplainsWhyALightCannotBeFilled) {
    Light* light = across(0);
    grid().cellAt(0, 1).setText("XY");
    grid().refresh();
    editor.view().selectLight(light);
    editor.trigger(command::OneShotFill);
    ASSERT_EQ(editor.dialogs.messages.size(), 1u);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("One-Shot Fill Failed"));
    EXPECT_EQ(editor.dialogs.lastText(),
              QStringLiteral("1a (5) [cell 2 has 2 characters] can't be filled"));
    EXPECT_EQ(editor.dialogs.messages[0].icon, MessageIcon::Exclamation);

    // Without a dictionary the command stops before touching the grid.
    grid().setDefaultDictionary(TESSARAN_BINARY_DIR "/no-such-dictionary.lxd");
    const int state = grid().undoState();
    editor.trigger(command::OneShotFill);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("No Dictionary Available"));
    EXPECT_EQ(grid().undoState(), state);
}

TEST_F(GridEditor, AcceleratorsReachTheCommands) {
    editor.frame().show();
    QApplication::setActiveWindow(&editor.frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor.frame()));
    editor.view().selectCell(&grid().cellAt(0, 0));
    QTest::keyClick(&editor.view(), Qt::Key_Return);  // Block
    EXPECT_FALSE(grid().cellAt(0, 0).inAnyLight());
    QTest::keyClick(&editor.view(), Qt::Key_Z, Qt::ControlModifier);  // Undo
    EXPECT_TRUE(grid().cellAt(0, 0).inAnyLight());
    EXPECT_EQ(grid().undoState(), 1);
}

TEST_F(GridEditor, TypingALetterRepaintsOnlyTheCellsThatChanged) {
    editor.frame().show();
    Light* light = across(2);
    Cell& cell = grid().cellAt(2, 3);
    light->placeText(cell, "Q");
    grid().refresh();
    // The letter shows in two lights' cell, which is still a single cell.
    EXPECT_EQ(editor.view().lastChangedRegion(), QRegion(editor.view().cellRect(cell)));

    // A new light changes edges beyond its cells: the whole window is repainted.
    editor.view().selectCell(&grid().cellAt(4, 4));
    editor.trigger(command::Block);
    EXPECT_EQ(editor.view().lastChangedRegion(), QRegion(editor.view().rect()));
}

}  // namespace
}  // namespace tessaran
