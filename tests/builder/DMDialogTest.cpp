// The builder's window driven as a user would: files chosen through the dialog seam,
// fields typed, buttons clicked; the dictionaries it writes are opened with the
// editor's reader.

#include "builder/DMDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>

#include "builder/DMApplication.h"
#include "builder/DMDialogs.h"
#include "builder/DMHelpWindow.h"
#include "builder/DMProgressBar.h"
#include "dictionary/TestDictionaries.h"

namespace tessaran {
namespace {

using testing::readFile;
using testing::ScratchFolder;
using testing::storedWords;
using testing::writeFile;

const QString kCaption = "Dictionary Builder Message";
const QString kSucceeded =
    "Dictionary building successful. You may now use the\ndictionary with Tessaran.\n";
const QString kFailed =
    "Dictionary building failed. The resulting dictionary\ncannot be used with Tessaran.\n";

void ensureApplication() {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tests_builder_windows";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

// Answers the window's dialogs from prepared answers and records what was shown.
class ScriptedDialogs : public DMDialogs {
public:
    struct Shown {
        QString caption;
        QString text;
        Icon icon;
        bool question;
    };

    void message(QWidget*, const QString& caption, const QString& text, Icon icon) override {
        shown.push_back({caption, text, icon, false});
    }
    bool askYesNo(QWidget*, const QString& caption, const QString& text, Icon icon) override {
        shown.push_back({caption, text, icon, true});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString chooseFile(QWidget*, const FileRequest& request) override {
        requests.push_back(request);
        if (files.empty())
            return QString();
        const QString file = files.front();
        files.pop_front();
        return file;
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<QString> files;
    std::vector<FileRequest> requests;
};

class BuilderWindow : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }

    // The frame, with `programFolder` as the program's directory.
    DMFrame& open() {
        frame = std::make_unique<DMFrame>(QString::fromStdString(programFolder), dialogs);
        frame->show();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        return *frame;
    }
    template <typename T>
    T* control(const char* name) {
        T* found = frame->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* edit) { return control<QLineEdit>(edit)->text(); }
    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void type(const char* edit, const QString& value) {
        QLineEdit* field = control<QLineEdit>(edit);
        field->selectAll();
        // Key by key as typed; QTest's own key clicks know only ASCII.
        for (const QChar c : value) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    bool startEnabled() { return control<QPushButton>("startButton")->isEnabled(); }
    QString status() { return control<QLabel>("statusLine")->text(); }
    // Chooses `file` with the button `change`.
    void choose(const char* change, const std::string& file) {
        dialogs.files.push_back(QString::fromStdString(file));
        click(change);
    }
    void putDefaultMapBesideProgram() {
        writeFile(scratch.file("default.lxm"), readFile(TESSARAN_SOURCE_DIR "/data/default.lxm"));
    }

    ScratchFolder scratch;
    std::string programFolder = scratch.folderPath();
    ScriptedDialogs dialogs;
    std::unique_ptr<DMFrame> frame;
};

TEST_F(BuilderWindow, StartsWithTheMapBesideTheProgramAndWaitsForAWordList) {
    putDefaultMapBesideProgram();
    open();
    EXPECT_EQ(frame->windowTitle(), "Wyx&Tessaran Dictionary Builder V1.3 (32 bit)");
    EXPECT_EQ(text("mappingFileEdit"), QString::fromStdString(scratch.file("default.lxm")));
    EXPECT_EQ(text("minimumEdit"), "1");
    EXPECT_EQ(text("maximumEdit"), "31");
    EXPECT_EQ(text("commonalityEdit"), "0");
    EXPECT_TRUE(control<QCheckBox>("sortListCheck")->isChecked());
    EXPECT_FALSE(startEnabled());

    writeFile(scratch.file("words.txt"), "cat\n");
    choose("wordListChangeButton", scratch.file("words.txt"));
    EXPECT_TRUE(startEnabled());
    EXPECT_EQ(frame->dialog()->runState(), DMDialog::RunState::Ready);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BuilderWindow, WithoutAMapStartStaysDisabledAndNothingIsSaid) {
    open();
    EXPECT_EQ(text("mappingFileEdit"), "");
    writeFile(scratch.file("words.txt"), "cat\n");
    choose("wordListChangeButton", scratch.file("words.txt"));
    EXPECT_FALSE(startEnabled());
    EXPECT_TRUE(dialogs.shown.empty());

    // Cancelling the chooser changes nothing.
    click("mappingChangeButton");
    EXPECT_FALSE(startEnabled());
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[1].title, "Alphabet mapping file selection");
    EXPECT_EQ(dialogs.requests[1].filter, "Alphabet mapping files (*.lxm);;All Files (*)");
    EXPECT_EQ(dialogs.requests[1].defaultSuffix, "lxm");
    EXPECT_FALSE(dialogs.requests[1].save);
}

TEST_F(BuilderWindow, AMappingFileThatFailsToLoadIsReportedAndDisablesStart) {
    putDefaultMapBesideProgram();
    open();
    writeFile(scratch.file("words.txt"), "cat\n");
    choose("wordListChangeButton", scratch.file("words.txt"));
    ASSERT_TRUE(startEnabled());

    writeFile(scratch.file("bad.lxm"), "a=A\nb=B\nxy\nc=C\n");
    choose("mappingChangeButton", scratch.file("bad.lxm"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, kCaption);
    EXPECT_EQ(dialogs.shown[0].text, "Alphabet mapping file error at line 3");
    EXPECT_EQ(dialogs.shown[0].icon, DMDialogs::Icon::Exclamation);
    EXPECT_EQ(text("mappingFileEdit"), "");
    EXPECT_FALSE(startEnabled());
    EXPECT_FALSE(frame->dialog()->mappingLoaded());

    choose("mappingChangeButton", scratch.file("missing.lxm"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Alphabet mapping file couldn't be opened.");
    EXPECT_FALSE(startEnabled());

    writeFile(scratch.file("good.lxm"), "a=A\n-=\n");
    choose("mappingChangeButton", scratch.file("good.lxm"));
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(text("mappingFileEdit"), QString::fromStdString(scratch.file("good.lxm")));
    EXPECT_TRUE(startEnabled());
}

TEST_F(BuilderWindow, ChoosingAWordListProposesItsDictionaryName) {
    open();
    choose("wordListChangeButton", "/lists/j.smith/words");
    EXPECT_EQ(text("wordListEdit"), "/lists/j.smith/words");
    EXPECT_EQ(text("outputFileEdit"), "/lists/j.smith/words.lxd");
    choose("wordListChangeButton", "/lists/british.txt");
    EXPECT_EQ(text("outputFileEdit"), "/lists/british.lxd");

    choose("outputChangeButton", "/dictionaries/mine.lxd");
    EXPECT_EQ(text("outputFileEdit"), "/dictionaries/mine.lxd");
    EXPECT_EQ(text("wordListEdit"), "/lists/british.txt");

    ASSERT_EQ(dialogs.requests.size(), 3u);
    EXPECT_EQ(dialogs.requests[0].title, "Word List File Selection");
    EXPECT_EQ(dialogs.requests[0].filter, "Word list files (*.txt);;All Files (*)");
    EXPECT_EQ(dialogs.requests[2].title, "Dictionary File Selection");
    EXPECT_EQ(dialogs.requests[2].filter, "Wyx&Tessaran Dictionary files (*.lxd);;All Files (*)");
    EXPECT_EQ(dialogs.requests[2].defaultSuffix, "lxd");
    EXPECT_TRUE(dialogs.requests[2].save);
}

TEST_F(BuilderWindow, SpinArrowsAndArrowKeysStepWithinTheirRanges) {
    open();
    click("minimumSpinDown");
    EXPECT_EQ(text("minimumEdit"), "1");
    click("minimumSpinUp");
    click("minimumSpinUp");
    EXPECT_EQ(text("minimumEdit"), "3");
    click("maximumSpinUp");
    EXPECT_EQ(text("maximumEdit"), "31");
    type("commonalityEdit", "-19");
    click("commonalitySpinDown");
    click("commonalitySpinDown");
    EXPECT_EQ(text("commonalityEdit"), "-20");
    // A field typed out of range steps back into it.
    type("maximumEdit", "50");
    QTest::keyClick(control<QLineEdit>("maximumEdit"), Qt::Key_Down);
    EXPECT_EQ(text("maximumEdit"), "31");
    QTest::keyClick(control<QLineEdit>("maximumEdit"), Qt::Key_Down);
    EXPECT_EQ(text("maximumEdit"), "30");

    click("sortListCheck");
    EXPECT_FALSE(control<QLineEdit>("commonalityEdit")->isEnabled());
    EXPECT_FALSE(control<QWidget>("commonalitySpin")->isEnabled());
    click("sortListCheck");
    EXPECT_TRUE(control<QLineEdit>("commonalityEdit")->isEnabled());
    EXPECT_TRUE(control<QWidget>("commonalitySpin")->isEnabled());
}

TEST_F(BuilderWindow, BuildsADictionaryTheEditorOpensWithTypedValuesHeldToRange) {
    putDefaultMapBesideProgram();
    open();
    const std::string thirtyOne(31, 'q');
    const std::string list = "dog\nA\nzebra\ncat\nDog\n" + thirtyOne + "\n" + thirtyOne + "z\n";
    writeFile(scratch.file("words"), list);
    choose("wordListChangeButton", scratch.file("words"));
    type("descriptionEdit", QString::fromUtf8("Animals \u00e9\u20ac"));  // no euro in Latin-1
    type("minimumEdit", "0");
    type("maximumEdit", "50");
    type("commonalityEdit", "25");
    click("startButton");

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, kCaption);
    EXPECT_EQ(dialogs.shown[0].text, kSucceeded);
    EXPECT_EQ(dialogs.shown[0].icon, DMDialogs::Icon::Information);
    EXPECT_EQ(status(), "31 letter words handled OK");
    EXPECT_EQ(text("minimumEdit"), "1");
    EXPECT_EQ(text("maximumEdit"), "31");
    EXPECT_EQ(text("commonalityEdit"), "20");
    EXPECT_EQ(control<DMProgressBar>("progressBar")->percent(), 0);  // 7 lines: no progress

    const std::string output = scratch.file("words.lxd");
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(output));
    EXPECT_STREQ(dictionary.description(), "Animals \xe9");
    EXPECT_EQ(storedWords(dictionary, 1), std::vector<std::string>{"A"});
    EXPECT_EQ(storedWords(dictionary, 3).size(), 2u);  // "Dog" folds into "dog"
    EXPECT_EQ(storedWords(dictionary, 31), std::vector<std::string>{thirtyOne});

    // The same as a build told 1, 31 and 20 directly.
    AlphabetMapping mapping;
    ASSERT_TRUE(mapping.readFile(scratch.file("default.lxm")).success);
    const std::string expected = scratch.file("expected.lxd");
    ASSERT_TRUE(testing::buildDictionary(list, expected,
                                         {.description = "Animals \xe9",
                                          .sort = true,
                                          .commonality = 20,
                                          .minLength = 1,
                                          .maxLength = 31},
                                         mapping));
    EXPECT_EQ(readFile(output), readFile(expected));

    EXPECT_EQ(frame->dialog()->runState(), DMDialog::RunState::Ready);
    EXPECT_EQ(control<QPushButton>("startButton")->text(), "&Start");
}

TEST_F(BuilderWindow, AsksBeforeOverwritingAndNoLeavesTheFileAlone) {
    putDefaultMapBesideProgram();
    open();
    writeFile(scratch.file("words.txt"), "cat\ndog\n");
    writeFile(scratch.file("words.lxd"), "precious");
    choose("wordListChangeButton", scratch.file("words.txt"));
    type("minimumEdit", "0");

    dialogs.answers = {false};
    click("startButton");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].question);
    EXPECT_EQ(dialogs.shown[0].caption, kCaption);
    EXPECT_EQ(dialogs.shown[0].text,
              "A file named\n\n  " + QString::fromStdString(scratch.file("words.lxd")) +
                  "\n\nalready exists.\n\nAre you sure you want to overwrite this?\n");
    EXPECT_EQ(dialogs.shown[0].icon, DMDialogs::Icon::Exclamation);
    EXPECT_EQ(readFile(scratch.file("words.lxd")), "precious");
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(startEnabled());

    dialogs.answers = {true};
    click("startButton");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].text, kSucceeded);
    Dictionary dictionary;
    EXPECT_TRUE(dictionary.open(scratch.file("words.lxd")));
}

TEST_F(BuilderWindow, AFailedBuildIsShownInTheStatusLineAndAMessage) {
    putDefaultMapBesideProgram();
    open();
    writeFile(scratch.file("words.txt"), "cat\n");
    choose("wordListChangeButton", scratch.file("words.txt"));
    std::filesystem::remove(scratch.file("words.txt"));
    click("startButton");
    EXPECT_EQ(status(), "Couldn't open input file \"" +
                            QString::fromStdString(scratch.file("words.txt")) + "\"");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kFailed);
    EXPECT_EQ(dialogs.shown[0].icon, DMDialogs::Icon::Exclamation);
}

TEST_F(BuilderWindow, AbandonStopsALargeBuildAndTheWindowCannotCloseMeanwhile) {
    putDefaultMapBesideProgram();
    open();
    std::string list;
    for (int i = 0; i < 40000; ++i) {
        std::string word(i % 8, 'e');
        for (int n = i * 7919 % 100003; n > 0; n /= 26)
            word += static_cast<char>('a' + n % 26);
        list += word + "\n";
    }
    writeFile(scratch.file("large.txt"), list);
    choose("wordListChangeButton", scratch.file("large.txt"));

    bool ran = false;
    // Runs at a progress call of the build, which pumps the event loop: the first one,
    // or, when a picture of the window is wanted, one half way through writing a length.
    const QString shot = qEnvironmentVariable("LEXIFORGE_SCREENSHOT");
    std::function<void()> abandon = [&] {
        if (!shot.isEmpty() &&
            (std::abs(control<DMProgressBar>("progressBar")->percent() - 50) > 20 ||
             !status().contains("letter words"))) {
            QMetaObject::invokeMethod(frame.get(), abandon, Qt::QueuedConnection);
            return;
        }
        if (!shot.isEmpty())
            frame->grab().save(shot);
        ran = true;
        DMDialog* dialog = frame->dialog();
        EXPECT_EQ(dialog->runState(), DMDialog::RunState::Building);
        EXPECT_EQ(control<QPushButton>("startButton")->text(), "&Abandon");
        for (const char* name :
             {"mappingChangeButton", "wordListChangeButton", "outputChangeButton", "outputFileEdit",
              "descriptionEdit", "minimumEdit", "minimumSpin", "maximumEdit", "maximumSpin",
              "sortListCheck", "commonalityEdit", "commonalitySpin", "closeButton"})
            EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
        EXPECT_TRUE(control<QPushButton>("helpButton")->isEnabled());
        EXPECT_TRUE(control<QPushButton>("startButton")->isEnabled());

        EXPECT_FALSE(frame->close());
        click("startButton");
        EXPECT_EQ(dialog->runState(), DMDialog::RunState::AbandonRequested);
        EXPECT_FALSE(frame->close());
        EXPECT_TRUE(frame->isVisible());
    };
    QMetaObject::invokeMethod(frame.get(), abandon, Qt::QueuedConnection);
    click("startButton");

    ASSERT_TRUE(ran);
    EXPECT_EQ(status(), "Dictionary creation abandoned");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kFailed);
    Dictionary dictionary;
    EXPECT_FALSE(dictionary.open(scratch.file("large.lxd")));
    EXPECT_EQ(control<QPushButton>("startButton")->text(), "&Start");
    EXPECT_TRUE(control<QPushButton>("closeButton")->isEnabled());
    EXPECT_TRUE(startEnabled());
    click("closeButton");
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(BuilderWindow, HelpShowsTheManualBesideTheProgramOrInstalled) {
    open();
    // No manual: the user is told rather than shown an empty window.
    click("helpButton");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, kCaption);
    EXPECT_EQ(frame->findChild<DMHelpWindow*>(), nullptr);

    // The manual copied beside the program by the build.
    const QString built = TESSARAN_BINARY_DIR "/src/builder";
    EXPECT_EQ(DMDialog::helpFilePath(built), QDir::cleanPath(built + "/help/lexiforge.html"));
    programFolder = built.toStdString();
    open();
    QTest::keyClick(control<QLineEdit>("descriptionEdit"), Qt::Key_F1);
    auto* help = frame->findChild<DMHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains("mapping file"));

    // The installed layout: bin/lexiforge and share/tessaran/help/lexiforge.html.
    std::filesystem::create_directories(scratch.file("share/tessaran/help"));
    std::filesystem::create_directories(scratch.file("bin"));
    writeFile(scratch.file("share/tessaran/help/lexiforge.html"), "<p>installed</p>");
    EXPECT_EQ(DMDialog::helpFilePath(QString::fromStdString(scratch.file("bin"))),
              QString::fromStdString(scratch.file("share/tessaran/help/lexiforge.html")));
}

TEST(DMProgressBar, DrawsTheDonePartGreyAndTheRestWhiteInABlackOutline) {
    ensureApplication();
    DMProgressBar bar;
    bar.resize(102, 12);
    bar.setPercent(150);
    EXPECT_EQ(bar.percent(), 100);
    bar.setPercent(25);
    const QImage picture = bar.grab().toImage();
    EXPECT_EQ(picture.pixelColor(0, 5), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(101, 5), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(20, 5), QColor(Qt::gray));
    EXPECT_EQ(picture.pixelColor(30, 5), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(50, 0), QColor(Qt::black));
}

}  // namespace
}  // namespace tessaran
