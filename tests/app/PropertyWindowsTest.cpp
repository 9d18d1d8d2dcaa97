// The View, Grid, Cell and Light Properties windows, driven through their menu commands
// with key presses and clicks, the colour and font choosers answered by the test; checked
// in the model, the grid file written afterwards and the settings file.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include "AppTestSupport.h"
#include "app/CellPropertiesViewWindows.h"
#include "app/EditorCommands.h"
#include "app/GridPropertiesViewWindows.h"
#include "app/LightPropertiesViewWindows.h"
#include "app/PropertyDialogsWindows.h"
#include "app/Settings.h"
#include "app/ViewPropertiesViewWindows.h"

namespace tessaran {
namespace {

// An editor on a 5x5 grid with every light (no symmetry), its settings in a fresh
// tessaran.ini of a temporary folder, and its property windows.
class PropertyWindows : public ::testing::Test {
protected:
    PropertyWindows()
        : settings(editor.view().settings()),
          dialogs(editor.view().findChild<PropertyDialogsWindows*>()) {
        grid().setting(GridSetting::Symmetry).setDefault(0);
        grid().newGrid(5, 5, true);
    }

    Grid& grid() { return editor.grid(); }
    ViewSettings& view() { return editor.view().viewSettings(); }
    Light* across(int row) { return grid().lightOf(grid().cellAt(row, 0), Direction::Across); }
    std::string ini() { return readFile(editor.tempPath("tessaran.ini")); }
    std::string savedGrid() {
        const QString path = editor.tempPath("saved.tgr");
        EXPECT_EQ(grid().writeGrid(QFile::encodeName(path).toStdString()), 0);
        return readFile(path);
    }

    template <typename T = QWidget>
    static T* control(QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // A click where a user clicks a check box: on its square.
    static void tick(QWidget& window, const char* name) {
        QWidget* box = control(window, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    static void click(QWidget& window, const char* name) {
        QWidget* button = control(window, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    // Picks a list entry from the opened list, as a user does.
    static void choose(QWidget& window, const char* name, int index) {
        auto* list = control<QComboBox>(window, name);
        list->showPopup();
        QAbstractItemView* entries = list->view();
        entries->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(entries, Qt::Key_Return);
        EXPECT_EQ(list->currentIndex(), index);
    }
    static void type(QWidget& window, const char* name, const QString& text) {
        auto* edit = control<QLineEdit>(window, name);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    static void clear(QWidget& window, const char* name) {
        auto* edit = control<QLineEdit>(window, name);
        edit->end(false);
        while (!edit->text().isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
    }
    static QString shown(QWidget& window, const char* name) {
        return control<QLineEdit>(window, name)->text();
    }
    static bool ticked(QWidget& window, const char* name) {
        return control<QCheckBox>(window, name)->isChecked();
    }

    EditorFixture editor;
    Settings& settings;
    PropertyDialogsWindows* dialogs;
};

TEST_F(PropertyWindows, GridOverridesTickUntickAndChooseWithUndoAndTheFile) {
    editor.trigger(command::GridProperties);
    GridPropertiesViewWindows& window = dialogs->gridProperties();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Grid Properties"));
    EXPECT_FALSE(ticked(window, "backgroundBox"));

    // Ticking makes the default the grid's own; a chosen colour becomes the override.
    tick(window, "backgroundBox");
    EXPECT_TRUE(view().backgroundColour().isOverridden());
    EXPECT_EQ(view().backgroundColour().value(), rgb(255, 255, 255));
    EXPECT_EQ(grid().undoState(), 2);
    editor.dialogs.colours.push_back(QColor(255, 200, 0));
    click(window, "background");
    EXPECT_EQ(view().backgroundColour().value(), rgb(255, 200, 0));
    EXPECT_NE(savedGrid().find("BackgroundColor=255,200,0\r\n"), std::string::npos);

    // Unticking returns to the default at once; the file no longer carries the colour.
    tick(window, "backgroundBox");
    EXPECT_FALSE(view().backgroundColour().isOverridden());
    EXPECT_EQ(view().backgroundColour().value(), rgb(255, 255, 255));
    EXPECT_EQ(savedGrid().find("BackgroundColor"), std::string::npos);

    // A list choice ticks its box and takes effect: numbering off empties the numbers.
    ASSERT_TRUE(grid().cellAt(0, 0).shownNumber());
    choose(window, "numbering", 1);
    EXPECT_TRUE(ticked(window, "numberingBox"));
    EXPECT_EQ(grid().settingValue(GridSetting::Numbering), 1);
    EXPECT_FALSE(grid().cellAt(0, 0).shownNumber());
    EXPECT_NE(savedGrid().find("NumbersOff=1\r\n"), std::string::npos);

    // Every change took its checkpoint: Undo brings the numbers back and the window
    // follows.
    choose(window, "symmetry", 6);
    EXPECT_EQ(grid().settingValue(GridSetting::Symmetry), 6);
    editor.trigger(command::Undo);
    EXPECT_EQ(grid().settingValue(GridSetting::Symmetry), 0);
    EXPECT_FALSE(ticked(window, "symmetryBox"));
    EXPECT_EQ(control<QComboBox>(window, "symmetry")->currentIndex(), 0);
    EXPECT_TRUE(ticked(window, "numberingBox"));

    // The description: typed whole under one checkpoint, empty clears it.
    type(window, "description", QStringLiteral("Prize puzzle"));
    EXPECT_EQ(grid().description(), "Prize puzzle");
    editor.trigger(command::Undo);
    EXPECT_FALSE(grid().description());
    EXPECT_EQ(shown(window, "description"), QString());
}

TEST_F(PropertyWindows, FontChosenIsStoredInTwipsWithItsColour) {
    editor.trigger(command::GridProperties);
    GridPropertiesViewWindows& window = dialogs->gridProperties();
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(12);
    chosen.setItalic(true);
    editor.dialogs.fonts.push_back(FontChoice{chosen, QColor(0, 0, 255)});
    click(window, "textFont");
    // 12 points are 16 pixels at 96 dots an inch; at zoom 100 % a pixel is 15 twips.
    const FontSpec& font = view().textFont().value();
    EXPECT_TRUE(view().textFont().isOverridden());
    EXPECT_TRUE(ticked(window, "textFontBox"));
    EXPECT_EQ(font.height, -240);
    EXPECT_EQ(font.faceName, "DejaVu Serif");
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.colour, rgb(0, 0, 255));
    EXPECT_NE(savedGrid().find("TextFont=0,0,255,-240,0,0,0,"), std::string::npos);

    // At 150 % a screen pixel is 10 twips: the same choice is a smaller font in twips.
    view().zoomFactor = 150;
    editor.dialogs.fonts.push_back(FontChoice{chosen, QColor(0, 0, 0)});
    window.reload();
    click(window, "numberFont");
    EXPECT_EQ(view().numberFont().value().height, -160);

    // Cancelling the chooser changes nothing.
    const int state = grid().undoState();
    click(window, "numberFont");
    EXPECT_EQ(view().numberFont().value().height, -160);
    EXPECT_EQ(grid().undoState(), state);
}

TEST_F(PropertyWindows, SaveAsDefaultsWritesExactlyItsGroup) {
    editor.trigger(command::GridProperties);
    GridPropertiesViewWindows& window = dialogs->gridProperties();
    choose(window, "numberPosition", 1);
    choose(window, "symmetry", 2);
    click(window, "numberingGroupSaveAsDefaults");
    EXPECT_EQ(ini(), "[Numbering]\nNumbersOff=0\nNumbersTopLeft=1\n");
    // The override became the default; the editing override stays the grid's own.
    EXPECT_FALSE(grid().setting(GridSetting::NumberPosition).isOverridden());
    EXPECT_EQ(grid().setting(GridSetting::NumberPosition).defaultValue(), 1);
    EXPECT_FALSE(ticked(window, "numberPositionBox"));
    EXPECT_TRUE(ticked(window, "symmetryBox"));

    editor.dialogs.colours.push_back(QColor(10, 20, 30));
    click(window, "foreground");
    click(window, "appearanceGroupSaveAsDefaults");
    const std::string written = ini();
    EXPECT_NE(written.find("[Appearance]\nForegroundColor=10,20,30\nBackgroundColor=255,255,255\n"
                           "NumberFont="),
              std::string::npos);
    EXPECT_NE(written.find("BlockHole=0\n"), std::string::npos);
    EXPECT_EQ(written.find("[Editing]"), std::string::npos);
    EXPECT_EQ(savedGrid().find("ForegroundColor"), std::string::npos);

    // The settings file cannot be written: the user is told, not left believing it saved.
    Settings unwritable(grid(), view(), "/proc/tessaran-test/tessaran.ini",
                        editor.temp.path().toStdString());
    EXPECT_FALSE(saveAsDefaultsWindows(editor.view(), unwritable, &Settings::saveEditing));
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Save As Defaults"));
}

TEST_F(PropertyWindows, SymmetryPicturesDifferAndFollowThePartnerRules) {
    std::vector<QImage> pictures;
    for (int type = 0; type < PVWSymmetry::kTypeCount; ++type)
        pictures.push_back(PVWSymmetry::picture(type, 43).toImage());
    for (size_t a = 0; a < pictures.size(); ++a)
        for (size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_NE(pictures[a], pictures[b]) << a << " and " << b;
    // With no symmetry only the two seed lights are shaded; a half turn adds one copy.
    const auto shadedCells = [](const QImage& image) {
        int cells = 0;
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 7; ++column)
                cells += image.pixelColor(column * 6 + 4, row * 6 + 4) != Qt::white;
        return cells;
    };
    EXPECT_EQ(shadedCells(pictures[0]), 5);
    EXPECT_EQ(shadedCells(pictures[1]), 10);
    EXPECT_GT(shadedCells(pictures[6]), shadedCells(pictures[5]));
}

TEST_F(PropertyWindows, ViewChangesTakeNoCheckpointAndSaveTheViewKeys) {
    view().zoomFactor = 80;  // not offered: shown as 100 %
    editor.trigger(command::ViewProperties);
    ViewPropertiesViewWindows& window = dialogs->viewProperties();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("View Properties"));
    EXPECT_EQ(control<QComboBox>(window, "zoom")->currentText(), QStringLiteral("100%"));

    const QSize before = editor.view().sizeHint();
    choose(window, "zoom", 1);
    EXPECT_EQ(view().zoomFactor, 150);
    EXPECT_GT(editor.view().sizeHint().width(), before.width());
    choose(window, "arrowMode", 2);
    EXPECT_EQ(view().arrowMode, ArrowMode::Always);
    choose(window, "fillSyncFrequency", 2);
    EXPECT_EQ(settings.fillSyncFrequency, 2);
    editor.dialogs.colours.push_back(QColor(200, 0, 0));
    click(window, "overunchedColour");
    EXPECT_EQ(view().overunchedColour, rgb(200, 0, 0));
    EXPECT_EQ(grid().undoState(), 0);

    click(window, "saveAsDefaults");
    EXPECT_EQ(ini(),
              "[View]\nZoomFactor=150\nArrowMode=2\nFillSyncFrequency=2\n"
              "UnderunchedColor=0,0,0\nOverunchedColor=200,0,0\n"
              "MainBranchFillingColor=0,0,0\nSideBranchFillingColor=0,0,0\n");
}

TEST_F(PropertyWindows, CellWindowFollowsTheSelectionAndEditsTheCell) {
    editor.trigger(command::CellProperties);
    CellPropertiesViewWindows& window = dialogs->cellProperties();
    EXPECT_FALSE(control(window, "content")->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Cell Properties"));

    Cell& first = grid().cellAt(0, 2);
    editor.view().selectCell(&first);
    EXPECT_TRUE(control(window, "content")->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Cell Properties - row 1, col 3"));
    // Inherited values show with clear boxes: the automatic number, the grid's colour.
    EXPECT_FALSE(ticked(window, "numberBox"));
    EXPECT_EQ(shown(window, "number"), QString::fromStdString(*first.shownNumber()));
    EXPECT_FALSE(control(window, "blockType")->isEnabled());  // a light cell

    clear(window, "number");
    type(window, "number", QStringLiteral("7a"));
    EXPECT_EQ(first.number(CellCorner::Main), "7a");
    EXPECT_TRUE(ticked(window, "numberBox"));
    EXPECT_EQ(first.shownNumber(), "7a");
    // The entry is one edit for Undo.
    control<QLineEdit>(window, "number")->clearFocus();
    editor.trigger(command::Undo);
    // Undo rebuilds every cell; the selection moves to the new one.
    Cell& cell = *editor.view().selectedCell();
    EXPECT_EQ(&cell, &grid().cellAt(0, 2));
    EXPECT_FALSE(cell.number(CellCorner::Main));

    type(window, "southEastNumber", QStringLiteral("x"));
    EXPECT_EQ(cell.number(CellCorner::SouthEast), "x");
    clear(window, "southEastNumber");
    EXPECT_FALSE(cell.number(CellCorner::SouthEast));

    // Letters are typed key by key; one the grid cannot store in Latin-1 is not taken.
    control(window, "text")->setFocus();
    for (const QChar c : QStringLiteral("Q\u20acU\u00c9")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control(window, "text"), &press);
    }
    EXPECT_EQ(cell.text(), "QU\xc9");
    EXPECT_TRUE(ticked(window, "textBox"));
    tick(window, "textBox");
    EXPECT_FALSE(cell.text());

    editor.dialogs.colours.push_back(QColor(0, 128, 0));
    click(window, "background");
    EXPECT_EQ(cell.backgroundColour(), rgb(0, 128, 0));
    EXPECT_NE(savedGrid().find("BackgroundColor=0,128,0"), std::string::npos);

    // A block has a type of its own; another selection reloads; none empties.
    Cell& block = grid().cellAt(1, 1);
    grid().toggleBlock(block);
    ASSERT_FALSE(block.inAnyLight());
    editor.view().selectCell(&block);
    EXPECT_TRUE(control(window, "blockType")->isEnabled());
    EXPECT_FALSE(ticked(window, "backgroundBox"));
    choose(window, "blockType", 1);
    EXPECT_EQ(block.blockType(), 1);
    tick(window, "blockTypeBox");
    EXPECT_EQ(block.blockType(), -1);
    editor.view().clearSelection();
    EXPECT_FALSE(control(window, "content")->isEnabled());
    EXPECT_EQ(shown(window, "text"), QString());
    // A message box disables the tool windows and enables them again afterwards; the
    // controls stay greyed while there is nothing to show.
    editor.view().showMessage(QStringLiteral("Note"), QStringLiteral("Text"), MessageButtons::Ok,
                              MessageIcon::Information);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(control(window, "content")->isEnabled());
}

TEST_F(PropertyWindows, LightWindowFollowsTheSelectionAndEditsTheLight) {
    editor.trigger(command::LightProperties);
    LightPropertiesViewWindows& window = dialogs->lightProperties();
    EXPECT_FALSE(control(window, "content")->isEnabled());

    Light* light = across(2);
    editor.view().selectLight(light);
    EXPECT_TRUE(control(window, "content")->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Light Properties - 7a (5)"));
    // No number of its own: the first cell's number shows, the box is clear.
    EXPECT_FALSE(ticked(window, "numberBox"));
    EXPECT_EQ(shown(window, "number"), QStringLiteral("7"));

    // Trailing dots say nothing and are not kept, but stay in the edit while typing so
    // that a later letter can follow them.
    type(window, "text", QStringLiteral("AB.."));
    EXPECT_EQ(light->text(), "AB");
    EXPECT_EQ(shown(window, "text"), QStringLiteral("AB.."));
    QTest::keyClicks(control(window, "text"), QStringLiteral("E"));
    EXPECT_EQ(light->text(), "AB..E");
    EXPECT_EQ(grid().cellAt(2, 4).shownText(), "E");
    clear(window, "text");
    EXPECT_FALSE(light->text());

    tick(window, "numberBox");
    EXPECT_EQ(light->number(), "7");
    clear(window, "number");
    type(window, "number", QStringLiteral("12"));
    EXPECT_EQ(light->number(), "12");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Light Properties - 12a (5)"));

    tick(window, "backgroundBox");
    EXPECT_EQ(light->backgroundColour(), rgb(255, 255, 255));
    tick(window, "backgroundBox");
    EXPECT_FALSE(light->backgroundColour());

    // The selected light is deleted: the window empties and is disabled.
    editor.trigger(command::DeleteLight);
    EXPECT_EQ(editor.view().selectedLight(), nullptr);
    EXPECT_FALSE(control(window, "content")->isEnabled());
    EXPECT_EQ(shown(window, "number"), QString());
}

// The colour and font boxes of both selection windows: ticking takes the inherited value
// as the object's own, a choice replaces it, clearing gives it back.
TEST_F(PropertyWindows, SelectionWindowsTakeChooseAndGiveBackColoursAndFonts) {
    editor.trigger(command::CellProperties);
    editor.trigger(command::LightProperties);
    ASSERT_NE(across(4), nullptr);
    // Undo rebuilds the cells and lights: each is looked up afresh.
    struct Case {
        QWidget* window;
        std::function<void()> select;
        std::function<std::optional<Colour>()> colour;
        std::function<std::optional<FontSpec>()> font;
    };
    const Case cases[] = {
        {&dialogs->cellProperties(), [&] { editor.view().selectCell(&grid().cellAt(3, 1)); },
         [&] { return grid().cellAt(3, 1).backgroundColour(); },
         [&] { return grid().cellAt(3, 1).textFont(); }},
        {&dialogs->lightProperties(), [&] { editor.view().selectLight(across(4)); },
         [&] { return across(4)->backgroundColour(); }, [&] { return across(4)->textFont(); }},
    };
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(12);
    for (const Case& c : cases) {
        QWidget& window = *c.window;
        c.select();
        tick(window, "textFontBox");
        ASSERT_TRUE(c.font());
        EXPECT_EQ(*c.font(), view().textFont().value());
        editor.dialogs.fonts.push_back(FontChoice{chosen, QColor(0, 0, 255)});
        click(window, "textFont");
        ASSERT_TRUE(c.font());
        EXPECT_EQ(c.font()->faceName, "DejaVu Serif");
        EXPECT_EQ(c.font()->colour, rgb(0, 0, 255));
        // The choice is a step of its own: Undo goes back to the font the tick took.
        editor.trigger(command::Undo);
        c.select();
        ASSERT_TRUE(c.font());
        EXPECT_EQ(*c.font(), view().textFont().value());
        EXPECT_TRUE(ticked(window, "textFontBox"));
        tick(window, "textFontBox");
        EXPECT_FALSE(c.font());
        EXPECT_FALSE(ticked(window, "textFontBox"));

        editor.dialogs.colours.push_back(QColor(200, 0, 0));
        click(window, "background");
        EXPECT_EQ(c.colour(), rgb(200, 0, 0));
        EXPECT_TRUE(ticked(window, "backgroundBox"));
        tick(window, "backgroundBox");
        EXPECT_FALSE(c.colour());
        tick(window, "backgroundBox");
        EXPECT_EQ(c.colour(), view().backgroundColour().value());  // the inherited one shown

        // With nothing selected no box stays ticked and no list keeps a choice.
        editor.view().clearSelection();
        for (QCheckBox* box : window.findChildren<QCheckBox*>())
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        for (QComboBox* list : window.findChildren<QComboBox*>())
            EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString();
    }
}

TEST_F(PropertyWindows, WindowsOpenBesideTheMainWindowNotOverTheGrid) {
    editor.frame().setGeometry(0, 0, 300, 300);
    editor.frame().show();
    editor.trigger(command::CellProperties);
    editor.trigger(command::LightProperties);
    QWidget& cell = dialogs->cellProperties();
    QWidget& light = dialogs->lightProperties();
    const QRect screen = editor.frame().screen()->availableGeometry();
    for (QWidget* window : {&cell, &light}) {
        EXPECT_GT(window->x(), editor.frame().frameGeometry().right());
        EXPECT_TRUE(screen.contains(window->frameGeometry().topLeft()));
    }
    EXPECT_GT(light.y(), cell.y());  // the second one a little lower

    // The whole screen, to look at the windows as a user sees them.
    const QString folder = qEnvironmentVariable("TESSARAN_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        editor.view().selectLight(across(1));
        QTest::qWait(300);
        editor.frame().screen()->grabWindow(0).save(folder + QStringLiteral("/desktop.png"));
    }
}

// The controls tell their window only what the user did: a value loaded into them is
// silent, so that loading a window never changes the model.
TEST(PVWControls, ReportUserActionsOnlyAndSpinsStepBothWays) {
    std::vector<QString> events;
    PVWCheckBox box(QStringLiteral("Numbering:"));
    QObject::connect(&box, &PVWCheckBox::toggledByUser,
                     [&](bool on) { events.push_back(on ? "ticked" : "cleared"); });
    box.setTicked(true);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
    PVWEnumeration list({QStringLiteral("Enabled"), QStringLiteral("Disabled")});
    QObject::connect(&list, &PVWEnumeration::chosen,
                     [&](int value) { events.push_back(QString::number(value)); });
    list.setValue(1);
    list.setValue(7);  // not a value of the list: nothing shown
    EXPECT_EQ(list.currentIndex(), -1);
    PVWSpin spin(12);
    QObject::connect(&spin, &PVWSpin::stepped,
                     [&](int steps) { events.push_back(QStringLiteral("step %1").arg(steps)); });
    QObject::connect(&spin, &PVWSpin::edited, [&](const QString& t) { events.push_back(t); });
    spin.showText(QStringLiteral("25"));
    QTest::keyClick(&spin, Qt::Key_Up);
    QTest::keyClick(&spin, Qt::Key_Down);
    QTest::keyClick(&spin, Qt::Key_End);
    QTest::keyClick(&spin, Qt::Key_5);
    EXPECT_EQ(events, (std::vector<QString>{"cleared", "step 1", "step -1", "255"}));
}

// Every window laid out without clipping any label or control; with
// TESSARAN_SCREENSHOT_DIR set, each is also saved there as a picture to look at.
TEST_F(PropertyWindows, EveryWindowShowsItsLabelsWhole) {
    grid().cellAt(0, 0).setBackgroundColour(rgb(255, 255, 160));
    grid().refresh();
    editor.view().selectLight(across(0));
    editor.trigger(command::ViewProperties);
    editor.trigger(command::GridProperties);
    editor.trigger(command::LightProperties);
    editor.trigger(command::CellProperties);
    editor.view().selectCell(&grid().cellAt(0, 0));
    const QString folder = qEnvironmentVariable("TESSARAN_SCREENSHOT_DIR");
    const std::pair<QWidget*, const char*> windows[] = {
        {&dialogs->viewProperties(), "view-properties.png"},
        {&dialogs->gridProperties(), "grid-properties.png"},
        {&dialogs->cellProperties(), "cell-properties.png"},
        {&dialogs->lightProperties(), "light-properties.png"},
    };
    for (const auto& [window, file] : windows) {
        // Each selection window is looked at with something to show.
        if (window == &dialogs->lightProperties())
            editor.view().selectLight(across(0));
        checkLayout(*window, file);
    }
    if (!folder.isEmpty()) {
        auto* symmetry = control<QComboBox>(dialogs->gridProperties(), "symmetry");
        symmetry->showPopup();
        QCoreApplication::processEvents();
        symmetry->view()->window()->grab().save(folder + QStringLiteral("/symmetry-list.png"));
        symmetry->hidePopup();
        QImage strip(10 * 52, 52, QImage::Format_RGB32);
        strip.fill(Qt::lightGray);
        QPainter painter(&strip);
        for (int type = 0; type < PVWSymmetry::kTypeCount; ++type)
            painter.drawPixmap(type * 52 + 2, 2, PVWSymmetry::picture(type, 48));
        painter.end();
        strip.save(folder + QStringLiteral("/symmetry-pictures.png"));
    }
}

}  // namespace
}  // namespace tessaran
