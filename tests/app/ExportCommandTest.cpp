// The Export command as a user meets it: the warning, the dialog and the choices it
// keeps, the file chooser for each kind, failures, and what lands on the clipboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QRadioButton>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"
#include "app/ExportWindows.h"
#include "app/GridOutputWindows.h"
#include "output/GridExporter.h"

namespace tessaran {
namespace {

// Answers the Export dialog with these choices; records what it opened with.
std::function<int(QDialog&)> chooseInDialog(ExportChoices choice, ExportChoices* shown = nullptr) {
    return [choice, shown](QDialog& dialog) {
        auto& exportDialog = dynamic_cast<ExportDialogWindows&>(dialog);
        if (shown)
            *shown = exportDialog.choices();
        exportDialog.kindButton(choice.kind)->click();
        exportDialog.destinationButton(choice.destination)->click();
        exportDialog.includeAnswersBox()->setChecked(choice.includeAnswers);
        exportDialog.includeNumbersBox()->setChecked(choice.includeNumbers);
        return int(QDialog::Accepted);
    };
}

class ExportCommand : public ::testing::Test {
protected:
    ExportCommand() : editor({QStringLiteral("gridsmith"), exampleGrid("blocked15.tgr")}) {
        QApplication::clipboard()->clear();
    }
    std::string coreBytes(ExportKind kind, bool numbers = true, bool answers = true) {
        const GridExporter exporter(editor.grid(), editor.view().viewSettings());
        return exporter.build(kind, {numbers, answers}).bytes;
    }
    EditorFixture editor;
};

TEST_F(ExportCommand, TextKindsGoToTheClipboardAsPlainText) {
    ASSERT_TRUE(editor.view().isCommandAvailable(command::Export));
    for (ExportKind kind :
         {ExportKind::AnswerList, ExportKind::TextGrid, ExportKind::ExchangeText}) {
        editor.dialogs.dialogActions = {
            chooseInDialog({kind, ExportDestination::Clipboard, true, false})};
        editor.trigger(command::Export);
        const std::string expected = coreBytes(kind, false, true);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
    }
    EXPECT_TRUE(editor.dialogs.messages.empty());
    EXPECT_TRUE(editor.dialogs.saveRequests.empty());
    EXPECT_EQ(editor.dialogs.dialogTitles.back(), QStringLiteral("Export"));
}

TEST_F(ExportCommand, PicturesGoToTheClipboardAsSvgMetafileAndImage) {
    editor.dialogs.dialogActions = {
        chooseInDialog({ExportKind::Picture, ExportDestination::Clipboard, false, true})};
    editor.trigger(command::Export);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QByteArray svg = data->data(QString::fromLatin1(kSvgMimeType));
    EXPECT_TRUE(svg.contains("<svg"));
    const QByteArray metafile = data->data(QString::fromLatin1(kMetafileMimeType));
    EXPECT_EQ(metafile.toStdString(), coreBytes(ExportKind::Picture, true, false));
    EXPECT_TRUE(metafile.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)));

    editor.dialogs.dialogActions = {
        chooseInDialog({ExportKind::Bitmap, ExportDestination::Clipboard, true, true})};
    editor.trigger(command::Export);
    const QImage image = QApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    // 15 cells of 300 twips are 20 pixels each at 96 dots per inch and full zoom.
    const RenderMetrics metrics = editor.view().metrics();
    EXPECT_EQ(image.width(), metrics.pictureWidth(editor.grid().columns()));
    EXPECT_EQ(image.height(), metrics.pictureHeight(editor.grid().rows()));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));  // the border
}

TEST_F(ExportCommand, ChoicesAreKeptAndTheFileDialogFitsTheKind) {
    ExportChoices shown;
    editor.dialogs.dialogActions = {chooseInDialog({}, &shown)};
    editor.dialogs.fileNames = {std::nullopt};
    editor.trigger(command::Export);
    // The first use starts on a picture to the clipboard with both switches.
    EXPECT_EQ(shown.kind, ExportKind::Picture);
    EXPECT_EQ(shown.destination, ExportDestination::Clipboard);
    EXPECT_TRUE(shown.includeAnswers && shown.includeNumbers);

    editor.dialogs.dialogActions = {
        chooseInDialog({ExportKind::AnswerList, ExportDestination::File, false, true})};
    editor.dialogs.fileNames = {editor.tempPath("answers")};
    editor.trigger(command::Export);
    ASSERT_EQ(editor.dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& request = editor.dialogs.saveRequests.back();
    EXPECT_EQ(request.title, QStringLiteral("Export To File"));
    EXPECT_EQ(request.filter, QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("txt"));
    // Beside the grid, named after it.
    EXPECT_EQ(request.folder, QFileInfo(exampleGrid("blocked15.tgr")).absolutePath());
    EXPECT_EQ(request.fileName, QStringLiteral("blocked15.txt"));
    EXPECT_EQ(readFile(editor.tempPath("answers.txt")), coreBytes(ExportKind::AnswerList));

    // Cancelled at the dialog: the choices stay as last accepted.
    editor.dialogs.dialogActions = {[&](QDialog& dialog) {
        shown = dynamic_cast<ExportDialogWindows&>(dialog).choices();
        dynamic_cast<ExportDialogWindows&>(dialog).kindButton(ExportKind::Pdf)->click();
        return int(QDialog::Rejected);
    }};
    editor.trigger(command::Export);
    EXPECT_EQ(shown.kind, ExportKind::AnswerList);
    EXPECT_EQ(shown.destination, ExportDestination::File);
    EXPECT_FALSE(shown.includeAnswers);
    EXPECT_EQ(editor.dialogs.saveRequests.size(), 1u);

    editor.dialogs.dialogActions = {
        chooseInDialog({ExportKind::Pdf, ExportDestination::File, true, true})};
    editor.dialogs.fileNames = {editor.tempPath("grid")};
    editor.trigger(command::Export);
    EXPECT_EQ(editor.dialogs.saveRequests.back().defaultExtension, QStringLiteral("pdf"));
    EXPECT_EQ(editor.dialogs.saveRequests.back().fileName, QStringLiteral("blocked15.pdf"));
    EXPECT_EQ(readFile(editor.tempPath("grid.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(ExportCommand, TheSwitchesFollowTheKindInTheDialog) {
    ExportDialogWindows dialog(ExportChoices{});
    checkLayout(dialog, "export.png");
    EXPECT_TRUE(dialog.includeNumbersBox()->isEnabled());
    dialog.kindButton(ExportKind::ExchangeText)->click();
    EXPECT_FALSE(dialog.includeNumbersBox()->isEnabled());
    EXPECT_FALSE(dialog.includeAnswersBox()->isEnabled());
    dialog.kindButton(ExportKind::TextGrid)->click();
    EXPECT_TRUE(dialog.includeAnswersBox()->isEnabled());
}

TEST_F(ExportCommand, AFailedWriteIsReportedAndLeavesNoFile) {
    editor.dialogs.dialogActions = {
        chooseInDialog({ExportKind::TextGrid, ExportDestination::File, true, true})};
    const QString path = editor.tempPath("missing/folder/grid.txt");
    editor.dialogs.fileNames = {path};
    editor.trigger(command::Export);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Export Error"));
    EXPECT_EQ(editor.dialogs.lastText(), QStringLiteral("Exporting failed"));
    EXPECT_EQ(editor.dialogs.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ExportCommandWarning, UncommittedFillCanCancelTheExport) {
    EditorFixture editor;
    fillWithUncommittedLetters(editor.grid());
    editor.dialogs.messageAnswers = {MessageAnswer::Cancel};
    editor.trigger(command::Export);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Uncommitted filled lights"));
    EXPECT_TRUE(editor.dialogs.dialogTitles.empty());

    editor.dialogs.messageAnswers = {MessageAnswer::Ok};
    editor.trigger(command::Export);
    EXPECT_EQ(editor.dialogs.dialogTitles.size(), 1u);
}

}  // namespace
}  // namespace tessaran
