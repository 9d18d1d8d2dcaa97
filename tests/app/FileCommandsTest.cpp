// File handling as a user meets it: the title through the undo states, the save prompt,
// Save on a grid that was never saved, damaged files, drops and the new-grid dialog.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSpinBox>
#include <QUrl>

#include <sstream>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"
#include "app/GridAspectRatioDialogWindows.h"
#include "grid/GridFile.h"

namespace tessaran {
namespace {

// An editor started on a copy of an example grid, so that saving touches no data file.
class OpenedEditor : public ::testing::Test {
protected:
    OpenedEditor() {
        path = scratch.filePath(QStringLiteral("blocked15.tgr"));
        QFile::copy(exampleGrid("blocked15.tgr"), path);
        editor = std::make_unique<EditorFixture>(QStringList{QStringLiteral("gridsmith"), path});
    }
    // One edit: the top-left cell becomes a block or a light cell again.
    void edit() {
        editor->view().selectCell(&editor->grid().cellAt(0, 0));
        editor->trigger(command::Block);
    }
    ScriptedDialogsWindows& dialogs() { return editor->dialogs; }

    QTemporaryDir scratch;
    QString path;
    std::unique_ptr<EditorFixture> editor;
};

TEST_F(OpenedEditor, TitleFollowsTheUndoStatesAndSaving) {
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - blocked15"));
    edit();
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - blocked15 [Save Required]"));
    editor->trigger(command::Undo);  // state 1: as read, the edit can be redone
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - blocked15"));
    EXPECT_EQ(editor->action(command::Undo)->isEnabled(), true);
    editor->trigger(command::Undo);  // the same item redoes
    EXPECT_EQ(editor->grid().undoState(), 2);
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - blocked15 [Save Required]"));
    editor->trigger(command::Save);
    EXPECT_TRUE(dialogs().saveRequests.empty());  // it has a name: no dialog
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - blocked15"));
    EXPECT_FALSE(editor->action(command::Undo)->isEnabled());
}

TEST_F(OpenedEditor, SavePromptAnswersCancelNoAndYes) {
    edit();
    const std::string before = readFile(path);

    // Cancel: nothing happens, not even the new-grid dialog.
    dialogs().messageAnswers = {MessageAnswer::Cancel};
    editor->trigger(command::New);
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0].caption, QStringLiteral("Grid has changed"));
    EXPECT_EQ(dialogs().messages[0].text, QStringLiteral("Do you want to save?"));
    EXPECT_EQ(dialogs().messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(dialogs().messages[0].icon, MessageIcon::Question);
    EXPECT_TRUE(dialogs().dialogTitles.empty());
    EXPECT_EQ(editor->grid().undoState(), 2);

    // Yes: saved first, then the new-grid dialog (here cancelled).
    dialogs().messageAnswers = {MessageAnswer::Yes};
    editor->trigger(command::New);
    EXPECT_NE(readFile(path), before);
    EXPECT_EQ(dialogs().dialogTitles, std::vector<QString>{QStringLiteral("Grid Aspect Ratio")});
    EXPECT_FALSE(editor->grid().isChanged());

    // No: the changes go and the new grid comes.
    edit();
    const std::string saved = readFile(path);
    dialogs().messageAnswers = {MessageAnswer::No};
    dialogs().dialogActions = {[](QDialog&) { return int(QDialog::Accepted); }};
    editor->trigger(command::New);
    EXPECT_EQ(readFile(path), saved);
    EXPECT_EQ(editor->grid().columns(), 15);  // the dialog starts at the current size
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - [Not saved]"));
}

TEST_F(OpenedEditor, ClosingIsRefusedWhileTheUserCancelsOrTheSaveFails) {
    editor->frame().show();
    edit();
    dialogs().messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(editor->frame().close());
    EXPECT_TRUE(editor->frame().isVisible());

    // Yes, then the write fails: the window must stay, or the changes would be lost.
    editor->grid().setFileName(
        QFile::encodeName(scratch.filePath("missing/dir/x.tgr")).toStdString());
    dialogs().messageAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(editor->frame().close());
    EXPECT_EQ(dialogs().lastCaption(), QStringLiteral("Grid File Save Error"));
    EXPECT_EQ(dialogs().lastText(), QStringLiteral("Grid file couldn't be saved"));

    dialogs().messageAnswers = {MessageAnswer::No};
    EXPECT_TRUE(editor->frame().close());
}

TEST_F(OpenedEditor, DamagedFilesLeaveTheOpenGridAsItWas) {
    edit();
    const std::string before = [&] {
        std::ostringstream out;
        GridFile::write(editor->grid(), out);
        return out.str();
    }();
    auto unchanged = [&] {
        std::ostringstream out;
        GridFile::write(editor->grid(), out);
        return out.str() == before && editor->grid().undoState() == 2 &&
               editor->title() == QStringLiteral("Tessaran - blocked15 [Save Required]");
    };
    const QString notGrid = scratch.filePath(QStringLiteral("notes.tgr"));
    {
        QFile file(notGrid);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Shopping list\r\neggs\r\n");
    }
    const struct {
        QString path;
        int code;
    } cases[] = {
        {notGrid, kGridFileNotGrid},
        {scratch.path(), kGridFileCannotOpen},  // a folder
        {scratch.filePath(QStringLiteral("absent.tgr")), kGridFileCannotOpen},
    };
    for (const auto& c : cases) {
        dialogs().messages.clear();
        EXPECT_FALSE(editor->view().openFile(c.path)) << c.path.toStdString();
        ASSERT_EQ(dialogs().messages.size(), 1u);
        EXPECT_EQ(dialogs().messages[0].caption, QStringLiteral("Grid File Open Error"));
        EXPECT_EQ(dialogs().messages[0].text, QString::fromLatin1(GridFile::readMessage(c.code)));
        EXPECT_EQ(dialogs().messages[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(unchanged()) << c.path.toStdString();
    }
}

TEST_F(OpenedEditor, PartlyReadableFileIsOpenedWithAnInformationMessage) {
    const QString partly = scratch.filePath(QStringLiteral("partly.tgr"));
    {
        QFile file(partly);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Tessaran 60]\r\n[Grid 4 3]\r\n[Light 0 0 9 0]\r\n[Light 0 1 4 1]\r\n");
    }
    dialogs().fileNames = {partly};
    editor->trigger(command::Open);
    ASSERT_EQ(dialogs().openRequests.size(), 1u);
    EXPECT_EQ(dialogs().openRequests[0].filter,
              QStringLiteral("Grid Files (*.tgr)|*.tgr|All Files (*.*)|*.*"));
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(editor->grid().columns(), 4);
    EXPECT_EQ(editor->grid().lights().size(), 1u);
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - partly"));
}

TEST_F(OpenedEditor, DroppedFileIsOpenedAfterTheSavePrompt) {
    const QString other = scratch.filePath(QStringLiteral("barred12.tgr"));
    QFile::copy(exampleGrid("barred12.tgr"), other);
    edit();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(other)});
    dialogs().messageAnswers = {MessageAnswer::No};
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the frame's event handler: the application's notify only delivers
    // drops that a real drag started.
    static_cast<QObject&>(editor->frame()).event(&drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(dialogs().lastCaption(), QStringLiteral("Grid has changed"));
    EXPECT_EQ(editor->grid().columns(), 12);
    EXPECT_EQ(editor->title(), QStringLiteral("Tessaran - barred12"));
}

TEST_F(OpenedEditor, FileChoosersStartInTheFolderOfTheGridWorkedOn) {
    // Save As offers the grid's own folder and name.
    editor->trigger(command::SaveAs);
    ASSERT_EQ(dialogs().saveRequests.size(), 1u);
    EXPECT_EQ(dialogs().saveRequests[0].title, QStringLiteral("Save As"));
    EXPECT_EQ(dialogs().saveRequests[0].folder, scratch.path());
    EXPECT_EQ(dialogs().saveRequests[0].fileName, QStringLiteral("blocked15.tgr"));

    // Open looks beside it, with no name filled in.
    editor->trigger(command::Open);
    ASSERT_EQ(dialogs().openRequests.size(), 1u);
    EXPECT_EQ(dialogs().openRequests[0].folder, scratch.path());
    EXPECT_TRUE(dialogs().openRequests[0].fileName.isEmpty());

    // Saved into another folder, the grid's folder follows it.
    QTemporaryDir elsewhere;
    dialogs().fileNames = {elsewhere.filePath(QStringLiteral("moved"))};
    editor->trigger(command::SaveAs);
    ASSERT_EQ(editor->title(), QStringLiteral("Tessaran - moved"));
    editor->trigger(command::SaveAs);
    ASSERT_EQ(dialogs().saveRequests.size(), 3u);
    EXPECT_EQ(dialogs().saveRequests[2].folder, elsewhere.path());
    EXPECT_EQ(dialogs().saveRequests[2].fileName, QStringLiteral("moved.tgr"));

    // A new grid has no name yet; its first save starts where the last grid was.
    dialogs().dialogActions = {[](QDialog&) { return int(QDialog::Accepted); }};
    editor->trigger(command::New);
    ASSERT_EQ(editor->title(), QStringLiteral("Tessaran - [Not saved]"));
    editor->trigger(command::Save);
    ASSERT_EQ(dialogs().saveRequests.size(), 4u);
    EXPECT_EQ(dialogs().saveRequests[3].folder, elsewhere.path());
    EXPECT_TRUE(dialogs().saveRequests[3].fileName.isEmpty());
}

TEST(FileCommands, SaveOfANeverSavedGridAsksForANameWithTheDefaultExtension) {
    EditorFixture editor;
    editor.view().selectCell(&editor.grid().cellAt(1, 1));
    editor.trigger(command::Block);
    ASSERT_EQ(editor.title(), QStringLiteral("Tessaran - [Not saved] [Save Required]"));

    editor.dialogs.fileNames = {std::nullopt};  // cancelled: nothing written
    editor.trigger(command::Save);
    ASSERT_EQ(editor.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(editor.dialogs.saveRequests[0].defaultExtension, QStringLiteral("tgr"));
    EXPECT_TRUE(editor.grid().isChanged());

    editor.dialogs.fileNames = {editor.tempPath("mine")};
    editor.trigger(command::Save);
    EXPECT_TRUE(QFile::exists(editor.tempPath("mine.tgr")));
    EXPECT_EQ(editor.title(), QStringLiteral("Tessaran - mine"));
    EXPECT_FALSE(editor.grid().isChanged());
}

TEST(FileCommands, UncommittedFillIsWarnedAboutBeforeSaving) {
    EditorFixture editor;
    fillWithUncommittedLetters(editor.grid());
    editor.dialogs.messageAnswers = {MessageAnswer::Cancel};
    editor.trigger(command::SaveAs);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Uncommitted filled lights"));
    EXPECT_EQ(editor.dialogs.messages.back().buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(editor.dialogs.saveRequests.empty());
}

TEST(FileCommands, NewGridSizesAreClampedWhileSaveAsDefaultsKeepsThemAsTyped) {
    EditorFixture editor;
    editor.dialogs.dialogActions = {[](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("columns"))->setValue(80);
        dialog.findChild<QSpinBox*>(QStringLiteral("rows"))->setValue(9);
        dialog.findChild<QAbstractButton*>(QStringLiteral("allLights"))->click();
        dialog.findChild<QAbstractButton*>(QStringLiteral("saveAsDefaults"))->click();
        return int(QDialog::Accepted);
    }};
    editor.trigger(command::New);
    EXPECT_EQ(editor.grid().columns(), 50);
    EXPECT_EQ(editor.grid().rows(), 9);
    EXPECT_FALSE(editor.grid().lights().empty());
    // The choice is remembered for the next New and for Restart.
    EXPECT_TRUE(editor.view().settings().newGridAllLights);

    // The defaults were written as typed, and the next start makes such a grid.
    const std::string ini = readFile(editor.tempPath("tessaran.ini"));
    EXPECT_NE(ini.find("[AspectRatio]"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Columns=80"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Rows=9"), std::string::npos) << ini;
    EXPECT_NE(ini.find("AddLights=1"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("ZoomFactor"), std::string::npos) << "only its own group: " << ini;
    TessaranAppWindows again({QStringLiteral("gridsmith")}, &editor.dialogs,
                             QFile::encodeName(editor.tempPath("tessaran.ini")).toStdString());
    EXPECT_EQ(again.gridView().grid().columns(), 50);
    EXPECT_EQ(again.gridView().grid().rows(), 9);
}

}  // namespace
}  // namespace tessaran
