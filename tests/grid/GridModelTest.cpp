#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

using testing::GridFixture;
using testing::RecordingView;

LightSpec acrossSpec(int column, int row, int length) {
    return {column, row, column + length - 1, row, 1, 0};
}

TEST(LightTable, NewLightsTakeTheFirstEmptySlotAndTheTableDoubles) {
    GridFixture f(5, 6);
    std::vector<Light*> made;
    for (int row = 0; row < 5; ++row)
        made.push_back(f.across(0, row, 5));
    EXPECT_EQ(f.grid.lightSlotCount(), 8);
    EXPECT_EQ(f.grid.lights(), made);

    f.grid.destroyLight(*made[1]);
    EXPECT_EQ(f.grid.lightInSlot(1), nullptr);
    Light* reused = f.across(0, 5, 5);
    EXPECT_EQ(f.grid.slotOf(*reused), 1);
    EXPECT_EQ(f.grid.lights()[1], reused);
}

TEST(LightTable, CellsKnowTheirLightsAndPositions) {
    GridFixture f;
    Light* a = f.across(0, 1, 4);
    Light* d = f.down(2, 0, 3);
    const Cell& crossing = f.at(1, 2);
    EXPECT_EQ(f.grid.lightOf(crossing, Direction::Across), a);
    EXPECT_EQ(f.grid.lightOf(crossing, Direction::Down), d);
    EXPECT_EQ(f.grid.otherLight(crossing, a), d);
    EXPECT_EQ(crossing.indexIn(a), 2);
    EXPECT_EQ(crossing.indexIn(d), 1);
    EXPECT_EQ(f.grid.lightCount(crossing), 2);
    EXPECT_EQ(f.grid.lightCount(f.at(4, 4)), 0);

    const CheckedCounts counts = f.grid.checkedCounts();
    EXPECT_EQ(counts.checked, 1);
    EXPECT_EQ(counts.unchecked, 5);
    const LightStatistics stats = f.grid.lightStatistics();
    EXPECT_EQ(stats.lights, 2);
    EXPECT_EQ(stats.across, 1);
    EXPECT_EQ(stats.down, 1);
    EXPECT_EQ(stats.open, 2);

    f.grid.destroyLight(*a);
    EXPECT_EQ(crossing.lightA(), nullptr);
    EXPECT_EQ(f.grid.lightOf(crossing, Direction::Down), d);
}

TEST(LightTable, ReversedLightReadsBackwards) {
    GridFixture f;
    f.grid.setting(GridSetting::DirectionMode).setOverride(1);
    Light* light = f.grid.createLights({{4, 0, 0, 0, -1, 0}});
    ASSERT_NE(light, nullptr);
    EXPECT_TRUE(light->isReversed());
    EXPECT_EQ(&light->firstCell(), &f.at(0, 4));
    EXPECT_EQ(light->spec(), (LightSpec{4, 0, 0, 0, -1, 0}));
}

TEST(LightTable, MalformedSpecsMakeNoLight) {
    GridFixture f;
    EXPECT_EQ(f.grid.createLights({{0, 0, 2, 2, 1, 1}}), nullptr);  // diagonal
    EXPECT_EQ(f.grid.createLights({{0, 0, 4, 0, 2, 0}}), nullptr);  // step of two
    EXPECT_EQ(f.grid.createLights({{0, 0, 5, 0, 1, 0}}), nullptr);  // beyond the edge
    EXPECT_EQ(f.grid.createLights({{3, 0, 0, 0, 1, 0}}), nullptr);  // step points away
    EXPECT_EQ(f.grid.lights().size(), 0u);
}

TEST(Carve, BlockingCellsShortensOrSplitsTheLight) {
    GridFixture f(9, 1);
    Light* light = f.across(0, 0, 9);
    light->setNumber("7");
    light->setText("ABCDEFGHI");
    f.grid.carve({2, 0, 2, 0, 1, 0});  // third cell
    auto lights = f.grid.lights();
    ASSERT_EQ(lights.size(), 2u);
    EXPECT_EQ(lights[0], light);
    EXPECT_EQ(light->spec(), acrossSpec(0, 0, 2));
    EXPECT_EQ(light->text(), "ABCDEFGHI");  // the kept part keeps its text as it was
    EXPECT_EQ(lights[1]->spec(), acrossSpec(3, 0, 6));
    EXPECT_FALSE(lights[1]->number());
    EXPECT_FALSE(lights[1]->text());

    GridFixture g(9, 1);
    g.across(0, 0, 9);
    g.grid.carve({1, 0, 1, 0, 1, 0});  // second cell: the lone first cell goes too
    lights = g.grid.lights();
    ASSERT_EQ(lights.size(), 1u);
    EXPECT_EQ(lights[0]->spec(), acrossSpec(2, 0, 7));
    EXPECT_FALSE(g.at(0, 0).inAnyLight());
}

TEST(Carve, LightLeftWithOneCellIsDestroyedAndObserverTold) {
    GridFixture f(3, 1);
    RecordingView view;
    f.grid.setObserver(&view);
    f.across(0, 0, 2);
    f.grid.carve({1, 0, 1, 0, 1, 0});
    EXPECT_TRUE(f.grid.lights().empty());
    EXPECT_EQ(view.count("deleting"), 1);
}

TEST(Symmetry, HalfTurnAddsTheNormalisedPartnerOnce) {
    GridFixture f(15, 15);
    f.grid.setting(GridSetting::Symmetry).setOverride(1);
    Light* light = f.grid.createLights(f.grid.symmetryList(acrossSpec(0, 0, 5)));
    ASSERT_NE(light, nullptr);
    EXPECT_EQ(light->spec(), acrossSpec(0, 0, 5));
    ASSERT_EQ(f.grid.lights().size(), 2u);
    EXPECT_EQ(f.grid.lights()[0]->spec(), acrossSpec(10, 14, 5));

    GridFixture g(15, 15);
    g.grid.setting(GridSetting::Symmetry).setOverride(1);
    g.grid.createLights(g.grid.symmetryList(acrossSpec(0, 7, 15)));  // its own partner
    EXPECT_EQ(g.grid.lights().size(), 1u);
}

TEST(Symmetry, QuarterTurnOnARectangleIsAHalfTurn) {
    GridFixture f(15, 11);
    f.grid.setting(GridSetting::Symmetry).setOverride(2);
    const auto list = f.grid.symmetryList(acrossSpec(0, 0, 5));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1], acrossSpec(10, 10, 5));

    GridFixture square(5, 5);
    square.grid.setting(GridSetting::Symmetry).setOverride(6);
    EXPECT_EQ(square.grid.symmetryList(acrossSpec(0, 0, 2)).size(), 8u);
}

TEST(GridLifecycle, NewGridWithAllLightsLaysRowsThenColumns) {
    Grid grid;
    RecordingView view;
    grid.setObserver(&view);
    grid.newGrid(3, 2, true);
    EXPECT_EQ(grid.columns(), 3);
    EXPECT_EQ(grid.rows(), 2);
    const auto lights = grid.lights();
    ASSERT_EQ(lights.size(), 5u);
    EXPECT_EQ(lights[0]->direction(), Direction::Across);
    EXPECT_EQ(lights[4]->direction(), Direction::Down);
    EXPECT_EQ(view.count("changed"), 1);
    EXPECT_EQ(grid.undoState(), 0);
    EXPECT_FALSE(grid.fileName());
}

TEST(GridLifecycle, ClearDropsOverridesTextsAndKillListButKeepsDefaults) {
    GridFixture f;
    RecordingView view;
    f.grid.setObserver(&view);
    f.across(0, 0, 5);
    f.grid.setting(GridSetting::Symmetry).setOverride(5);
    f.grid.setting(GridSetting::NormalCommonality).setDefault(10);
    f.grid.setDescription("Weekly");
    f.grid.setDictionary("big.lxd");
    f.grid.setDefaultDictionary("words.lxd");
    f.grid.setUnchModelAsRead(UnchModel{2, {0}, {1}});
    f.killList.add("ZEBRA");
    f.grid.clear();
    EXPECT_EQ(f.grid.rows(), 0);
    EXPECT_TRUE(f.grid.lights().empty());
    EXPECT_FALSE(f.grid.setting(GridSetting::Symmetry).isOverridden());
    EXPECT_EQ(f.grid.settingValue(GridSetting::NormalCommonality), 10);
    EXPECT_FALSE(f.grid.description());
    EXPECT_EQ(f.grid.effectiveDictionary(), "words.lxd");
    EXPECT_FALSE(f.grid.unchModel());
    EXPECT_EQ(f.killList.size(), 0u);
    EXPECT_EQ(view.count("cleared"), 1);
    EXPECT_EQ(view.count("deleting"), 1);
}

TEST(GridLifecycle, CommitAsDefaultsMovesOnlyTheGroup) {
    Grid grid;
    grid.setting(GridSetting::Symmetry).setOverride(3);
    grid.setting(GridSetting::BlockType).setOverride(1);
    grid.setting(GridSetting::StartMode).setOverride(1);
    grid.setDictionary("mine.lxd");
    grid.setUnchModelAsRead(UnchModel{3, {0, 1}, {1, 1}});

    grid.commitAsDefaults(SettingGroup::Editing);
    EXPECT_FALSE(grid.setting(GridSetting::Symmetry).isOverridden());
    EXPECT_EQ(grid.setting(GridSetting::Symmetry).defaultValue(), 3);
    EXPECT_TRUE(grid.setting(GridSetting::BlockType).isOverridden());

    grid.commitAsDefaults(SettingGroup::Filling);
    EXPECT_EQ(grid.setting(GridSetting::StartMode).defaultValue(), 1);
    EXPECT_FALSE(grid.dictionary());
    EXPECT_EQ(grid.defaultDictionary(), "mine.lxd");

    grid.commitAsDefaults(SettingGroup::Unch);
    EXPECT_FALSE(grid.unchModel());
    EXPECT_EQ(grid.defaultUnchModel(), (UnchModel{3, {0, 1}, {1, 1}}));
}

TEST(UnchLimits, GridModelThenDefaultModelThenNoLimit) {
    Grid grid;
    EXPECT_EQ(grid.unchLimits(7), (UnchLimits{99, 0, 7}));
    UnchModel defaults{4, {}, {}};
    for (int i = 0; i < 15; ++i) {
        defaults.minUnched.push_back(1);
        defaults.maxUnched.push_back(i / 2 + 1);
    }
    grid.setDefaultUnchModel(defaults);
    EXPECT_EQ(grid.unchLimits(12), (UnchLimits{4, 1, 6}));

    UnchModel own{3, std::vector<int>(10, 0), std::vector<int>(10, 2)};
    grid.setUnchModelAsRead(own);
    EXPECT_EQ(grid.unchLimits(12), (UnchLimits{99, 0, 12}));  // beyond the grid's model
    EXPECT_EQ(grid.unchLimits(5), (UnchLimits{3, 0, 2}));
}

TEST(UnchLimits, SetUnchModelNormalisesAndRefreshes) {
    Grid grid;
    RecordingView view;
    grid.setObserver(&view);
    // Entry 3 (length 3) says nothing and is dropped, then entry 2 is clamped.
    grid.setUnchModel(UnchModel{2, {-1, 3, 0}, {5, 1, 3}});
    ASSERT_TRUE(grid.unchModel());
    EXPECT_EQ(*grid.unchModel(), (UnchModel{2, {0, 3}, {1, 2}}));
    EXPECT_EQ(view.count("changed"), 1);
}

TEST(LightText, MultiCharacterCellShiftsLaterPositions) {
    GridFixture f(6, 1);
    Light* light = f.across(0, 0, 6);
    f.at(0, 1).setText("QUA");
    EXPECT_EQ(light->textPosition(f.at(0, 1)), 1);
    EXPECT_EQ(light->textPosition(f.at(0, 2)), 4);
    light->setText("SQUARES");
    EXPECT_EQ(light->textAt(f.at(0, 1)), "QUA");
    EXPECT_EQ(light->textAt(f.at(0, 2)), "R");
    EXPECT_EQ(light->textAt(f.at(0, 4)), "S");
    EXPECT_EQ(light->textAt(f.at(0, 5)), "");
}

TEST(LightText, PlacingLettersPadsAndTrims) {
    GridFixture f(6, 1);
    Light* light = f.across(0, 0, 6);
    light->placeText(f.at(0, 3), "X");
    EXPECT_EQ(light->text(), "...X");
    light->placeText(f.at(0, 3), ".");
    EXPECT_FALSE(light->text());  // only "." left: absent
    light->setText("AB..");
    light->placeText(f.at(0, 5), ".");
    EXPECT_EQ(light->text(), "AB");
}

TEST(ModelTexts, LineBreaksNeverEnterTheModel) {
    GridFixture f;
    Light* light = f.across(0, 0, 5);
    light->setText("AB\r\nC");
    EXPECT_EQ(light->text(), "AB C");
    light->setNumber("1\n");
    EXPECT_EQ(light->number(), "1 ");
    f.at(1, 1).setText("X\rY");
    EXPECT_EQ(f.at(1, 1).text(), "X Y");
    f.grid.setDescription("two\nlines");
    EXPECT_EQ(f.grid.description(), "two lines");
    f.killList.add("NEW\nLINE");
    EXPECT_TRUE(f.killList.contains("NEW LINE"));

    // A placed CR LF becomes one space and overwrites only as many positions as it fills.
    light->setText("ABCDE");
    light->placeText(f.at(0, 1), "x\r\ny");
    EXPECT_EQ(light->text(), "Ax yE");
}

TEST(CellFields, BlockTypeOnlyOutsideLightsAndTextDropsFilledLetter) {
    GridFixture f;
    f.at(4, 4).setBlockType(-3);
    EXPECT_EQ(f.at(4, 4).blockType(), -1);
    f.at(4, 4).setBlockType(3);
    EXPECT_EQ(f.at(4, 4).blockType(), 1);
    Light* light = f.across(0, 0, 5);
    f.at(0, 0).setBlockType(1);
    EXPECT_EQ(f.at(0, 0).blockType(), -1);

    light->fillEvaluation().priority = 5;
    f.at(0, 2).setFilledLetter(3);
    f.at(0, 2).setText("K");
    EXPECT_EQ(f.at(0, 2).filledLetter(), kNoLetter);
    EXPECT_EQ(light->fillEvaluation().priority, FillEvaluation::kNotComputed);
}

TEST(CellFields, FillStateFollowsTheCells) {
    GridFixture f(3, 1);
    Light* light = f.across(0, 0, 3);
    f.grid.refresh();
    EXPECT_EQ(light->fillState(), 3);
    f.at(0, 0).setText("A");
    f.at(0, 1).setFilledLetter(1);
    f.at(0, 2).setFilledLetter(2);
    f.grid.refresh();
    EXPECT_EQ(light->fillState(), 2);
    light->setText("ABC");
    f.grid.refresh();
    EXPECT_EQ(light->fillState(), 1);
}

}  // namespace
}  // namespace tessaran
