// The Word Search window driven as a user would: attaching to lights, runs with Stop and
// Continue, the list's two orders, Commit, Export and Copy, Lookup, and the properties
// dialog with wyx.ini.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/DictionaryLookupWindows.h"
#include "app/EditorCommands.h"
#include "app/IniFile.h"
#include "app/WordSearchToolsWindows.h"
#include "dictionary/TestDictionaries.h"
#include "wordsearch/WyxProgressBarWindows.h"
#include "wordsearch/WyxPropertiesViewWindows.h"
#include "wordsearch/WyxViewWindows.h"

namespace tessaran {
namespace {

// Stored in this order (the build keeps it): what "dictionary order" means below.
const std::vector<std::string> kWords = {
    "tac", "cat", "act", "bat", "Cab",  "o'clock", "already", "steady", "bee",
    "ab",  "ox",  "a",   "I",   "nest", "sent",    "tens",    "cob",    "cab",
};

class WordSearchWindow : public ::testing::Test {
protected:
    WordSearchWindow() {
        BuildOptions options;
        options.sort = false;
        EXPECT_TRUE(testing::buildDictionary(testing::joinLines(kWords), dictionary, options));
        grid().setting(GridSetting::Symmetry).setDefault(0);
        grid().newGrid(7, 3, false);
        grid().setDefaultDictionary(dictionary);
        light = grid().createLights({{0, 0, 2, 0, 1, 0}});
        grid().refresh();
    }

    Grid& grid() { return editor.grid(); }
    WyxViewWindows& window() {
        if (!editor.app.wordSearchTools().wordSearch())
            editor.trigger(command::WordSearch);
        return *editor.app.wordSearchTools().wordSearch();
    }
    template <typename T = QPushButton>
    T* control(const char* name) {
        T* found = window().findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    void search(const QString& pattern) {
        window().setPatternText(pattern);
        ASSERT_EQ(window().runState(), WyxRunState::Ready) << pattern.toStdString();
        QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
        ASSERT_EQ(window().runState(), WyxRunState::Ready);
    }
    void select(const std::vector<int>& rows) {
        auto* list = control<QListView>("wyxMatches");
        list->clearSelection();
        for (const int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select);
    }

    testing::ScratchFolder scratch;
    std::string dictionary = scratch.file("test.lxd");
    EditorFixture editor;
    Light* light = nullptr;
};

TEST_F(WordSearchWindow, AttachingTakesTheTypedTextEscapingOperatorsAndFollowsTheSelection) {
    grid().cellAt(0, 0).setText("*");
    grid().refresh();
    editor.view().selectLight(light);
    editor.trigger(command::WordSearch);
    WyxViewWindows& w = window();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.patternText(), QStringLiteral("\\*.."));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Word Search - 1a (3)"));
    EXPECT_EQ(w.attachedLight(), light);
    EXPECT_EQ(control<QComboBox>("wyxPattern")->lineEdit()->selectedText(), w.patternText());
    EXPECT_EQ(w.runState(), WyxRunState::Ready);

    // The escaped star is one literal position: no three-letter word starts with "*".
    QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
    EXPECT_TRUE(w.matches().isEmpty());
    EXPECT_EQ(control<QLabel>("wyxCount")->text(), QStringLiteral("0"));

    // Clearing the selection detaches: the caption loses the light, the pattern stays,
    // and Commit cannot be used even with a match selected.
    search(QStringLiteral("c.b"));
    editor.view().clearSelection();
    EXPECT_EQ(w.attachedLight(), nullptr);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Word Search - "));
    EXPECT_EQ(w.patternText(), QStringLiteral("c.b"));
    select({0});
    EXPECT_FALSE(control("wyxCommit")->isEnabled());
    EXPECT_FALSE(w.commit());
    EXPECT_TRUE(control("wyxExport")->isEnabled());

    // Deleting the attached light lets go of it as well.
    editor.view().selectLight(light);
    EXPECT_EQ(w.attachedLight(), light);
    grid().checkpoint();
    grid().deleteLight(*light);
    EXPECT_EQ(w.attachedLight(), nullptr);
}

TEST_F(WordSearchWindow, StopAndContinueGiveTheListOfOneUninterruptedRun) {
    search(QStringLiteral("*"));
    const QStringList whole = window().matches();
    ASSERT_EQ(whole.size(), static_cast<qsizetype>(kWords.size()));

    // Stop after every slice, then continue until the run is complete.
    window().setEventInterval(0);
    QTimer stopper;
    stopper.setInterval(0);
    QObject::connect(&stopper, &QTimer::timeout, [this] {
        if (window().runState() == WyxRunState::Running)
            QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
    });
    stopper.start();
    QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
    int continues = 0;
    while (window().runState() == WyxRunState::Stopped && continues < 1000) {
        EXPECT_EQ(control("wyxStart")->text(), QStringLiteral("Con&tinue"));
        EXPECT_TRUE(control<QComboBox>("wyxPattern")->isEnabled());
        QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
        ++continues;
    }
    stopper.stop();
    EXPECT_GT(continues, 3);
    EXPECT_EQ(window().runState(), WyxRunState::Ready);
    EXPECT_EQ(window().matches(), whole);
    EXPECT_EQ(control<QLabel>("wyxCount")->text(), QString::number(whole.size()));
    EXPECT_EQ(window().patternHistory(), (QStringList{"*", "*"}));  // equal entries stay
}

TEST_F(WordSearchWindow, SortedListsAlphabeticallyAndUnsortedInDictionaryOrder) {
    search(QStringLiteral("..."));
    EXPECT_EQ(window().matches(),
              (QStringList{"act", "bat", "bee", "Cab", "cab", "cat", "cob", "tac"}));
    checkLayout(window(), "word-search.png");

    WyxSettings unsorted = window().settings();
    unsorted.sorted = false;
    window().applySettings(unsorted);
    search(QStringLiteral("*"));
    QStringList stored;
    for (int length = 1; length <= 7; ++length)
        for (const std::string& word : kWords)
            if (std::count_if(word.begin(), word.end(), ::isalpha) == length)
                stored << QString::fromStdString(word);
    EXPECT_EQ(window().matches(), stored);
    EXPECT_EQ(window().progressBar().length(), 7);
    EXPECT_EQ(window().progressBar().filledWidth(), window().progressBar().width() - 2);
}

TEST_F(WordSearchWindow, ExportAndCopyPutTheSelectedMatchesOnTheClipboardInCrLfLines) {
    search(QStringLiteral(";est*"));
    ASSERT_EQ(window().matches(), (QStringList{"nest", "sent", "steady", "tens"}));
    EXPECT_FALSE(control("wyxExport")->isEnabled());
    select({3, 0, 1});
    QTest::mouseClick(control("wyxExport"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("nest\r\nsent\r\ntens\r\n"));

    // The editor's Copy with the focus in the window does the same.
    QApplication::clipboard()->clear();
    select({2});
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    control<QListView>("wyxMatches")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), control<QListView>("wyxMatches"));
    editor.trigger(command::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("steady\r\n"));
}

TEST_F(WordSearchWindow, CommitEntersTheDictionaryLettersIntoTheLight) {
    Light* seven = grid().createLights({{0, 2, 6, 2, 1, 0}});
    grid().refresh();
    ASSERT_TRUE(seven);
    editor.view().selectLight(seven);
    editor.trigger(command::WordSearch);
    window().setPatternText(QStringLiteral("o*k"));
    QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
    ASSERT_EQ(window().matches(), (QStringList{"o'clock"}));
    select({0});
    ASSERT_TRUE(control("wyxCommit")->isEnabled());
    QTest::mouseClick(control("wyxCommit"), Qt::LeftButton);
    EXPECT_EQ(seven->text(), "OCLOCK");
    EXPECT_EQ(grid().cellAt(2, 0).shownText(), "O");
    EXPECT_EQ(grid().undoState(), 2);

    // Two matches selected: nothing to commit.
    search(QStringLiteral("[bc]at"));
    select({0, 1});
    EXPECT_FALSE(control("wyxCommit")->isEnabled());
    EXPECT_FALSE(control("wyxLookup")->isEnabled());
}

TEST_F(WordSearchWindow, ABrokenPatternOrAMissingDictionaryDisablesStart) {
    window().setPatternText(QStringLiteral("ab(c"));
    EXPECT_EQ(window().runState(), WyxRunState::Disabled);
    EXPECT_FALSE(control("wyxStart")->isEnabled());
    EXPECT_TRUE(editor.dialogs.messages.empty());  // no message for a syntax error
    window().setPatternText(QStringLiteral("ab(c)"));
    EXPECT_EQ(window().runState(), WyxRunState::Ready);

    grid().setDefaultDictionary(scratch.file("missing.lxd"));
    grid().refresh();
    EXPECT_EQ(window().runState(), WyxRunState::Disabled);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("No Dictionary Available"));
    // Typing on says it only once.
    window().setPatternText(QStringLiteral("abc"));
    window().setPatternText(QStringLiteral("abcd"));
    EXPECT_EQ(editor.dialogs.messages.size(), 1u);
}

TEST_F(WordSearchWindow, LookupWithNoDictionaryProgramSaysSo) {
    editor.app.wordSearchTools().lookup().setTable({});
    search(QStringLiteral("b.."));
    select({0});
    ASSERT_TRUE(control("wyxLookup")->isEnabled());
    QTest::mouseClick(control("wyxLookup"), Qt::LeftButton);
    ASSERT_EQ(editor.dialogs.messages.size(), 1u);
    EXPECT_EQ(editor.dialogs.messages[0].caption, QStringLiteral("Dictionary Lookup Failure"));
    EXPECT_EQ(editor.dialogs.messages[0].icon, MessageIcon::Information);

    // The grid window's Lookup needs a selected light.
    editor.trigger(command::Lookup);
    EXPECT_EQ(editor.dialogs.messages.size(), 1u);
    editor.view().selectLight(light);
    editor.trigger(command::Lookup);
    EXPECT_EQ(editor.dialogs.messages.size(), 2u);
}

TEST_F(WordSearchWindow, PropertiesClampLengthsApplyOnOkAndSaveWyxIni) {
    editor.dialogs.dialogActions.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Wyx Properties"));
        checkLayout(dialog, "word-search-properties.png");
        auto* minimum = dialog.findChild<QSpinBox*>(QStringLiteral("wyxMinimum"));
        auto* maximum = dialog.findChild<QSpinBox*>(QStringLiteral("wyxMaximum"));
        minimum->setValue(0);
        maximum->setValue(40);
        EXPECT_EQ(minimum->value(), 1);
        EXPECT_EQ(maximum->value(), 32);
        maximum->setValue(3);
        dialog.findChild<QLineEdit*>(QStringLiteral("wyxAt"))->setText(QStringLiteral("[bc]"));
        dialog.findChild<QCheckBox*>(QStringLiteral("wyxSorted"))->setChecked(false);
        return int(QDialog::Accepted);  // as OK answers
    });
    QTest::mouseClick(control("wyxSetup"), Qt::LeftButton);
    ASSERT_EQ(editor.dialogs.dialogTitles.size(), 1u);
    EXPECT_EQ(window().engine().longest(), 3);
    EXPECT_FALSE(window().settings().sorted);
    search(QStringLiteral("@a*"));  // "@" is now a choice of b or c; words of 3 at most
    EXPECT_EQ(window().matches(), (QStringList{"cat", "bat", "Cab", "cab"}));

    // Cancel changes nothing.
    editor.dialogs.dialogActions.push_back([](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("wyxMaximum"))->setValue(9);
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(control("wyxSetup"), Qt::LeftButton);
    EXPECT_EQ(window().engine().longest(), 3);

    // Save As Defaults writes the dialog's values and keeps the rest of the file; a new
    // window reads them back.
    const std::string path = scratch.file("wyx.ini");
    testing::writeFile(path, "[Range]\nShortest=2\n[Mine]\nKeep=1\n");
    WyxPropertiesViewWindows dialog(editor.dialogs, WyxSettings::load(path), path);
    EXPECT_EQ(dialog.findChild<QSpinBox*>(QStringLiteral("wyxMinimum"))->value(), 2);
    dialog.findChild<QLineEdit*>(QStringLiteral("wyxHash"))->setText(QStringLiteral(";est"));
    editor.dialogs.fonts.push_back(
        FontChoice{QFont(QStringLiteral("DejaVu Serif"), 15), QColor(0, 0, 160)});
    dialog.findChild<QPushButton*>(QStringLiteral("wyxMatchesFont"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("wyxSaveDefaults"))->click();
    EXPECT_TRUE(testing::readFile(path).find("[Mine]\nKeep=1\n") != std::string::npos);
    const WyxSettings saved = WyxSettings::load(path);
    EXPECT_EQ(saved, dialog.settings());
    EXPECT_EQ(saved.shortest, 2);
    EXPECT_EQ(saved.hash, ";est");
    EXPECT_EQ(saved.outputFont.faceName, "DejaVu Serif");
    EXPECT_EQ(saved.outputFont.colour, rgb(0, 0, 160));
    EXPECT_EQ(saved.outputFont.height, -20);  // 15 points at 96 dots an inch
    EXPECT_EQ(saved.patternFont.toText(), WyxSettings::kDefaultFont);

    WyxViewWindows fresh(editor.view(), path);
    EXPECT_EQ(fresh.settings(), saved);
    EXPECT_EQ(fresh.engine().shortest(), 2);
}

TEST_F(WordSearchWindow, ClosingDuringARunStopsItAndContinueResumes) {
    search(QStringLiteral("*"));
    window().setEventInterval(0);
    const QStringList whole = window().matches();
    QTimer closer;
    closer.setInterval(0);
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [this] { window().close(); });
    closer.start();
    QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
    EXPECT_EQ(window().runState(), WyxRunState::Closing);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(control("wyxStart")->text(), QStringLiteral("Con&tinue"));

    editor.trigger(command::WordSearch);  // no light: the pattern and the run stay
    EXPECT_TRUE(window().isVisible());
    QTest::mouseClick(control("wyxStart"), Qt::LeftButton);
    EXPECT_EQ(window().runState(), WyxRunState::Ready);
    EXPECT_EQ(window().matches(), whole);
}

}  // namespace
}  // namespace tessaran
