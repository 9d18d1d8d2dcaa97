// The frame as a user meets it: menus, accelerators, tool bar, status bar and title.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"

namespace tessaran {
namespace {

TEST(FrameWindow, MenusCarryEveryCommandWithItsTextAcceleratorAndHint) {
    EditorFixture editor;
    for (const EditorCommand& c : editorCommands()) {
        QAction* action =
            editor.frame().findChild<QAction*>(QStringLiteral("command%1").arg(c.number));
        ASSERT_NE(action, nullptr) << c.number;
        EXPECT_EQ(action->text(), QString::fromLatin1(c.itemText));
        EXPECT_EQ(action->statusTip(), QString::fromLatin1(c.hint));
        if (*c.accelerator) {
            EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(c.accelerator)))
                << c.number;
        }
        QMenu* menu = editor.frame().menu(static_cast<int>(c.menu));
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->actions().contains(action)) << c.number;
    }
    const QList<QAction*> bar = editor.frame().menuBar()->actions();
    ASSERT_EQ(bar.size(), kEditorMenuCount);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(bar[6]->text(), QStringLiteral("F&illing"));
}

TEST(FrameWindow, ToolBarHoldsTheFifteenGadgetsInOrder) {
    EditorFixture editor;
    const QList<QAction*> gadgets = editor.frame().toolBar()->actions();
    ASSERT_EQ(gadgets.size(), 15);
    const auto layout = toolBarLayout();
    for (int i = 0; i < 15; ++i) {
        if (layout[static_cast<size_t>(i)] == 0) {
            EXPECT_TRUE(gadgets[i]->isSeparator()) << i;
        } else {
            EXPECT_EQ(gadgets[i], editor.action(layout[static_cast<size_t>(i)])) << i;
        }
    }
    EXPECT_EQ(editor.frame().toolBarArea(editor.frame().toolBar()), Qt::LeftToolBarArea);
}

TEST(FrameWindow, CommandsWithoutAWindowYetAreUnavailableUntilRegistered) {
    EditorFixture editor;
    // Its window's handler taken away, the command is one without a window.
    editor.view().setCommandHandler(command::Statistics, {});
    editor.frame().updateCommandStates();
    EXPECT_FALSE(editor.action(command::Statistics)->isEnabled());
    int runs = 0;
    editor.view().setCommandHandler(command::Statistics, [&runs] { ++runs; });
    editor.frame().updateCommandStates();
    ASSERT_TRUE(editor.action(command::Statistics)->isEnabled());
    editor.action(command::Statistics)->trigger();
    EXPECT_EQ(runs, 1);
}

TEST(FrameWindow, HelpFollowsTheHighlightedMenuAndItem) {
    EditorFixture editor;
    std::vector<int> shown;
    editor.frame().setHelpHandler([&shown](int context) { shown.push_back(context); });
    editor.frame().showContextHelp();  // no menu open
    QMenu* gridMenu = editor.frame().menu(static_cast<int>(EditorMenu::Grid));
    emit gridMenu->aboutToShow();
    editor.frame().showContextHelp();
    emit gridMenu->hovered(editor.action(command::Rotate));
    editor.frame().showContextHelp();
    emit gridMenu->aboutToHide();
    editor.frame().showContextHelp();
    editor.trigger(command::HelpContents);
    EXPECT_EQ(shown, (std::vector<int>{640, 3690, command::Rotate, 640,
                                       TessaranFrameWindow::kHelpContents}));
}

TEST(FrameWindow, PlacementPutsTheFrameAtTheStoredCornerAndStoresItBack) {
    EditorFixture editor;
    // The stored corner is the frame's, so that 0,0 leaves the title bar on the screen.
    editor.frame().applyPlacement(false, QRect(40, 50, 700, 500));
    editor.frame().show();
    EXPECT_EQ(editor.frame().frameGeometry().topLeft(), QPoint(40, 50));
    EXPECT_EQ(editor.frame().size(), QSize(700, 500));
    ASSERT_TRUE(editor.frame().close());
    QFile ini(editor.tempPath("tessaran.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(ini.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("WindowCoordinates=0,40,50,700,500")))
        << text.toStdString();
}

}  // namespace
}  // namespace tessaran
