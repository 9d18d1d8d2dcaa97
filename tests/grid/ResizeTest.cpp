#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "grid/Grid.h"
#include "grid/Light.h"
#include "grid/ResizePlan.h"

namespace tessaran {
namespace {

using testing::GridFixture;
using testing::layPicture;
using testing::lightList;
using testing::picture;

using Ops = std::vector<ResizeOperation>;
using Lights = std::vector<std::string>;
using Picture = std::vector<std::string>;

TEST(ResizePlan, HalfTurnMirrorsAnInsertion) {
    const auto plan = planResize(15, 15, 1, 2, 3, 0, 0, 50);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->columns.operations(), (Ops{{3, 2}, {12, 2}}));
    EXPECT_EQ(plan->columns.newSize(), 19);
    EXPECT_TRUE(plan->rows.operations().empty());
    EXPECT_EQ(plan->rows.newSize(), 15);
}

TEST(ResizePlan, OperationsThatAreTheirOwnMirrorAreNotRepeated) {
    EXPECT_EQ(planResize(14, 9, 1, 1, 7, 0, 0, 50)->columns.operations(), (Ops{{7, 1}}));
    EXPECT_EQ(planResize(15, 9, 1, -3, 6, 0, 0, 50)->columns.operations(), (Ops{{6, -3}}));
}

TEST(ResizePlan, OverlappingDeletionsMergeAndEqualInsertionsKeepTheLarger) {
    EXPECT_EQ(planResize(15, 9, 1, -3, 5, 0, 0, 50)->columns.operations(), (Ops{{5, -5}}));
    // Rows of a square grid under the main diagonal copy the column operation.
    const auto plan = planResize(9, 9, 7, 2, 4, 3, 4, 50);
    EXPECT_EQ(plan->columns.operations(), (Ops{{4, 3}}));
    EXPECT_EQ(plan->rows.operations(), (Ops{{4, 3}}));
}

TEST(ResizePlan, DeletionPastTheEdgeEndsAtTheEdge) {
    const auto plan = planResize(15, 9, 0, -5, 13, 0, 0, 50);
    EXPECT_EQ(plan->columns.operations(), (Ops{{13, -2}}));
    EXPECT_EQ(plan->columns.newSize(), 13);
    EXPECT_EQ(planResize(15, 9, 1, -5, 13, 0, 0, 50)->columns.operations(),
              (Ops{{0, -2}, {13, -2}}));
}

TEST(ResizePlan, SymmetryTypesAddTheirOperations) {
    // Left-right mirror: columns only.
    auto plan = planResize(10, 8, 3, 1, 2, 1, 2, 50);
    EXPECT_EQ(plan->columns.operations(), (Ops{{2, 1}, {8, 1}}));
    EXPECT_EQ(plan->rows.operations(), (Ops{{2, 1}}));
    // Top-bottom mirror: rows only.
    plan = planResize(10, 8, 8, 1, 2, 1, 2, 50);
    EXPECT_EQ(plan->columns.operations(), (Ops{{2, 1}}));
    EXPECT_EQ(plan->rows.operations(), (Ops{{2, 1}, {6, 1}}));
    // Other diagonal on a square: a column insertion at p is a row insertion at W - p.
    plan = planResize(9, 9, 9, 1, 2, 0, 0, 50);
    EXPECT_EQ(plan->columns.operations(), (Ops{{2, 1}}));
    EXPECT_EQ(plan->rows.operations(), (Ops{{7, 1}}));
    // Half turn and diagonals on a rectangle is a half turn.
    plan = planResize(10, 8, 4, -1, 0, 0, 0, 50);
    EXPECT_EQ(plan->columns.operations(), (Ops{{0, -1}, {9, -1}}));
    // All eight on a square: both axes, both sides.
    plan = planResize(9, 9, 6, 1, 2, 0, 0, 50);
    EXPECT_EQ(plan->columns.operations(), (Ops{{2, 1}, {7, 1}}));
    EXPECT_EQ(plan->rows.operations(), (Ops{{2, 1}, {7, 1}}));
}

TEST(ResizePlan, RefusesPositionsOutsideAndSizesBeyondTheLimits) {
    EXPECT_FALSE(planResize(15, 15, 0, 36, 0, 0, 0, 50));
    EXPECT_TRUE(planResize(15, 15, 0, 35, 0, 0, 0, 50));
    EXPECT_FALSE(planResize(15, 15, 0, 1, 16, 0, 0, 50));
    EXPECT_FALSE(planResize(15, 15, 0, 1, -1, 0, 0, 50));
    EXPECT_FALSE(planResize(15, 15, 0, 0, 0, -15, 0, 50));
    EXPECT_TRUE(planResize(15, 15, 0, 1, 15, 0, 0, 50));
}

TEST(ResizePlan, MapsOldLinesAndReportsNewRanges) {
    const AxisResize axis(10, {{2, 2}, {5, -2}});
    EXPECT_EQ(axis.newSize(), 10);
    EXPECT_EQ(axis.map(1), 1);
    EXPECT_EQ(axis.map(2), 4);
    EXPECT_EQ(axis.map(5), -1);
    EXPECT_EQ(axis.map(6), -1);
    EXPECT_EQ(axis.map(7), 7);
    EXPECT_EQ(axis.insertedRanges(), (Ops{{2, 2}}));
    EXPECT_EQ(axis.linesAfterDeletions(), (std::vector<int>{7}));
}

TEST(GridResize, HalfTurnInsertionGrowsTheLightsThatSpanIt) {
    GridFixture f(15, 3);
    f.grid.setting(GridSetting::Symmetry).setOverride(1);
    Light* light = f.across(0, 1, 15);
    light->setText("ABCDEFGHIJKLMNO");
    f.at(0, 14).setText("Z");
    struct View : GridView {
        int reshaped = 0;
        void gridReshaped() override { ++reshaped; }
    } view;
    f.grid.setObserver(&view);
    ASSERT_TRUE(f.grid.resize(2, 3, 0, 0));
    EXPECT_EQ(f.grid.columns(), 19);
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,1)-(18,1)a"}));
    EXPECT_EQ(light->text(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(f.at(0, 18).text(), "Z");
    EXPECT_EQ(view.reshaped, 1);
}

TEST(GridResize, LightsLosingAllButOneCellGoAndSingleCellLightsStay) {
    GridFixture f(6, 3);
    f.across(0, 0, 3);
    f.across(3, 0, 3);
    f.grid.toggleBlock(f.at(2, 0));  // a single-cell light
    ASSERT_TRUE(f.grid.resize(-2, 1, 0, 0));
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,2)-(0,2)a", "(1,0)-(3,0)a"}));
    ASSERT_TRUE(f.grid.resize(0, 0, -1, 0));
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,1)-(0,1)a"}));
}

TEST(GridResize, RefusalLeavesTheGridUntouched) {
    GridFixture f(15, 15);
    f.across(0, 0, 15);
    EXPECT_FALSE(f.grid.resize(36, 0, 0, 0));
    EXPECT_FALSE(f.grid.resize(0, 0, 1, 16));
    EXPECT_EQ(f.grid.columns(), 15);
    EXPECT_EQ(f.grid.rows(), 15);
    EXPECT_EQ(lightList(f.grid), (Lights{"(0,0)-(14,0)a"}));
}

TEST(GridResize, FullCheckingJoinsAcrossADeletedRowAndCrossesAnInsertedColumn) {
    GridFixture f(3, 5);
    layPicture(f.grid, {"#.#", "#.#", "###", "#.#", "#.#"});
    f.grid.setting(GridSetting::CheckingMode).setOverride(1);
    // Deleting the blocked row brings the two halves of the middle column together.
    ASSERT_TRUE(f.grid.resize(0, 0, -1, 2));
    EXPECT_EQ(lightList(f.grid), (Lights{"(1,0)-(1,3)d"}));

    // An inserted column beside the down light is crossed by new across lights.
    GridFixture g(2, 3);
    layPicture(g.grid, {"..", "..", ".."});
    g.grid.setting(GridSetting::CheckingMode).setOverride(1);
    ASSERT_TRUE(g.grid.resize(1, 1, 0, 0));
    EXPECT_EQ(picture(g.grid), (Picture{"+++", "+++", "+++"}));
}

}  // namespace
}  // namespace tessaran
