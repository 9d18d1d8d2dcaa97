// The filling windows driven as a user would: Normal Fill with its progress window, the
// manual choice, Interrupt and Abandon during a long fill, Filling Properties and the
// Kill List.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"
#include "app/FillToolsWindows.h"
#include "app/FillingPropertiesViewWindows.h"
#include "app/KillListViewWindows.h"
#include "app/PropertiesViewWindows.h"
#include "app/RunningPropertiesViewWindows.h"
#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "fill/FillChoice.h"
#include "grid/Cell.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

const std::string kDictionary = TESSARAN_BINARY_DIR "/src/app/words.lxd";

template <typename T>
T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The letters a light holds provisionally, as display characters.
std::string filledWord(const Light& light) {
    std::string word;
    for (const Cell* cell : light.cells())
        word += cell->filledLetter() < Dictionary::instance().alphabetSize()
                    ? Dictionary::instance().displayChar(cell->filledLetter())
                    : '.';
    return word;
}

// The first dictionary word that fits the light's letters placed so far and is not one of
// the offered lines, in display characters.
std::string fittingWordNotOffered(const Light& light, const QListWidget& list) {
    Dictionary& dictionary = Dictionary::instance();
    std::vector<std::uint8_t> pattern;
    for (const Cell* cell : light.cells()) {
        const std::uint8_t letter = cell->fixedLetter();
        pattern.push_back(letter < dictionary.alphabetSize() ? letter : 254);
    }
    std::set<std::string> offered;
    for (int i = 0; i < list.count(); ++i)
        offered.insert(killListSpelling(dictionary, list.item(i)->text().mid(6).toStdString()));
    InputEngine cursor(dictionary);
    if (!cursor.startPattern(pattern.data(), light.length()))
        return {};
    for (;;) {
        const std::uint8_t* letters = cursor.nextByPatternWhole();
        if (!letters)
            continue;
        if (letters[0] == 255)
            return {};
        std::string word;
        for (int p = 0; p < light.length(); ++p)
            word += dictionary.displayChar(letters[p]);
        if (!offered.count(word))
            return word;
    }
}

class FillWindows : public ::testing::Test {
protected:
    FillWindows() {
        grid().setting(GridSetting::Symmetry).setDefault(0);
        grid().setDefaultDictionary(kDictionary);
        grid().newGrid(5, 5, true);
        editor.frame().show();
    }
    Grid& grid() { return editor.grid(); }
    RunningPropertiesViewWindows& progress() { return editor.app.fillTools().progress(); }
    QPushButton* button(QWidget& window, const char* name) {
        return child<QPushButton>(window, name);
    }
    void open(const char* name) {
        ASSERT_TRUE(editor.view().openFile(exampleGrid(name)));
        grid().setDefaultDictionary(kDictionary);
    }
    void openBench(const char* name) {
        ASSERT_TRUE(editor.view().openFile(QStringLiteral(TESSARAN_SOURCE_DIR "/bench/grids/") +
                                           QString::fromLatin1(name)));
        grid().setDefaultDictionary(kDictionary);
    }
    void setManual() { grid().setting(GridSetting::StartMode).setOverride(1); }

    EditorFixture editor;
};

TEST_F(FillWindows, NormalFillReportsSuccessAndDrawsTheLettersProvisionally) {
    open("blocked15.tgr");
    editor.view().viewSettings().sideBranchFillingColour = rgb(255, 0, 0);
    editor.view().selectLight(grid().lights().front());
    editor.trigger(command::NormalFill);

    EXPECT_TRUE(progress().isVisible());
    EXPECT_EQ(progress().windowTitle(), QStringLiteral("Normal Fill"));
    EXPECT_TRUE(progress().statusText().startsWith(QStringLiteral("Fill succeeded after ")));
    EXPECT_TRUE(progress().statusText().endsWith(QStringLiteral(" seconds")));
    EXPECT_EQ(button(progress(), "fillAbandon")->text(), QStringLiteral("&Ok"));
    EXPECT_FALSE(button(progress(), "fillInterrupt")->isEnabled());
    // Nothing else can be done until the result has been read.
    EXPECT_FALSE(editor.frame().isEnabled());
    EXPECT_TRUE(editor.dialogs.messages.empty());
    // The selection comes back after the fill.
    EXPECT_EQ(editor.view().selectedLight(), grid().lights().front());

    const LightStatistics counts = grid().lightStatistics();
    EXPECT_EQ(counts.open, 0);
    EXPECT_EQ(counts.filled, counts.lights);
    for (const Light* light : grid().lights())
        EXPECT_FALSE(light->text());  // provisional: no light text yet

    // A filled cell shows its letter in the filling colour.
    const Cell& cell = grid().lights().back()->cell(0);
    const QImage picture = editor.view().grab(editor.view().cellRect(cell)).toImage();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red += picture.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(red, 5);

    QTest::mouseClick(button(progress(), "fillAbandon"), Qt::LeftButton);
    EXPECT_FALSE(progress().isVisible());
    EXPECT_TRUE(editor.frame().isEnabled());
}

TEST_F(FillWindows, ManualChoiceTakesATypedWordThenTheSelectedCandidateThenAbandons) {
    setManual();
    Dictionary& dictionary = Dictionary::instance();
    int choices = 0;
    const Light* firstLight = nullptr;
    std::string typed;
    const Light* secondLight = nullptr;
    std::string secondWord;
    QObject::connect(&progress(), &RunningPropertiesViewWindows::choiceOpened, [&] {
        ++choices;
        // A failed assertion below must not leave the fill waiting for an answer.
        bool answered = false;
        const auto answer = [&](const char* name) {
            answered = true;
            QTest::mouseClick(button(progress(), name), Qt::LeftButton);
        };
        struct AbandonUnlessAnswered {
            std::function<void()> abandon;
            ~AbandonUnlessAnswered() { abandon(); }
        } guard{[&] {
            if (!answered)
                button(progress(), "fillAbandon")->click();
        }};
        auto* list = child<QListWidget>(progress(), "fillCandidates");
        auto* word = child<QLineEdit>(progress(), "selectedWord");
        EXPECT_EQ(progress().statusText(), QStringLiteral("Fill interrupted"));
        EXPECT_EQ(button(progress(), "fillInterrupt")->text(), QStringLiteral("&Continue"));
        if (choices == 1) {
            firstLight = editor.view().selectedLight();
            ASSERT_NE(firstLight, nullptr);
            EXPECT_FALSE(button(progress(), "fillBack")->isEnabled());  // level 0
            ASSERT_GT(list->count(), 1);
            // Each line: the score in four places, two blanks, the word.
            const QString line = list->item(0)->text();
            EXPECT_EQ(line.mid(4, 2), QStringLiteral("  "));
            EXPECT_EQ(word->text(), line.mid(6));
            // A word that fits but is not offered; killed, to show that the user's
            // explicit choice overrides the kill list.
            typed = fittingWordNotOffered(*firstLight, *list);
            ASSERT_FALSE(typed.empty());
            editor.view().killList().add(typed);
            word->clear();
            QTest::keyClicks(word, QString::fromStdString(typed).toLower().chopped(1));
            EXPECT_FALSE(button(progress(), "fillNext")->isEnabled());  // too short
            EXPECT_FALSE(button(progress(), "fillKill")->isEnabled());
            QTest::keyClicks(word, QString::fromStdString(typed).right(1).toLower());
            EXPECT_TRUE(button(progress(), "fillNext")->isEnabled());
            answer("fillNext");
        } else if (choices == 2) {
            secondLight = editor.view().selectedLight();
            ASSERT_NE(secondLight, firstLight) << "the typed word was refused";
            EXPECT_TRUE(button(progress(), "fillBack")->isEnabled());
            ASSERT_GT(list->count(), 1);
            // Choosing another line follows in Selected Word.
            list->setCurrentRow(1);
            EXPECT_EQ(word->text(), list->item(1)->text().mid(6));
            secondWord = killListSpelling(dictionary, word->text().toStdString());
            EXPECT_TRUE(button(progress(), "fillKill")->isEnabled());
            checkLayout(progress(), "fill-manual-choice.png");
            answer("fillNext");
        } else {
            EXPECT_NE(editor.view().selectedLight(), secondLight);
            answer("fillAbandon");
        }
    });
    editor.trigger(command::NormalFill);

    EXPECT_EQ(choices, 3);
    // Abandoned: no message, the window gone, the editor usable, the letters kept.
    EXPECT_FALSE(progress().isVisible());
    EXPECT_TRUE(editor.frame().isEnabled());
    EXPECT_TRUE(editor.dialogs.messages.empty());
    ASSERT_NE(firstLight, nullptr);
    EXPECT_EQ(filledWord(*firstLight), typed);
    EXPECT_FALSE(editor.view().killList().contains(typed));
    ASSERT_NE(secondLight, nullptr);
    EXPECT_EQ(filledWord(*secondLight), secondWord);
}

TEST_F(FillWindows, KillInTheChoiceRemovesTheLineAndKillsTheWord) {
    setManual();
    std::string killed;
    int choices = 0;
    QObject::connect(&progress(), &RunningPropertiesViewWindows::choiceOpened, [&] {
        if (++choices > 1) {
            button(progress(), "fillAbandon")->click();
            return;
        }
        auto* list = child<QListWidget>(progress(), "fillCandidates");
        const int before = list->count();
        list->setCurrentRow(before - 1);
        killed = list->currentItem()->text().mid(6).toUpper().toStdString();
        button(progress(), "fillKill")->click();
        EXPECT_EQ(list->count(), before - 1);
        // The previous line is selected now that the last one went.
        EXPECT_EQ(list->currentRow(), before - 2);
        EXPECT_EQ(child<QLineEdit>(progress(), "selectedWord")->text(),
                  list->currentItem()->text().mid(6));
        button(progress(), "fillInterrupt")->click();  // Continue
    });
    editor.trigger(command::NormalFill);
    EXPECT_TRUE(editor.view().killList().contains(killed)) << killed;
    for (const Light* light : grid().lights())
        EXPECT_NE(filledWord(*light), killed);
}

TEST_F(FillWindows, InterruptOpensTheChoiceAndContinueFinishesTheFill) {
    open("blocked15.tgr");
    int choices = 0;
    QObject::connect(&progress(), &RunningPropertiesViewWindows::choiceOpened, [&] {
        ++choices;
        EXPECT_EQ(progress().statusText(), QStringLiteral("Fill interrupted"));
        button(progress(), "fillInterrupt")->click();  // Continue: automatic again
    });
    // Pressed at the first report the fill makes.
    QTimer::singleShot(0, [&] { button(progress(), "fillInterrupt")->click(); });
    editor.trigger(command::NormalFill);
    EXPECT_EQ(choices, 1);
    EXPECT_TRUE(progress().statusText().startsWith(QStringLiteral("Fill succeeded after ")));
}

TEST_F(FillWindows, AbandonStopsALongFillAtTheNextReport) {
    openBench("american21.tgr");  // about a quarter of a minute to fill
    progress().setSyncFrequency(2);
    long callsAtClick = -1;
    QElapsedTimer sinceClick;
    QTimer::singleShot(300, [&] {
        callsAtClick = progress().progressCalls();
        sinceClick.start();
        QTest::mouseClick(button(progress(), "fillAbandon"), Qt::LeftButton);
    });
    QElapsedTimer timer;
    timer.start();
    editor.trigger(command::NormalFill);
    ASSERT_GE(callsAtClick, 0) << "the fill ended before Abandon";
    EXPECT_LT(sinceClick.elapsed(), 1000);
    EXPECT_LT(timer.elapsed(), 5000);
    // The report that saw the click answered Abandon; only the final check reports after.
    EXPECT_LE(progress().progressCalls() - callsAtClick,
              static_cast<long>(grid().lights().size()) + 1);
    EXPECT_FALSE(progress().isVisible());
    EXPECT_TRUE(editor.frame().isEnabled());
    EXPECT_TRUE(editor.dialogs.messages.empty());
    const LightStatistics counts = grid().lightStatistics();
    EXPECT_GT(counts.open, 0);    // stopped part-way
    EXPECT_GT(counts.filled, 0);  // what was filled stays
}

TEST_F(FillWindows, FillingPropertiesChangeTheGridAndItsFile) {
    editor.trigger(command::FillingProperties);
    auto& window = editor.app.fillTools().fillingProperties();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Filling Properties"));
    EXPECT_EQ(child<QLabel>(window, "dictionaryEntries")->text().toULongLong(),
              Dictionary::instance().entries());
    EXPECT_FALSE(child<PVWCheckBox>(window, "dictionaryFileBox")->isChecked());
    checkLayout(window, "filling-properties.png");

    // Spinning up from the default 40 stays at 40 but overrides.
    GridDimension& normal = grid().setting(GridSetting::NormalCommonality);
    ASSERT_EQ(normal.value(), 40);
    auto* spin = child<PVWSpin>(window, "normalCommonality");
    spin->stepBy(1);
    EXPECT_TRUE(normal.isOverridden());
    EXPECT_EQ(normal.value(), 40);
    EXPECT_TRUE(child<PVWCheckBox>(window, "normalCommonalityBox")->isChecked());
    spin->stepBy(-3);
    EXPECT_EQ(normal.value(), 37);
    // Typing a value; beyond the range it is clamped.
    QLineEdit* spinEdit = spin->findChild<QLineEdit*>();
    ASSERT_NE(spinEdit, nullptr);
    spinEdit->selectAll();
    QTest::keyClicks(spinEdit, QStringLiteral("-55"));
    EXPECT_EQ(normal.value(), -40);
    // The whole entry is one change to undo; the window shows the value undone.
    editor.trigger(command::Undo);
    EXPECT_EQ(normal.value(), 37);
    EXPECT_EQ(spin->text(), QStringLiteral("37"));
    spinEdit->selectAll();
    QTest::keyClicks(spinEdit, QStringLiteral("-40"));
    EXPECT_EQ(normal.value(), -40);

    child<PVWEnumeration>(window, "startMode")->setCurrentIndex(1);
    emit child<PVWEnumeration>(window, "startMode")->chosen(1);
    EXPECT_EQ(grid().settingValue(GridSetting::StartMode), 1);

    const QString path = editor.tempPath("filled.tgr");
    editor.dialogs.fileNames.push_back(path);
    ASSERT_TRUE(editor.view().save(true));
    std::string file = readFile(path);
    EXPECT_NE(file.find("NormalCommonality=-40"), std::string::npos) << file;
    EXPECT_NE(file.find("StartManual=1"), std::string::npos) << file;

    // Unticking follows the program's value again; the file no longer stores the key.
    QTest::mouseClick(child<PVWCheckBox>(window, "normalCommonalityBox"), Qt::LeftButton);
    EXPECT_FALSE(normal.isOverridden());
    EXPECT_EQ(child<PVWSpin>(window, "normalCommonality")->text(), QStringLiteral("40"));
    ASSERT_TRUE(editor.view().save(false));
    file = readFile(path);
    EXPECT_EQ(file.find("NormalCommonality"), std::string::npos) << file;

    // The method is the program's: no override, and the grid file does not hold it.
    auto* method = child<PVWEnumeration>(window, "fillMethod");
    method->setCurrentIndex(1);
    emit method->chosen(1);
    EXPECT_EQ(editor.view().fillMethod(), FillMethod::Constraint);

    // Save As Defaults writes the filling group and makes it the default.
    button(window, "fillingSaveAsDefaults")->click();
    const std::string ini = readFile(editor.tempPath("tessaran.ini"));
    EXPECT_NE(ini.find("StartManual=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("NormalCommonality=40"), std::string::npos) << ini;
    EXPECT_NE(ini.find("FillMethod=1"), std::string::npos) << ini;
    EXPECT_FALSE(grid().setting(GridSetting::StartMode).isOverridden());
    EXPECT_EQ(grid().settingValue(GridSetting::StartMode), 1);
}

TEST_F(FillWindows, TheConstraintMethodFillsFromTheWindowExceptInManualMode) {
    editor.view().setFillMethod(FillMethod::Constraint);
    editor.trigger(command::NormalFill);
    EXPECT_TRUE(progress().statusText().startsWith(QStringLiteral("Fill succeeded after ")));
    EXPECT_EQ(grid().lightStatistics().filled, 10);
    QTest::mouseClick(button(progress(), "fillAbandon"), Qt::LeftButton);

    // Manual mode offers the word-by-word choice, which only the standard search has.
    setManual();
    int choices = 0;
    QObject::connect(&progress(), &RunningPropertiesViewWindows::choiceOpened, [&] {
        ++choices;
        button(progress(), "fillAbandon")->click();
    });
    editor.trigger(command::NormalFill);
    EXPECT_EQ(choices, 1);
}

TEST_F(FillWindows, ChangingTheDictionaryAsksAboutAnUncommittedFillFirst) {
    editor.trigger(command::NormalFill);
    QTest::mouseClick(button(progress(), "fillAbandon"), Qt::LeftButton);  // Ok
    ASSERT_EQ(grid().lightStatistics().filled, 10);
    editor.trigger(command::FillingProperties);
    auto& window = editor.app.fillTools().fillingProperties();
    QPushButton* change = button(window, "dictionaryChange");

    // Cancel: the fill and the dictionary stay.
    editor.dialogs.messageAnswers.push_back(MessageAnswer::Cancel);
    change->click();
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Uncommitted filled lights"));
    EXPECT_EQ(editor.dialogs.messages.back().buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(editor.dialogs.openRequests.empty());
    EXPECT_EQ(grid().lightStatistics().filled, 10);

    // OK clears the fill even when the file dialog is then cancelled.
    editor.dialogs.messageAnswers.push_back(MessageAnswer::Ok);
    change->click();
    ASSERT_EQ(editor.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(editor.dialogs.openRequests[0].title, QStringLiteral("Dictionary File Selection"));
    EXPECT_EQ(grid().lightStatistics().filled, 0);
    EXPECT_FALSE(grid().dictionary());

    // A file that is no dictionary: the grid names it, and says it is unusable.
    const QString bad = editor.tempPath("bad.lxd");
    {
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a dictionary");
    }
    editor.dialogs.fileNames.push_back(bad);
    change->click();
    EXPECT_EQ(grid().dictionary(), bad.toStdString());
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("No Dictionary Available"));
    EXPECT_EQ(child<QLabel>(window, "dictionaryDescription")->text(),
              QStringLiteral("-- CURRENT DICTIONARY INVALID --"));
    EXPECT_EQ(child<QLabel>(window, "dictionaryEntries")->text(), QStringLiteral("0"));
    EXPECT_TRUE(child<PVWCheckBox>(window, "dictionaryFileBox")->isChecked());

    // Unticking "File:" goes back to the default dictionary.
    QTest::mouseClick(child<PVWCheckBox>(window, "dictionaryFileBox"), Qt::LeftButton);
    EXPECT_FALSE(grid().dictionary());
    EXPECT_NE(child<QLabel>(window, "dictionaryDescription")->text(),
              QStringLiteral("-- CURRENT DICTIONARY INVALID --"));
    EXPECT_TRUE(Dictionary::instance().isValid());
}

TEST_F(FillWindows, KillListAddsNormalisedWordsAndDeletesASelection) {
    editor.view().killList().add("OLDEN");
    editor.trigger(command::KillList);
    auto& window = editor.app.fillTools().killList();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kill List"));
    auto* list = child<QListWidget>(window, "killWords");
    auto* edit = child<QLineEdit>(window, "killWordEdit");
    QPushButton* add = button(window, "killAdd");
    QPushButton* remove = button(window, "killDelete");
    ASSERT_EQ(list->count(), 1);
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());

    QTest::keyClicks(edit, QStringLiteral("ab-cd"));
    EXPECT_TRUE(add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_TRUE(editor.view().killList().contains("ABCD"));
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(grid().undoState(), 2);
    QTest::keyClicks(edit, QStringLiteral("qu!"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(editor.view().killList().contains("QU"));
    // Again, or made of no letters at all: nothing is added.
    QTest::keyClicks(edit, QStringLiteral("Abcd"));
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("-!-"));
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(editor.view().killList().size(), 3u);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("ABCD"));  // sorted
    checkLayout(window, "kill-list.png");

    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    EXPECT_TRUE(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(editor.view().killList().words(), std::vector<std::string>{"OLDEN"});
    ASSERT_EQ(list->count(), 1);
    EXPECT_FALSE(remove->isEnabled());

    // Kill Word adds the selected light's word; the window follows.
    Light* light = grid().lights().front();
    light->setText("TANGO");
    grid().refresh();
    editor.view().selectLight(light);
    editor.trigger(command::KillWord);
    EXPECT_TRUE(editor.view().killList().contains("TANGO"));
    EXPECT_EQ(list->count(), 2);
}

}  // namespace
}  // namespace tessaran
