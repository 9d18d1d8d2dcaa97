// The Grid menu's tools through their commands: Unch Model with its presets and "Save As
// Defaults", the statistics window following edits, and Grid Resize at the selection.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <fstream>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"
#include "app/GridDimensionsViewWindows.h"
#include "app/GridStatisticsViewWindows.h"
#include "app/GridToolsWindows.h"
#include "app/PropertiesViewWindows.h"
#include "app/Settings.h"

namespace tessaran {
namespace {

void writeFile(const QString& path, const std::string& text) {
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << text;
}

template <typename T>
T* child(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(QDialog& dialog, const char* button) {
    child<QPushButton>(dialog, button)->click();
}

// An editor on a 12x12 grid without lights, with a settings file of its own.
class GridTools : public ::testing::Test {
protected:
    GridTools() : iniPath(editor.tempPath("tessaran.ini")), tools(editor.app.gridTools()) {
        grid().setting(GridSetting::Symmetry).setDefault(0);
        grid().newGrid(12, 12, false);
    }
    Grid& grid() { return editor.grid(); }
    // Runs a command whose dialog is answered by action.
    void runDialog(int number, std::function<int(QDialog&)> action) {
        editor.dialogs.dialogActions.push_back(std::move(action));
        editor.trigger(number);
        EXPECT_TRUE(editor.dialogs.dialogActions.empty());
    }
    Light* addAcross(int row, int column, int length) {
        grid().checkpoint();
        return grid().addLight({column, row, column + length - 1, row, 1, 0});
    }

    EditorFixture editor;
    QString iniPath;
    GridToolsWindows& tools;
};

TEST_F(GridTools, UnchModelPresetReachesTheGridAndItsFileOnlyOnOkOrApply) {
    // The tools' commands become available once their handlers are registered.
    editor.frame().updateCommandStates();
    EXPECT_TRUE(editor.action(command::UnchModel)->isEnabled());
    EXPECT_TRUE(editor.action(command::Resize)->isEnabled());
    runDialog(command::UnchModel, [](QDialog& dialog) {
        click(dialog, "presetFullyChecked");
        EXPECT_TRUE(child<QCheckBox>(dialog, "customized")->isChecked());
        EXPECT_EQ(child<QLineEdit>(dialog, "max7")->text(), QStringLiteral("0"));
        click(dialog, "cancel");
        return dialog.result();
    });
    EXPECT_EQ(editor.dialogs.dialogTitles.back(), QStringLiteral("Unch Model"));
    EXPECT_FALSE(grid().unchModel());
    EXPECT_EQ(grid().undoState(), 0);

    runDialog(command::UnchModel, [](QDialog& dialog) {
        click(dialog, "presetBlocked");
        // Typing a value is a customisation of its own.
        QLineEdit* max5 = child<QLineEdit>(dialog, "max5");
        max5->selectAll();
        QTest::keyClicks(max5, "9");
        click(dialog, "ok");
        return dialog.result();
    });
    ASSERT_TRUE(grid().unchModel());
    EXPECT_EQ(grid().unchLimits(5), (UnchLimits{1, 2, 5}));  // 9 lowered to the length
    EXPECT_EQ(grid().unchLimits(4), (UnchLimits{1, 2, 2}));
    EXPECT_TRUE(grid().isChanged());

    const QString saved = editor.tempPath("blocked.tgr");
    ASSERT_EQ(grid().writeGrid(QFile::encodeName(saved).toStdString()), 0);
    EXPECT_NE(readFile(saved).find("UnchModel=1 0 1 1 1 1 2 2 2 2 5 3 3"), std::string::npos);

    // Unticking "Customized" and applying gives the grid back to the default model.
    runDialog(command::UnchModel, [](QDialog& dialog) {
        QCheckBox* customized = child<QCheckBox>(dialog, "customized");
        EXPECT_TRUE(customized->isChecked());
        customized->click();
        EXPECT_EQ(child<QLineEdit>(dialog, "max5")->text(), QStringLiteral("5"));
        click(dialog, "apply");
        EXPECT_FALSE(customized->isChecked());
        click(dialog, "cancel");
        return dialog.result();
    });
    EXPECT_FALSE(grid().unchModel());
}

TEST_F(GridTools, UnchModelSaveAsDefaultsWritesOnlyItsKey) {
    const std::string before =
        "; kept\r\n[Dimensions]\r\nCellWidth=400\r\n[Guidelines]\r\nUnchModel=5 0 1\r\n"
        "Other=x\r\n[View]\r\nZoomFactor=150\r\n";
    writeFile(iniPath, before);
    runDialog(command::UnchModel, [](QDialog& dialog) {
        click(dialog, "presetXimeneanBarred");
        click(dialog, "saveAsDefaults");
        EXPECT_FALSE(child<QCheckBox>(dialog, "customized")->isChecked());
        EXPECT_EQ(child<QLineEdit>(dialog, "min13")->text(), QStringLiteral("4"));
        click(dialog, "cancel");
        return dialog.result();
    });
    const std::string after =
        "; kept\r\n[Dimensions]\r\nCellWidth=400\r\n[Guidelines]\r\n"
        "UnchModel=1 0 0 0 0 0 0 1 1 1 1 1 2 1 2 2 3 2 3 3 4 3 4 3 4 4 5 4 5 4 5\r\n"
        "Other=x\r\n[View]\r\nZoomFactor=150\r\n";
    EXPECT_EQ(readFile(iniPath), after);
    EXPECT_FALSE(grid().unchModel());
    EXPECT_EQ(grid().unchLimits(13), (UnchLimits{1, 4, 5}));

    // A settings file that cannot be written is reported, not passed over.
    QFile::remove(iniPath);
    ASSERT_TRUE(QDir().mkpath(iniPath));
    runDialog(command::UnchModel, [](QDialog& dialog) {
        click(dialog, "saveAsDefaults");
        click(dialog, "cancel");
        return dialog.result();
    });
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Save As Defaults"));
    EXPECT_TRUE(editor.dialogs.lastText().contains(iniPath));
}

QString shown(QDialog& dialog, const char* length) {
    return child<PVWSpin>(dialog, length)->text();
}

bool ticked(QDialog& dialog, const char* box) {
    return child<PVWCheckBox>(dialog, box)->isChecked();
}

TEST_F(GridTools, DimensionsShowEveryUnitMirrorLockedLengthsAndReachTheGridFile) {
    runDialog(command::Dimensions, [](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, "cellWidth"), QStringLiteral("25"));
        EXPECT_FALSE(ticked(dialog, "cellWidthBox"));
        auto* units = child<PVWEnumeration>(dialog, "unitType");
        for (const char* text : {"3.472", "0.3472", "8.819", "0.8819"}) {
            QTest::keyClick(units, Qt::Key_Down);
            EXPECT_EQ(shown(dialog, "cellWidth"), QString::fromLatin1(text));
            EXPECT_EQ(shown(dialog, "cellHeight"), QString::fromLatin1(text));
        }
        EXPECT_EQ(units->currentText(), QStringLiteral("Centimetres"));
        EXPECT_TRUE(ticked(dialog, "unitTypeBox"));
        EXPECT_FALSE(ticked(dialog, "cellWidthBox"));

        // Locked: typing a cell width types the height too; offsets stay apart.
        auto* width = child<PVWSpin>(dialog, "cellWidth");
        width->selectAll();
        QTest::keyClicks(width, "1");
        EXPECT_EQ(shown(dialog, "cellHeight"), QStringLiteral("1"));
        EXPECT_TRUE(ticked(dialog, "cellHeightBox"));
        auto* offset = child<PVWSpin>(dialog, "textOffsetX");
        QTest::keyClick(offset, Qt::Key_Up);
        QTest::keyClick(offset, Qt::Key_Up);
        EXPECT_TRUE(ticked(dialog, "textOffsetXBox"));
        EXPECT_FALSE(ticked(dialog, "textOffsetYBox"));
        click(dialog, "ok");
        return dialog.result();
    });
    EXPECT_EQ(editor.dialogs.dialogTitles.back(), QStringLiteral("Grid Dimensions"));
    const ViewSettings& view = editor.view().viewSettings();
    EXPECT_EQ(view.value(DisplayDimension::CellWidth), 567);
    EXPECT_EQ(view.value(DisplayDimension::CellHeight), 567);
    EXPECT_EQ(view.value(DisplayDimension::TextOffsetX), 290);
    EXPECT_FALSE(view.dimension(DisplayDimension::TextOffsetY).isOverridden());
    EXPECT_EQ(view.unitType(), UnitType::Centimetres);
    EXPECT_EQ(grid().undoState(), 2);
    EXPECT_EQ(editor.view().metrics().cellWidth, 567 / 15);

    const QString saved = editor.tempPath("dimensions.tgr");
    ASSERT_EQ(grid().writeGrid(QFile::encodeName(saved).toStdString()), 0);
    const std::string file = readFile(saved);
    for (const char* line :
         {"CellWidth=567\r\n", "CellHeight=567\r\n", "TextOffsetX=290\r\n", "UnitType=4\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
    EXPECT_EQ(file.find("TextOffsetY"), std::string::npos);

    // Unticking a locked width gives both back to their defaults; Independent lets the
    // height keep its own value. Undo then takes the whole change back.
    runDialog(command::Dimensions, [](QDialog& dialog) {
        EXPECT_EQ(shown(dialog, "cellWidth"), QStringLiteral("1"));
        child<PVWCheckBox>(dialog, "cellHeightBox")->click();
        EXPECT_FALSE(ticked(dialog, "cellWidthBox"));
        EXPECT_EQ(shown(dialog, "cellWidth"), QStringLiteral("0.8819"));
        QTest::keyClick(child<PVWEnumeration>(dialog, "whIndependent"), Qt::Key_Down);
        auto* width = child<PVWSpin>(dialog, "cellWidth");
        width->selectAll();
        QTest::keyClicks(width, "2");
        EXPECT_EQ(shown(dialog, "cellHeight"), QStringLiteral("0.8819"));
        click(dialog, "ok");
        return dialog.result();
    });
    EXPECT_EQ(view.value(DisplayDimension::CellWidth), 1134);
    EXPECT_EQ(view.value(DisplayDimension::CellHeight), 500);
    editor.trigger(command::Undo);
    EXPECT_EQ(view.value(DisplayDimension::CellWidth), 567);
    EXPECT_EQ(view.value(DisplayDimension::CellHeight), 567);

    // OK without a change is no edit.
    ASSERT_EQ(grid().writeGrid(QFile::encodeName(saved).toStdString()), 0);
    runDialog(command::Dimensions, [](QDialog& dialog) {
        click(dialog, "ok");
        return dialog.result();
    });
    EXPECT_EQ(grid().undoState(), 0);
}

TEST_F(GridTools, DimensionsSaveAsDefaultsWritesTheDimensionsGroupAndClearsTheBoxes) {
    writeFile(iniPath, "[Guidelines]\r\nUnchModel=1\r\n[Dimensions]\r\nCellWidth=400\r\n");
    runDialog(command::Dimensions, [](QDialog& dialog) {
        auto* rule = child<PVWSpin>(dialog, "ruleWidth");
        QTest::keyClick(rule, Qt::Key_Up);
        QTest::keyClick(rule, Qt::Key_Up);
        EXPECT_EQ(shown(dialog, "ruleHeight"), QStringLiteral("1.5"));
        click(dialog, "saveAsDefaults");
        EXPECT_FALSE(ticked(dialog, "ruleWidthBox"));
        EXPECT_EQ(shown(dialog, "ruleWidth"), QStringLiteral("1.5"));
        click(dialog, "cancel");
        return dialog.result();
    });
    EXPECT_EQ(readFile(iniPath),
              "[Guidelines]\r\nUnchModel=1\r\n[Dimensions]\r\nCellWidth=500\r\n"
              "CellHeight=500\r\nBarWidth=50\r\nBarHeight=50\r\nRuleWidth=30\r\n"
              "RuleHeight=30\r\nBorderWidth=30\r\nBorderHeight=30\r\nNumberOffsetX=20\r\n"
              "NumberOffsetY=20\r\nTextOffsetX=280\r\nTextOffsetY=320\r\nGridOffsetX=0\r\n"
              "GridOffsetY=0\r\nUnitType=0\r\nWHIndependent=0\r\nBarStyleLopsided=0\r\n"
              "GridAlignment=0\r\n");
    const GridDimension& rule = editor.view().viewSettings().dimension(DisplayDimension::RuleWidth);
    EXPECT_FALSE(rule.isOverridden());
    EXPECT_EQ(rule.defaultValue(), 30);
}

TEST_F(GridTools, StatisticsWindowFollowsEveryChangeOfTheGrid) {
    editor.trigger(command::Statistics);
    GridStatisticsViewWindows* window = tools.statisticsWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->fieldText(StatisticsField::Columns), QStringLiteral("12"));
    EXPECT_EQ(window->fieldText(StatisticsField::TotalLights), QStringLiteral("0"));
    EXPECT_EQ(window->fieldText(StatisticsField::Checking), QString());

    addAcross(0, 0, 5);
    EXPECT_EQ(window->fieldText(StatisticsField::AcrossLights), QStringLiteral("1"));
    EXPECT_EQ(window->fieldText(StatisticsField::UncheckedCells), QStringLiteral("5"));
    EXPECT_EQ(window->fieldText(StatisticsField::Checking), QStringLiteral("0%"));
    EXPECT_EQ(window->fieldText(StatisticsField::LightDistribution),
              QStringLiteral("\n\n\n\n") + GridStatisticsViewWindows::barCharacter() +
                  QStringLiteral(" (1@5)\n"));
    EXPECT_EQ(window->fieldText(StatisticsField::ConsecutivelyUnchedLights), QString());

    // A new unch model shows at once.
    runDialog(command::UnchModel, [](QDialog& dialog) {
        click(dialog, "presetFullyChecked");
        click(dialog, "ok");
        return dialog.result();
    });
    EXPECT_FALSE(window->fieldText(StatisticsField::ConsecutivelyUnchedLights).isEmpty());
    // And undo takes it back.
    editor.trigger(command::Undo);
    EXPECT_EQ(window->fieldText(StatisticsField::ConsecutivelyUnchedLights), QString());

    editor.trigger(command::Rotate);
    EXPECT_EQ(window->fieldText(StatisticsField::DownLights), QStringLiteral("1"));

    // Closed, it stays closed and is shown again, up to date, by the command.
    window->findChild<QPushButton*>(QStringLiteral("close"))->click();
    EXPECT_FALSE(window->isVisible());
    grid().newGrid(7, 9, false);
    editor.trigger(command::Statistics);
    EXPECT_EQ(tools.statisticsWindow(), window);
    EXPECT_EQ(window->fieldText(StatisticsField::Rows), QStringLiteral("9"));
}

TEST_F(GridTools, ResizeWorksAtTheSelectedCellAndExplainsARefusal) {
    addAcross(2, 0, 12);
    editor.view().selectCell(&grid().cellAt(2, 3));
    runDialog(command::Resize, [](QDialog& dialog) {
        EXPECT_EQ(child<QSpinBox>(dialog, "columns")->value(), 0);
        EXPECT_TRUE(child<QRadioButton>(dialog, "addLeft")->isChecked());
        child<QSpinBox>(dialog, "columns")->setValue(2);
        child<QRadioButton>(dialog, "addRight")->setChecked(true);
        child<QSpinBox>(dialog, "rows")->setValue(1);
        child<QRadioButton>(dialog, "deleteRows")->setChecked(true);
        click(dialog, "ok");
        return dialog.result();
    });
    EXPECT_EQ(editor.dialogs.dialogTitles.back(), QStringLiteral("Grid Resize"));
    EXPECT_EQ(grid().columns(), 14);
    EXPECT_EQ(grid().rows(), 11);
    EXPECT_EQ(grid().lightStatistics().lights, 0);  // its row was deleted
    EXPECT_EQ(grid().undoState(), 4);
    EXPECT_EQ(editor.view().selectedCell(), nullptr);

    // Without a selection the resize works at column 0 and row 0.
    addAcross(0, 0, 14);
    runDialog(command::Resize, [](QDialog& dialog) {
        child<QSpinBox>(dialog, "rows")->setValue(2);
        click(dialog, "ok");
        return dialog.result();
    });
    EXPECT_EQ(grid().rows(), 13);
    EXPECT_NE(grid().lightOf(grid().cellAt(2, 0), Direction::Across), nullptr);

    // Too many deleted: nothing changes, no checkpoint, and the user is told.
    grid().writeGrid(QFile::encodeName(editor.tempPath("saved.tgr")).toStdString());
    runDialog(command::Resize, [](QDialog& dialog) {
        child<QSpinBox>(dialog, "columns")->setValue(40);
        click(dialog, "ok");
        return dialog.result();
    });
    EXPECT_EQ(grid().columns(), 14);
    EXPECT_EQ(grid().undoState(), 0);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Grid Resize"));
}

TEST_F(GridTools, EveryToolWindowShowsItsLabelsWhole) {
    ASSERT_TRUE(editor.view().openFile(exampleGrid("blocked15.tgr")));
    runDialog(command::UnchModel, [](QDialog& dialog) {
        click(dialog, "presetXimeneanBarred");
        checkLayout(dialog, "unch-model.png");
        click(dialog, "ok");
        return dialog.result();
    });
    runDialog(command::Dimensions, [](QDialog& dialog) {
        QTest::keyClick(child<PVWEnumeration>(dialog, "unitType"), Qt::Key_Down);
        checkLayout(dialog, "grid-dimensions.png");
        click(dialog, "cancel");
        return dialog.result();
    });
    runDialog(command::Resize, [](QDialog& dialog) {
        child<QSpinBox>(dialog, "columns")->setValue(2);
        checkLayout(dialog, "grid-resize.png");
        click(dialog, "cancel");
        return dialog.result();
    });
    editor.trigger(command::Statistics);
    ASSERT_NE(tools.statisticsWindow(), nullptr);
    EXPECT_FALSE(tools.statisticsWindow()->fieldText(StatisticsField::OverunchedLights).isEmpty());
    checkLayout(*tools.statisticsWindow(), "grid-statistics.png");
}

}  // namespace
}  // namespace tessaran
