// Editing as a user does it: presses, drags and releases at computed pixels of the grid
// window, the keys that move the selection, and typing into lights and cells.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"
#include "app/GridNavigation.h"
#include "dictionary/TestDictionaries.h"
#include "grid/EditingTestSupport.h"

namespace tessaran {
namespace {

using testing::lightList;
using testing::specText;

// A shown editor on a new grid with the given size and symmetry.
class EditingWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // No dictionary until a test builds one.
        grid().setDefaultDictionary(TESSARAN_BINARY_DIR "/no-such-dictionary.lxd");
        editor.app.show();
        newGrid(15, 1);
    }
    void newGrid(int size, int symmetry) {
        grid().newGrid(size, size, false);
        grid().setting(GridSetting::Symmetry).setOverride(symmetry);
        grid().refresh();
    }
    GridViewWindows& view() { return editor.view(); }
    Grid& grid() { return editor.grid(); }
    // A pixel of cell (row, column): fx and fy in 1/100 of the cell from its top-left.
    QPoint at(int row, int column, int fx = 50, int fy = 50) {
        const QRect r = view().cellRect(grid().cellAt(row, column));
        return r.topLeft() + QPoint(r.width() * fx / 100, r.height() * fy / 100);
    }
    void press(QPoint p) { QTest::mousePress(&view(), Qt::LeftButton, {}, p); }
    void move(QPoint p) { QTest::mouseMove(&view(), p); }
    void release(QPoint p) { QTest::mouseRelease(&view(), Qt::LeftButton, {}, p); }
    void drag(QPoint from, QPoint to) {
        press(from);
        move(to);
        release(to);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&view(), k, modifiers);
    }
    QString status() { return editor.frame().statusBar()->currentMessage(); }
    std::string selected() {
        return view().selectedLight() ? specText(view().selectedLight()->spec()) : "none";
    }

    EditorFixture editor;
};

TEST_F(EditingWindow, AClickSelectsACellAndADiagonalDragAddsLightsWithTheirPartners) {
    press(at(3, 4, 30, 40));
    release(at(3, 4, 70, 60));
    EXPECT_EQ(view().selectedCell(), &grid().cellAt(3, 4));
    EXPECT_EQ(status(), QStringLiteral("Cell: row 4, col 5"));
    EXPECT_TRUE(grid().lights().empty());

    press(at(0, 0));
    move(at(1, 4));  // four columns and one row away: across
    EXPECT_EQ(status(), QStringLiteral("Adding light: (1,1)-(1,5)a (5)"));
    EXPECT_EQ(view().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view().drag().bandOutlines().size(), 2u);
    release(at(1, 4));
    EXPECT_EQ(lightList(grid()), (std::vector<std::string>{"(0,0)-(4,0)a", "(10,14)-(14,14)a"}));
    EXPECT_EQ(selected(), "(0,0)-(4,0)a");
    EXPECT_EQ(view().caret(), 0);
    EXPECT_EQ(status(), QStringLiteral("Light: 1a (5)"));
    EXPECT_EQ(grid().undoState(), 2);
    EXPECT_FALSE(view().drag().isDragging());

    drag(at(4, 6), at(7, 9));  // three each way: down
    EXPECT_EQ(selected(), "(6,4)-(6,7)d");
    EXPECT_EQ(grid().lights().size(), 4u);

    // At another zoom the cells are hit where they are now drawn.
    view().viewSettings().zoomFactor = 50;
    view().viewChanged();
    EXPECT_LT(view().cellRect(grid().cellAt(9, 9)).width(), 20);
    drag(at(9, 9), at(9, 11));
    EXPECT_EQ(selected(), "(9,9)-(11,9)a");
}

TEST_F(EditingWindow, TheSelectionComesBackToTheStatusBarAfterACommandHint) {
    // A menu or tool bar item shows its hint while the pointer is on it and clears it
    // with an empty one as the pointer leaves.
    auto hover = [&](int number) { editor.action(number)->showStatusText(editor.frame().menuBar()); };
    auto leave = [&] {
        QStatusTipEvent empty{QString()};
        QCoreApplication::sendEvent(editor.frame().menuBar(), &empty);
    };
    press(at(3, 4));
    release(at(3, 4));
    ASSERT_EQ(status(), QStringLiteral("Cell: row 4, col 5"));
    hover(command::New);
    EXPECT_EQ(status(), QStringLiteral("Create a new grid"));
    leave();
    EXPECT_EQ(status(), QStringLiteral("Cell: row 4, col 5"));

    // With nothing selected the bar is left blank, as it was.
    press(view().rect().bottomRight() - QPoint(2, 2));
    release(view().rect().bottomRight() - QPoint(2, 2));
    ASSERT_EQ(view().selectedCell(), nullptr);
    hover(command::Open);
    leave();
    EXPECT_EQ(status(), QString());
}

TEST_F(EditingWindow, DraggingAnEndLengthensTheLightAndItsPartners) {
    grid().addLight({2, 3, 5, 3, 1, 0});
    // The grab zone is twice the selection inset from the outer edge of the end cell.
    const int inset = view().metrics().inset;
    const QRect last = view().cellRect(grid().cellAt(3, 5));
    const QPoint end(last.right() - inset, last.center().y());
    move(end);
    EXPECT_EQ(view().cursor().shape(), Qt::BitmapCursor);  // the idle cursor shows the grab
    press(end);
    move(at(3, 9));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Moving light end: ")));
    release(at(3, 9));
    EXPECT_EQ(lightList(grid()), (std::vector<std::string>{"(2,3)-(9,3)a", "(5,11)-(12,11)a"}));
    EXPECT_EQ(selected(), "(2,3)-(9,3)a");
    move(at(7, 7));
    EXPECT_EQ(view().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(EditingWindow, AMovedBodyStopsAtTheGridEdgeAndEscCancelsADrag) {
    grid().addLight({1, 6, 4, 6, 1, 0});
    const QPoint edge = at(6, 2, 50, 3);  // the top edge of its second cell
    press(edge);
    move(at(6, 14));
    move(view().rect().bottomRight() + QPoint(200, 200));  // far past the grid
    EXPECT_TRUE(status().startsWith(QStringLiteral("Moving light body: ")));
    release(view().rect().bottomRight() + QPoint(200, 200));
    EXPECT_EQ(lightList(grid()), (std::vector<std::string>{"(0,0)-(3,0)a", "(11,14)-(14,14)a"}));
    EXPECT_EQ(selected(), "(11,14)-(14,14)a");
    EXPECT_EQ(view().caret(), 1);  // on the cell that was grabbed

    const int state = grid().undoState();
    const std::vector<std::string> before = lightList(grid());
    press(at(2, 2));
    move(at(2, 12));
    ASSERT_FALSE(view().drag().bandOutlines().empty());
    key(Qt::Key_Escape);
    EXPECT_TRUE(view().drag().bandOutlines().empty());
    EXPECT_FALSE(status().startsWith(QStringLiteral("Adding")));
    release(at(2, 12));
    EXPECT_EQ(lightList(grid()), before);
    EXPECT_EQ(grid().undoState(), state);
}

TEST_F(EditingWindow, EachNavigationKeyMovesTheSelectionOnAStandardGrid) {
    ASSERT_TRUE(view().openFile(exampleGrid("blocked15.tgr")));
    editor.frame().activateWindow();
    view().setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor.frame()));
    ASSERT_TRUE(view().hasFocus());
    key(Qt::Key_Home);
    ASSERT_NE(view().selectedLight(), nullptr);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Light: 1a (")));
    EXPECT_EQ(&view().selectedLight()->firstCell(), &grid().cellAt(0, 0));
    // Every key does in the window what the navigation rules say.
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        NavigationKey navigation;
    };
    const Step steps[] = {
        {Qt::Key_Right, {}, NavigationKey::Right},
        {Qt::Key_Right, Qt::ControlModifier, NavigationKey::Right},
        {Qt::Key_Down, {}, NavigationKey::Down},
        {Qt::Key_Tab, {}, NavigationKey::Tab},
        {Qt::Key_Backtab, Qt::ShiftModifier, NavigationKey::BackTab},
        {Qt::Key_Left, {}, NavigationKey::Left},
        {Qt::Key_Up, {}, NavigationKey::Up},
        {Qt::Key_End, {}, NavigationKey::End},
        {Qt::Key_Down, {}, NavigationKey::Down},
        {Qt::Key_PageUp, {}, NavigationKey::PageUp},
        {Qt::Key_PageDown, {}, NavigationKey::PageDown},
    };
    for (const Step& step : steps) {
        const EditorSelection before{view().selectedLight(), view().caret(), nullptr};
        const EditorSelection expected =
            navigate(grid(), before, step.navigation, step.modifiers == Qt::ControlModifier);
        key(step.key, step.modifiers);
        EXPECT_EQ(view().selectedLight(), expected.light) << step.key;
        EXPECT_EQ(view().caret(), expected.caret) << step.key;
    }
    // Tab stays in the grid window instead of moving the keyboard focus away.
    EXPECT_TRUE(view().hasFocus());
    // From a cell the keys move to the next cell, wrapping round.
    view().selectCell(&grid().cellAt(0, 0));
    key(Qt::Key_Left);
    EXPECT_EQ(view().selectedCell(), &grid().cellAt(0, 14));
    key(Qt::Key_Tab);
    EXPECT_EQ(view().selectedCell(), &grid().cellAt(1, 0));
    key(Qt::Key_PageDown);
    EXPECT_EQ(view().selectedCell(), &grid().cellAt(14, 14));
}

TEST_F(EditingWindow, TypingIntoALightInsertsOverwritesAndShowsDictionaryLetters) {
    grid().addLight({0, 0, 5, 0, 1, 0});
    Light* light = grid().lightOf(grid().cellAt(0, 0), Direction::Across);
    view().selectLight(light);

    // Without a dictionary each letter is reported and goes in as typed.
    QTest::keyClicks(&view(), "ab");
    EXPECT_EQ(light->text(), "ab");
    ASSERT_EQ(editor.dialogs.messages.size(), 2u);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("No Dictionary Available"));

    testing::ScratchFolder folder;
    const std::string path = folder.file("words.lxd");
    ASSERT_TRUE(testing::buildDictionary("crate\nbrace\ntrace\n", path));
    grid().setDictionary(path);
    view().setCaret(0);
    QTest::keyClicks(&view(), "ce");  // inserted before "ab"
    EXPECT_EQ(light->text(), "CEab");
    EXPECT_EQ(view().caret(), 2);
    EXPECT_EQ(editor.dialogs.messages.size(), 2u);
    key(Qt::Key_Insert);
    EXPECT_TRUE(view().overwriteMode());
    EXPECT_EQ(editor.frame().findChild<QLabel*>(QStringLiteral("indicatorOvr"))->text(),
              QStringLiteral("OVR"));
    QTest::keyClicks(&view(), "r t");  // overwrites; a space is an unknown letter
    EXPECT_EQ(light->text(), "CER.T");
    EXPECT_EQ(view().caret(), 5);
    key(Qt::Key_Backspace);
    EXPECT_EQ(light->text(), "CER");  // an unknown letter at the end is not kept
    EXPECT_EQ(grid().cellAt(0, 2).shownText(), "R");
    EXPECT_EQ(view().caret(), 4);
    // Left moves the caret back along the light; Delete takes the letter at the caret.
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(view().caret(), 1);
    key(Qt::Key_Delete);
    EXPECT_EQ(light->text(), "CR");
    QTest::keyClick(&view(), Qt::Key_Q, Qt::AltModifier);  // a menu key, not a letter
    EXPECT_EQ(light->text(), "CR");
    key(Qt::Key_Left);
    key(Qt::Key_Backspace);  // at caret 0 nothing goes and the caret stays
    EXPECT_EQ(view().caret(), 0);
    EXPECT_EQ(light->text(), "CR");
    // One undo step per keystroke (undo rebuilds the lights).
    editor.trigger(command::Undo);
    EXPECT_EQ(grid().lightOf(grid().cellAt(0, 0), Direction::Across)->text(), "CER");
}

TEST_F(EditingWindow, TypingIntoACellFollowsCapsLock) {
    grid().addLight({0, 7, 14, 7, 1, 0});
    grid().addLight({7, 0, 7, 14, 0, 1});
    Light* across = grid().lightOf(grid().cellAt(7, 7), Direction::Across);
    Light* down = grid().lightOf(grid().cellAt(7, 7), Direction::Down);
    press(at(7, 7));
    release(at(7, 7));
    ASSERT_EQ(view().selectedCell(), &grid().cellAt(7, 7));

    view().setLockKeys(false, false);
    QTest::keyClicks(&view(), "x");
    EXPECT_EQ(across->text(), ".......x");
    EXPECT_EQ(down->text(), ".......x");
    EXPECT_FALSE(grid().cellAt(7, 7).text());

    view().setLockKeys(true, false);
    QTest::keyClicks(&view(), "Y");
    EXPECT_EQ(grid().cellAt(7, 7).text(), "Y");
    EXPECT_EQ(across->text(), ".......x");
    key(Qt::Key_Delete);  // with Caps Lock on: the cell's own text goes
    EXPECT_FALSE(grid().cellAt(7, 7).text());
    view().setLockKeys(false, false);
    key(Qt::Key_Backspace);
    EXPECT_FALSE(across->text());
    EXPECT_FALSE(down->text());
}

TEST_F(EditingWindow, DoubleClickOpensThePropertiesOfWhatIsSelected) {
    std::vector<int> opened;
    for (const int number :
         {command::LightProperties, command::GridProperties, command::CellProperties})
        view().setCommandHandler(number, [&opened, number] { opened.push_back(number); });
    grid().addLight({0, 4, 6, 4, 1, 0});
    auto doubleClick = [this](QPoint p) {
        QTest::mouseClick(&view(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(&view(), Qt::LeftButton, {}, p);
        release(p);
    };
    doubleClick(at(4, 3, 50, 2));  // the light's edge selects the light
    doubleClick(at(10, 10));       // a cell
    doubleClick(QPoint(1, 1));     // outside the grid: nothing selected
    EXPECT_EQ(opened, (std::vector<int>{command::LightProperties, command::CellProperties,
                                        command::GridProperties}));
    EXPECT_EQ(lightList(grid()).size(), 2u);  // a double click adds and moves nothing
}

// Lights added under quarter-turn symmetry, step by step. With TESSARAN_SCREENSHOT_DIR
// set (run under xvfb-run with TESSARAN_TEST_PLATFORM=xcb) each step is also saved as a
// picture of the editor.
TEST_F(EditingWindow, LightsAddedUnderQuarterTurnSymmetryStepByStep) {
    newGrid(15, 2);
    editor.frame().resize(640, 640);
    editor.frame().activateWindow();
    view().setFocus();
    // The caret shows only with the focus; a window manager may keep it from us.
    static_cast<void>(QTest::qWaitForWindowActive(&editor.frame()));
    const QString folder = qEnvironmentVariable("TESSARAN_SCREENSHOT_DIR");
    int picture = 0;
    auto snap = [&](const char* name) {
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        editor.frame().grab().save(
            QDir(folder).filePath(QStringLiteral("editing-%1-%2.png").arg(++picture).arg(name)));
    };
    press(at(1, 1));
    move(at(2, 6));  // five columns, one row: across
    EXPECT_EQ(view().drag().bandOutlines().size(), 4u);
    snap("adding-across");
    release(at(2, 6));
    EXPECT_EQ(grid().lights().size(), 4u);
    snap("added");

    press(at(2, 3));
    move(at(8, 4));  // six rows, one column: down
    EXPECT_EQ(view().drag().bandOutlines().size(), 4u);
    snap("adding-down");
    release(at(8, 4));
    EXPECT_EQ(grid().lights().size(), 8u);

    drag(at(7, 0), at(7, 14));  // the middle row turns into the middle column
    EXPECT_EQ(grid().lights().size(), 10u);
    snap("middle-row-and-column");

    const int inset = view().metrics().inset;
    const QRect end = view().cellRect(grid().cellAt(1, 6));
    const QPoint grab(end.right() - inset, end.center().y());
    press(grab);
    move(at(1, 9));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Moving light end: ")));
    snap("lengthening");
    release(at(1, 9));
    EXPECT_EQ(selected(), "(1,1)-(9,1)a");

    press(at(1, 3, 50, 2));  // the top edge of its third cell
    move(at(4, 5));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Moving light body: ")));
    snap("moving-body");
    release(at(4, 5));
    EXPECT_EQ(selected(), "(3,4)-(11,4)a");
    EXPECT_EQ(grid().lights().size(), 10u);
    snap("moved");

    if (!folder.isEmpty()) {
        // The cursors of editing side by side, at twice their size, on a grey ground.
        const DragCursor shapes[] = {DragCursor::EndLeft,    DragCursor::EndRight,
                                     DragCursor::EndUp,      DragCursor::EndDown,
                                     DragCursor::MoveAcross, DragCursor::MoveDown};
        QImage sheet(6 * 72, 72, QImage::Format_ARGB32);
        sheet.fill(QColor(200, 200, 200));
        QPainter painter(&sheet);
        for (int i = 0; i < 6; ++i) {
            const QPixmap cursor = GridViewWindows::dragCursorPixmap(shapes[i]);
            ASSERT_FALSE(cursor.isNull());
            painter.drawPixmap(QRect(i * 72 + 4, 4, 64, 64), cursor);
        }
        painter.end();
        sheet.save(QDir(folder).filePath(QStringLiteral("editing-cursors.png")));
    }
}

}  // namespace
}  // namespace tessaran
