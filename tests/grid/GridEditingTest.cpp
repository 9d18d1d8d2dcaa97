#include <gtest/gtest.h>

#include <algorithm>

#include "EditingTestSupport.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

using testing::GridFixture;
using testing::layPicture;
using testing::lightList;
using testing::picture;
using testing::RecordingView;
using testing::specText;

using Lights = std::vector<std::string>;
using Picture = std::vector<std::string>;

void setMode(Grid& grid, int symmetry, int checking = 0, int direction = 0) {
    grid.setting(GridSetting::Symmetry).setOverride(symmetry);
    grid.setting(GridSetting::CheckingMode).setOverride(checking);
    grid.setting(GridSetting::DirectionMode).setOverride(direction);
}

struct PartnerRow {
    const char* name;
    int columns;
    int rows;
    int symmetry;
    std::vector<std::string> partners;  // in list order
};

// Partners of the across spec (0,0)-(2,0), normalised, for every symmetry type on a
// square and on a grid that is not square (which has no quarter turns or diagonals).
const PartnerRow kPartnerRows[] = {
    {"None", 7, 7, 0, {"(0,0)-(2,0)a"}},
    {"HalfTurn", 7, 7, 1, {"(0,0)-(2,0)a", "(4,6)-(6,6)a"}},
    {"QuarterTurn", 7, 7, 2, {"(0,0)-(2,0)a", "(4,6)-(6,6)a", "(0,4)-(0,6)d", "(6,0)-(6,2)d"}},
    {"LeftRight", 7, 7, 3, {"(0,0)-(2,0)a", "(4,0)-(6,0)a"}},
    {"HalfTurnDiagonals",
     7,
     7,
     4,
     {"(0,0)-(2,0)a", "(4,6)-(6,6)a", "(0,0)-(0,2)d", "(6,4)-(6,6)d"}},
    {"HalfTurnMirrors", 7, 7, 5, {"(0,0)-(2,0)a", "(4,6)-(6,6)a", "(4,0)-(6,0)a", "(0,6)-(2,6)a"}},
    {"All",
     7,
     7,
     6,
     {"(0,0)-(2,0)a", "(4,6)-(6,6)a", "(0,4)-(0,6)d", "(6,0)-(6,2)d", "(4,0)-(6,0)a",
      "(0,6)-(2,6)a", "(0,0)-(0,2)d", "(6,4)-(6,6)d"}},
    {"MainDiagonal", 7, 7, 7, {"(0,0)-(2,0)a", "(0,0)-(0,2)d"}},
    {"TopBottom", 7, 7, 8, {"(0,0)-(2,0)a", "(0,6)-(2,6)a"}},
    {"OtherDiagonal", 7, 7, 9, {"(0,0)-(2,0)a", "(6,4)-(6,6)d"}},
    {"QuarterTurnOblong", 7, 3, 2, {"(0,0)-(2,0)a", "(4,2)-(6,2)a"}},
    {"HalfTurnDiagonalsOblong", 7, 3, 4, {"(0,0)-(2,0)a", "(4,2)-(6,2)a"}},
    {"AllOblong", 7, 3, 6, {"(0,0)-(2,0)a", "(4,2)-(6,2)a", "(4,0)-(6,0)a", "(0,2)-(2,2)a"}},
    {"MainDiagonalOblong", 7, 3, 7, {"(0,0)-(2,0)a"}},
    {"OtherDiagonalOblong", 7, 3, 9, {"(0,0)-(2,0)a"}},
};

class PartnerList : public ::testing::TestWithParam<PartnerRow> {};

TEST_P(PartnerList, AddLightMakesEveryPartner) {
    const PartnerRow& row = GetParam();
    GridFixture f(row.columns, row.rows);
    setMode(f.grid, row.symmetry);
    std::vector<std::string> listed;
    for (const LightSpec& s : f.grid.symmetryList({0, 0, 2, 0, 1, 0}))
        listed.push_back(specText(s));
    EXPECT_EQ(listed, row.partners);

    f.grid.addLight({0, 0, 2, 0, 1, 0});
    std::vector<std::string> expected = row.partners;
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(lightList(f.grid), expected);
}

INSTANTIATE_TEST_SUITE_P(SymmetryTypes, PartnerList, ::testing::ValuesIn(kPartnerRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AddLight, HalfTurnAddsTheNormalisedPartner) {
    GridFixture f(15, 15);
    setMode(f.grid, 1);
    RecordingView view;
    f.grid.setObserver(&view);
    Light* made = f.grid.addLight({0, 0, 4, 0, 1, 0});
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(specText(made->spec()), "(0,0)-(4,0)a");
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(4,0)a", "(10,14)-(14,14)a"}));
    EXPECT_EQ(view.count("changed"), 1);  // one refresh for the whole operation
}

TEST(AddLight, UnnormalizedModeKeepsThePartnerReadingBackwards) {
    GridFixture f(15, 15);
    setMode(f.grid, 1, 0, 1);
    f.grid.addLight({0, 0, 4, 0, 1, 0});
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(4,0)a", "(14,14)-(10,14)a"}));
}

TEST(AddLight, QuarterTurnOnASquareAddsFourAndOnARectangleTwo) {
    GridFixture square(5, 5);
    setMode(square.grid, 2);
    square.grid.addLight({0, 0, 2, 0, 1, 0});
    EXPECT_EQ(lightList(square.grid),
              (Lights{"(0,0)-(2,0)a", "(0,2)-(0,4)d", "(2,4)-(4,4)a", "(4,0)-(4,2)d"}));

    GridFixture wide(15, 11);
    setMode(wide.grid, 2);
    wide.grid.addLight({0, 0, 4, 0, 1, 0});
    EXPECT_EQ(lightList(wide.grid), (Lights{"(0,0)-(4,0)a", "(10,10)-(14,10)a"}));
}

TEST(AddLight, AllEightSymmetriesOnASquare) {
    GridFixture f(7, 7);
    setMode(f.grid, 6);
    f.grid.addLight({0, 0, 2, 0, 1, 0});
    EXPECT_EQ(f.grid.lights().size(), 8u);
    EXPECT_TRUE(testing::isSymmetric(f.grid));
}

TEST(AddLight, OwnPartnerIsCreatedOnce) {
    GridFixture f(15, 15);
    setMode(f.grid, 1);
    f.grid.addLight({0, 7, 14, 7, 1, 0});
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,7)-(14,7)a"}));
}

TEST(AddLight, SpecOutsideTheGridAddsNothing) {
    GridFixture f(5, 5);
    EXPECT_EQ(f.grid.addLight({3, 0, 5, 0, 1, 0}), nullptr);
    EXPECT_EQ(f.grid.addLight({0, 0, 2, 1, 1, 0}), nullptr);
    EXPECT_TRUE(f.grid.lights().empty());
}

TEST(AddLight, FullCheckingTakesInNeighboursThatOnlyCross) {
    GridFixture f(7, 5);
    setMode(f.grid, 0, 1);
    f.down(2, 0, 5);
    // The across light starts right after the down light's middle cell, which only crosses.
    Light* made = f.grid.addLight({3, 2, 5, 2, 1, 0});
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(specText(made->spec()), "(2,2)-(5,2)a");
    EXPECT_EQ(lightList(f.grid), (Lights{"(2,0)-(2,4)d", "(2,2)-(5,2)a"}));
}

TEST(AddLight, FullCheckingJoinsCrossingLightsThroughTheNewCells) {
    // Two down lights end above and start below row 2; an across light through row 2 makes
    // each column one down light.
    GridFixture f(3, 5);
    setMode(f.grid, 0, 1);
    f.down(1, 0, 2);
    f.down(1, 3, 2);
    f.grid.addLight({0, 2, 2, 2, 1, 0});
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,2)-(2,2)a", "(1,0)-(1,4)d"}));
}

TEST(Join, NeighbourLightGrowsOverTheCellAndABareCellBeyond) {
    // Row 1: a cell only in a down light, the joined cell (also only down), then an across
    // light. The across light takes in both.
    GridFixture f(5, 3);
    f.down(0, 0, 3);
    f.down(1, 0, 3);
    Light* across = f.across(2, 1, 3);
    f.grid.join({1, 1, 1, 1, 1, 0});
    EXPECT_EQ(specText(across->spec()), "(0,1)-(4,1)a");
    EXPECT_EQ(testing::structuralFaults(f.grid), "");
}

TEST(Join, LightEndingAtTheCellTakesInABareNeighbour) {
    GridFixture f(3, 3);
    Light* down = f.down(1, 0, 2);
    f.across(0, 2, 3);
    f.grid.join({1, 1, 1, 1, 0, 1});
    EXPECT_EQ(specText(down->spec()), "(1,0)-(1,2)d");
}

TEST(Join, LightsOnBothSidesBecomeOne) {
    GridFixture f(7, 3);
    Light* left = f.across(0, 1, 3);
    f.across(4, 1, 3);
    f.down(3, 0, 3);
    f.grid.join({3, 1, 3, 1, 1, 0});
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,1)-(6,1)a", "(3,0)-(3,2)d"}));
    EXPECT_EQ(specText(left->spec()), "(0,1)-(6,1)a");
}

TEST(Join, NothingToJoinBesideBlocks) {
    GridFixture f(3, 3);
    f.down(1, 0, 3);
    f.grid.join({1, 1, 1, 1, 1, 0});
    EXPECT_EQ(lightList(f.grid), (Lights{"(1,0)-(1,2)d"}));
}

TEST(ToggleBlock, BlockingShortensOrSplitsTheLight) {
    GridFixture f(9, 1);
    f.across(0, 0, 9);
    f.grid.toggleBlock(f.at(0, 2));
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(1,0)a", "(3,0)-(8,0)a"}));

    GridFixture g(9, 1);
    g.across(0, 0, 9);
    g.grid.toggleBlock(g.at(0, 1));
    EXPECT_EQ(lightList(g.grid), (Lights{"(2,0)-(8,0)a"}));
}

TEST(ToggleBlock, BlockingKeepsTheFrontPartsTextAndNumber) {
    GridFixture f(9, 1);
    Light* light = f.across(0, 0, 9);
    light->setText("ABCDEFGHI");
    light->setNumber("4");
    f.grid.toggleBlock(f.at(0, 5));
    ASSERT_EQ(f.grid.lightOf(f.at(0, 0), Direction::Across), light);
    EXPECT_EQ(light->text(), "ABCDEFGHI");
    EXPECT_EQ(light->number(), "4");
    const Light* back = f.grid.lightOf(f.at(0, 8), Direction::Across);
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->text());
    EXPECT_FALSE(back->number());
}

TEST(ToggleBlock, BlockingUnderHalfTurnBlocksThePartnerToo) {
    GridFixture f(5, 5);
    layPicture(f.grid, {".....", ".....", ".....", ".....", "....."});
    setMode(f.grid, 1);  // after laying: a new size clears the overrides
    f.grid.toggleBlock(f.at(0, 0));
    EXPECT_EQ(picture(f.grid), (Picture{"#++++", "+++++", "+++++", "+++++", "++++#"}));
    EXPECT_TRUE(testing::isSymmetric(f.grid));
}

TEST(ToggleBlock, UnblockingAnIsolatedCellGivesASingleCellAcrossLight) {
    for (int checking : {0, 1}) {
        GridFixture f(3, 3);
        setMode(f.grid, 0, checking);
        f.grid.toggleBlock(f.at(1, 1));
        EXPECT_EQ(lightList(f.grid), (Lights{"(1,1)-(1,1)a"})) << "checking " << checking;
    }
}

TEST(ToggleBlock, UnblockingBesideADownLightMakesADownCell) {
    GridFixture f(3, 3);
    f.across(0, 0, 3);
    f.grid.toggleBlock(f.at(1, 1));
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(2,0)a", "(1,1)-(1,1)d"}));
}

TEST(ToggleBlock, UnblockingJoinsTheLightsOnEitherSideInFullChecking) {
    GridFixture f(7, 3);
    setMode(f.grid, 0, 1);
    f.across(0, 1, 3);
    f.across(4, 1, 3);
    f.grid.toggleBlock(f.at(1, 3));
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,1)-(6,1)a"}));
}

TEST(ToggleBlock, UnblockingWithoutFullCheckingLeavesTheLightsApart) {
    GridFixture f(7, 3);
    f.across(0, 1, 3);
    f.across(4, 1, 3);
    f.grid.toggleBlock(f.at(1, 3));
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,1)-(2,1)a", "(3,1)-(3,1)a", "(4,1)-(6,1)a"}));
}

TEST(ToggleBlock, UnblockingLeavesAPartnerThatAlreadyHoldsLettersWhole) {
    GridFixture f(5, 5);
    f.across(0, 4, 5);  // laid without symmetry
    setMode(f.grid, 1);
    f.grid.toggleBlock(f.at(0, 4));
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,4)-(4,4)a", "(4,0)-(4,0)a"}));
}

TEST(MoveLight, PartnersMoveAlongAndKeepTheirTexts) {
    GridFixture f(15, 15);
    setMode(f.grid, 1);
    Light* light = f.grid.addLight({0, 0, 4, 0, 1, 0});
    light->setText("HELLO");
    light->setNumber("9");
    f.grid.moveLight(*light, {0, 2, 5, 2, 1, 0});
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,2)-(5,2)a", "(9,12)-(14,12)a"}));
    EXPECT_EQ(light->text(), "HELLO");
    EXPECT_EQ(light->number(), "9");
    EXPECT_EQ(specText(light->spec()), "(0,2)-(5,2)a");
}

TEST(MoveLight, MovingOntoOtherLightsCarvesThem) {
    GridFixture f(7, 3);
    Light* moved = f.across(0, 0, 3);
    f.across(0, 1, 7);
    f.grid.moveLight(*moved, {2, 1, 4, 1, 1, 0});
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,1)-(1,1)a", "(2,1)-(4,1)a", "(5,1)-(6,1)a"}));
}

TEST(MoveLight, AcrossLightCanBecomeADownLight) {
    GridFixture f(5, 5);
    Light* light = f.across(0, 0, 3);
    f.grid.moveLight(*light, {0, 0, 0, 3, 0, 1});
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(0,3)d"}));
}

TEST(MoveLight, FullCheckingBlocksCellsTheLightLeft) {
    // A down light crosses the across light's last cell; shortening the across light leaves
    // that cell unchecked, so it is carved out of the down light.
    GridFixture f(5, 5);
    setMode(f.grid, 0, 1);
    Light* light = f.across(0, 2, 5);
    f.down(4, 0, 5);
    f.down(0, 0, 5);
    f.grid.moveLight(*light, {0, 2, 3, 2, 1, 0});
    EXPECT_EQ(lightList(f.grid),
              (Lights{"(0,0)-(0,4)d", "(0,2)-(3,2)a", "(4,0)-(4,1)d", "(4,3)-(4,4)d"}));
}

TEST(ReverseLight, NoVisibleEffectWhenNormalized) {
    GridFixture f(15, 15);
    setMode(f.grid, 1);
    Light* light = f.grid.addLight({0, 0, 4, 0, 1, 0});
    const Lights before = lightList(f.grid);
    f.grid.reverseLight(*light);
    EXPECT_EQ(lightList(f.grid), before);
}

TEST(ReverseLight, UnnormalizedReversesThePartnerToo) {
    GridFixture f(15, 15);
    setMode(f.grid, 1, 0, 1);
    Light* light = f.grid.addLight({0, 0, 4, 0, 1, 0});
    light->setText("ABCDE");
    f.grid.reverseLight(*light);
    EXPECT_EQ(lightList(f.grid), (Lights{"(10,14)-(14,14)a", "(4,0)-(0,0)a"}));
    EXPECT_EQ(light->text(), "ABCDE");
    f.grid.refresh();
    EXPECT_EQ(f.shown(0, 4), "A");
}

TEST(DeleteLight, DeletesThePartnersAndTellsTheObserver) {
    GridFixture f(15, 15);
    setMode(f.grid, 1);
    Light* light = f.grid.addLight({0, 0, 4, 0, 1, 0});
    f.grid.addLight({0, 0, 0, 4, 0, 1});
    RecordingView view;
    f.grid.setObserver(&view);
    f.grid.deleteLight(*light);
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(0,4)d", "(14,10)-(14,14)d"}));
    EXPECT_EQ(view.count("deleting"), 2);
}

TEST(DeleteLight, FullCheckingBlocksTheCellsItLeavesUnchecked) {
    GridFixture f(5, 5);
    layPicture(f.grid, {".....", ".#.#.", ".....", ".#.#.", "....."});
    setMode(f.grid, 0, 1);
    Light* middle = f.grid.lightOf(f.at(2, 0), Direction::Across);
    f.grid.deleteLight(*middle);
    EXPECT_EQ(picture(f.grid), (Picture{"+.+.+", ".#.#.", "#####", ".#.#.", "+.+.+"}));
}

TEST(Restart, DropsLightsAndFilledLettersButKeepsCellProperties) {
    GridFixture f(3, 3);
    layPicture(f.grid, {"...", "...", "..."});
    f.at(0, 0).setText("Q");
    f.at(1, 1).setFilledLetter(3);
    f.at(2, 2).setNumber(CellCorner::Main, "7");
    f.grid.restart(false);
    EXPECT_TRUE(f.grid.lights().empty());
    EXPECT_EQ(f.at(0, 0).text(), "Q");
    EXPECT_EQ(f.at(1, 1).filledLetter(), kNoLetter);
    EXPECT_EQ(f.at(2, 2).number(CellCorner::Main), "7");

    f.grid.restart(true);
    EXPECT_EQ(f.grid.lights().size(), 6u);
}

TEST(ClearTexts, EachCommandClearsItsOwnTexts) {
    GridFixture f(3, 3);
    layPicture(f.grid, {"...", "...", "..."});
    Light* top = f.grid.lightOf(f.at(0, 0), Direction::Across);
    Light* left = f.grid.lightOf(f.at(0, 0), Direction::Down);
    top->setText("ABC");
    left->setText("ADE");
    f.at(0, 1).setFilledLetter(1);
    f.at(1, 1).setFilledLetter(1);
    f.at(2, 2).setText("Z");

    f.grid.clearLightText(*top);
    EXPECT_FALSE(top->text());
    EXPECT_EQ(left->text(), "ADE");
    EXPECT_EQ(f.at(0, 1).filledLetter(), kNoLetter);
    EXPECT_EQ(f.at(1, 1).filledLetter(), 1);

    f.grid.clearAllLightTexts();
    EXPECT_FALSE(left->text());
    EXPECT_EQ(f.at(1, 1).filledLetter(), kNoLetter);
    EXPECT_EQ(f.at(2, 2).text(), "Z");

    f.grid.clearAllCellTexts();
    EXPECT_FALSE(f.at(2, 2).text());
    EXPECT_EQ(f.shown(2, 2), "");
}

TEST(Reshape, RotateTurnsTheTopRightCellIntoTheTopLeft) {
    GridFixture f(3, 2);
    f.at(0, 2).setText("R");
    f.across(0, 0, 3);
    struct ReshapeView : GridView {
        int reshaped = 0;
        void gridReshaped() override { ++reshaped; }
    } view;
    f.grid.setObserver(&view);
    f.grid.rotate();
    EXPECT_EQ(f.grid.columns(), 2);
    EXPECT_EQ(f.grid.rows(), 3);
    EXPECT_EQ(f.at(0, 0).text(), "R");
    EXPECT_EQ(f.at(0, 0).row(), 0);
    // The top row became the left column, reading upwards, normalised to read down.
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(0,2)d"}));
    EXPECT_EQ(view.reshaped, 1);
}

TEST(Reshape, RotateUnnormalizedKeepsTheUpwardReading) {
    GridFixture f(3, 2);
    setMode(f.grid, 0, 0, 1);
    f.across(0, 1, 3);
    f.grid.rotate();
    EXPECT_EQ(lightList(f.grid), (Lights{"(1,2)-(1,0)d"}));
}

TEST(Reshape, ReflectSwapsRowsAndColumns) {
    GridFixture f(4, 2);
    Light* light = f.across(1, 1, 3);
    light->setText("CAT");
    f.at(0, 3).setNumber(CellCorner::NorthEast, "x");
    f.grid.reflect();
    EXPECT_EQ(f.grid.columns(), 2);
    EXPECT_EQ(f.grid.rows(), 4);
    EXPECT_EQ(lightList(f.grid), (Lights{"(1,1)-(1,3)d"}));
    EXPECT_EQ(light->text(), "CAT");
    EXPECT_EQ(f.at(3, 0).number(CellCorner::NorthEast), "x");
    EXPECT_EQ(f.shown(2, 1), "A");
}

TEST(Reshape, FourRotationsGiveTheGridBack) {
    GridFixture f(5, 3);
    layPicture(f.grid, {"..#..", ".....", "#...."});
    const Lights before = lightList(f.grid);
    for (int i = 0; i < 4; ++i)
        f.grid.rotate();
    EXPECT_EQ(lightList(f.grid), before);
    EXPECT_EQ(testing::structuralFaults(f.grid), "");
}

}  // namespace
}  // namespace tessaran
