#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "grid/Grid.h"
#include "grid/GridStatistics.h"
#include "grid/Light.h"
#include "grid/LightDescription.h"
#include "grid/UnchPresets.h"
#include "grid/UnchStatus.h"

namespace tessaran {
namespace {

using testing::GridFixture;
using testing::layPicture;

UnchModel modelOf(UnchPreset preset) {
    const UnchPresetValues& values = unchPresetValues(preset);
    UnchModel model;
    model.maxConsecutive = values.maxConsecutive;
    model.minUnched.assign(values.minUnched.begin(), values.minUnched.end());
    model.maxUnched.assign(values.maxUnched.begin(), values.maxUnched.end());
    return model;
}

// A five-cell across light on row 1 crossed at columns 1 and 4: unchecked, checked,
// unchecked, unchecked, checked.
struct FiveCellLight : GridFixture {
    Light* light;
    FiveCellLight() : GridFixture(5, 3) {
        light = across(0, 1, 5);
        down(1, 0, 3);
        down(4, 0, 3);
    }
};

TEST(UnchStatus, WithoutAModelNothingIsFlagged) {
    FiveCellLight f;
    EXPECT_EQ(unchStatus(f.grid, *f.light), (UnchStatus{false, UnchLevel::WithinLimits, 3, 5}));
}

TEST(UnchStatus, BlockedNeedsHalfUnchedAndNoTwoTogether) {
    FiveCellLight f;
    f.grid.setUnchModel(modelOf(UnchPreset::Blocked));
    // Three unches are within 2 to 3, but two of them are adjacent.
    EXPECT_EQ(unchStatus(f.grid, *f.light), (UnchStatus{true, UnchLevel::WithinLimits, 3, 5}));
    // The down lights, unches at both ends of three cells, are within limits.
    const Light* down = f.grid.lightOf(f.at(0, 1), Direction::Down);
    EXPECT_EQ(unchStatus(f.grid, *down), (UnchStatus{false, UnchLevel::WithinLimits, 2, 3}));
}

TEST(UnchStatus, FullyCheckedFlagsAnyUnch) {
    GridFixture f(3, 3);
    layPicture(f.grid, {"...", "...", "..."});
    f.grid.setUnchModel(modelOf(UnchPreset::FullyChecked));
    for (const Light* light : f.grid.lights())
        EXPECT_EQ(unchStatus(f.grid, *light), (UnchStatus{false, UnchLevel::WithinLimits, 0, 3}));

    FiveCellLight g;
    g.grid.setUnchModel(modelOf(UnchPreset::FullyChecked));
    EXPECT_EQ(unchStatus(g.grid, *g.light), (UnchStatus{true, UnchLevel::Overunched, 3, 5}));
}

TEST(UnchStatus, UnderunchedAndRunsOfAnUncheckedLight) {
    GridFixture f(6, 1);
    Light* light = f.across(0, 0, 6);
    f.grid.setUnchModel(modelOf(UnchPreset::XimeneanBarred));  // length 6: 1 to 2 unches
    EXPECT_EQ(unchStatus(f.grid, *light), (UnchStatus{true, UnchLevel::Overunched, 6, 6}));

    GridFixture g(4, 2);
    Light* crossed = g.across(0, 0, 4);
    for (int c = 0; c < 4; ++c)
        g.down(c, 0, 2);
    g.grid.setUnchModel(modelOf(UnchPreset::XimeneanBarred));  // length 4: exactly 1 unch
    EXPECT_EQ(unchStatus(g.grid, *crossed), (UnchStatus{false, UnchLevel::Underunched, 0, 4}));
}

TEST(UnchStatus, LengthBeyondTheGridModelHasNoLimitsWhateverTheDefault) {
    GridFixture f(12, 1);
    Light* light = f.across(0, 0, 12);
    UnchModel everything = modelOf(UnchPreset::FullyChecked);
    f.grid.setDefaultUnchModel(everything);
    EXPECT_EQ(unchStatus(f.grid, *light).level, UnchLevel::Overunched);

    UnchModel ten;
    ten.maxConsecutive = 0;
    ten.minUnched.assign(10, 0);
    ten.maxUnched.assign(10, 0);
    f.grid.setUnchModelAsRead(ten);
    EXPECT_EQ(unchStatus(f.grid, *light), (UnchStatus{false, UnchLevel::WithinLimits, 12, 12}));
}

TEST(UnchPresets, TablesOfTheFourButtons) {
    const UnchPresetValues& none = unchPresetValues(UnchPreset::None);
    EXPECT_STREQ(none.caption, "None");
    EXPECT_EQ(none.maxConsecutive, 99);
    EXPECT_EQ(none.maxUnched[14], 15);
    const UnchPresetValues& blocked = unchPresetValues(UnchPreset::Blocked);
    EXPECT_STREQ(blocked.caption, "Blocked");
    for (int length = 1; length <= kUnchDialogLengths; ++length) {
        EXPECT_EQ(blocked.minUnched[length - 1], length / 2);
        EXPECT_EQ(blocked.maxUnched[length - 1], (length + 1) / 2);
        EXPECT_EQ(none.minUnched[length - 1], 0);
        EXPECT_EQ(none.maxUnched[length - 1], length);
    }
    const UnchPresetValues& barred = unchPresetValues(UnchPreset::XimeneanBarred);
    EXPECT_STREQ(barred.caption, "Ximenean Barred");
    EXPECT_EQ(barred.minUnched[12], 4);
    EXPECT_EQ(barred.maxUnched[12], 5);
    EXPECT_EQ(barred.maxConsecutive, 1);
    const UnchPresetValues& full = unchPresetValues(UnchPreset::FullyChecked);
    EXPECT_STREQ(full.caption, "Fully Checked");
    EXPECT_EQ(full.maxConsecutive, 0);
    EXPECT_EQ(full.maxUnched[14], 0);
}

TEST(LightDescription, NumberAndLengthOrTheCellsWhenUnnumbered) {
    GridFixture f(5, 5);
    Light* light = f.across(1, 2, 3);
    f.grid.refresh();
    EXPECT_EQ(lightDescription(*light), "1a (3)");
    f.grid.setting(GridSetting::Numbering).setOverride(1);
    f.grid.refresh();
    EXPECT_EQ(lightDescription(*light), "(3,2)-(3,4)a (3)");
}

std::string field(const GridStatistics& s, StatisticsField f) {
    return s.text(f);
}

TEST(GridStatistics, LightsThatNeverCrossUnderFullChecking) {
    GridFixture f(5, 3);
    f.across(0, 0, 5);
    f.across(0, 2, 3);
    f.grid.setUnchModel(modelOf(UnchPreset::FullyChecked));
    const GridStatistics s(f.grid);
    EXPECT_EQ(field(s, StatisticsField::CheckedCells), "0");
    EXPECT_EQ(field(s, StatisticsField::UncheckedCells), "8");
    EXPECT_EQ(field(s, StatisticsField::Checking), "0%");
    // Over the limit and with too long a run: listed under runs only.
    EXPECT_EQ(field(s, StatisticsField::ConsecutivelyUnchedLights), "1a (5);2a (3);");
    EXPECT_EQ(field(s, StatisticsField::OverunchedLights), "");
    EXPECT_EQ(field(s, StatisticsField::UnderunchedLights), "");
    EXPECT_EQ(field(s, StatisticsField::AverageLightLength), "4");
    EXPECT_EQ(field(s, StatisticsField::LightDistribution), "\n\n\x7f (1@3)\n\n\x7f (1@5)\n");
}

TEST(GridStatistics, OverAndUnderunchedLists) {
    FiveCellLight f;
    f.grid.setUnchModel(modelOf(UnchPreset::XimeneanBarred));
    f.grid.refresh();
    const GridStatistics s(f.grid);
    // The five-cell light has three unches (1 allowed) and a run of two; each down light
    // has two unches of three (none allowed) but no run longer than 1.
    EXPECT_EQ(field(s, StatisticsField::ConsecutivelyUnchedLights), "3a (5);");
    EXPECT_EQ(field(s, StatisticsField::OverunchedLights), "1d (3);2d (3);");
    EXPECT_EQ(field(s, StatisticsField::UnderunchedLights), "");
}

TEST(GridStatistics, EmptyGridShowsCountsOnly) {
    GridFixture f(4, 3);
    const GridStatistics s(f.grid);
    EXPECT_EQ(field(s, StatisticsField::Columns), "4");
    EXPECT_EQ(field(s, StatisticsField::Rows), "3");
    EXPECT_EQ(field(s, StatisticsField::TotalLights), "0");
    EXPECT_EQ(field(s, StatisticsField::AverageLightLength), "");
    EXPECT_EQ(field(s, StatisticsField::Checking), "");
    EXPECT_EQ(field(s, StatisticsField::LightDistribution), "");
}

TEST(GridStatistics, FormatsOfTheNumbers) {
    EXPECT_EQ(GridStatistics::formatChecking(1, 1), "67%");
    EXPECT_EQ(GridStatistics::formatChecking(0, 0), "");
    EXPECT_EQ(GridStatistics::formatChecking(0, 4), "100%");
    EXPECT_EQ(GridStatistics::formatAverageLength(222, 32), "6.94");
    EXPECT_EQ(GridStatistics::formatAverageLength(2000, 3), "667");
    std::vector<int> lengths(7, 0);
    lengths[6] = 45;
    EXPECT_EQ(GridStatistics::formatDistribution(lengths),
              "\n\n\n\n\n\n" + std::string(39, '\x7f') + " (45@7)\n");
    EXPECT_STREQ(GridStatistics::label(StatisticsField::AverageLightLength),
                 "Average light length:");
    EXPECT_STREQ(GridStatistics::label(StatisticsField::LightDistribution), "Light distribution:");
}

// A 15 x 15 blocked cryptic grid with half-turn symmetry, counted by hand: 18 across and
// 14 down lights; 56 cells checked (even row and even column, less 8 blocks) and 110
// unchecked; 222 letters, so checking is 112 / 222 = 50% and the average 6.94.
const std::vector<std::string> kCryptic = {
    "........#......", ".#.#.#.#.#.#.#.", "............#..", ".#.#.#.#.#.#.#.", "....#.....#....",
    ".#.#.#.#.#.#.#.", ".....#.........", ".#.#.#.#.#.#.#.", ".........#.....", ".#.#.#.#.#.#.#.",
    "....#.....#....", ".#.#.#.#.#.#.#.", "..#............", ".#.#.#.#.#.#.#.", "......#........",
};

TEST(GridStatistics, StandardBlockedCrypticGridMatchesAHandCount) {
    GridFixture f(15, 15);
    layPicture(f.grid, kCryptic);
    const GridStatistics s(f.grid);
    EXPECT_EQ(field(s, StatisticsField::AcrossLights), "18");
    EXPECT_EQ(field(s, StatisticsField::DownLights), "14");
    EXPECT_EQ(field(s, StatisticsField::TotalLights), "32");
    EXPECT_EQ(field(s, StatisticsField::AverageLightLength), "6.94");
    EXPECT_EQ(field(s, StatisticsField::UncheckedCells), "110");
    EXPECT_EQ(field(s, StatisticsField::CheckedCells), "56");
    EXPECT_EQ(field(s, StatisticsField::Checking), "50%");
    auto bars = [&](int n) { return std::string(n, '\x7f'); };
    EXPECT_EQ(field(s, StatisticsField::LightDistribution),
              "\n" + bars(4) + " (4@2)\n\n" + bars(8) + " (8@4)\n" + bars(6) + " (6@5)\n" +
                  bars(2) + " (2@6)\n\n" + bars(2) + " (2@8)\n" + bars(2) + " (2@9)\n\n\n" +
                  bars(4) + " (4@12)\n\n" + bars(2) + " (2@14)\n" + bars(2) + " (2@15)\n");
    // Alternate unching never breaks the "Blocked" model.
    f.grid.setUnchModel(modelOf(UnchPreset::Blocked));
    const GridStatistics blocked(f.grid);
    EXPECT_EQ(field(blocked, StatisticsField::ConsecutivelyUnchedLights), "");
    EXPECT_EQ(field(blocked, StatisticsField::OverunchedLights), "");
    EXPECT_EQ(field(blocked, StatisticsField::UnderunchedLights), "");
    EXPECT_TRUE(testing::isSymmetric(f.grid));
}

}  // namespace
}  // namespace tessaran
