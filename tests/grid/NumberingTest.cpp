#include <gtest/gtest.h>

#include "GridTestSupport.h"

namespace tessaran {
namespace {

using testing::GridFixture;

// A 5x5 grid with across lights in rows 0, 2 and 4 and down lights in columns 0, 2, 4.
struct Lattice : GridFixture {
    Lattice() {
        for (int i = 0; i < 5; i += 2) {
            across(0, i, 5);
            down(i, 0, 5);
        }
    }
};

TEST(Numbering, CountsStartsRowByRow) {
    Lattice f;
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 0), "1");
    EXPECT_EQ(f.number(0, 2), "2");
    EXPECT_EQ(f.number(0, 4), "3");
    EXPECT_EQ(f.number(2, 0), "4");
    EXPECT_EQ(f.number(4, 0), "5");
    EXPECT_EQ(f.number(1, 0), "");
    EXPECT_FALSE(f.at(0, 0).numberClash());
}

TEST(Numbering, DisabledShowsOnlyTypedNumbers) {
    Lattice f;
    f.grid.setting(GridSetting::Numbering).setOverride(1);
    f.at(2, 0).setNumber(CellCorner::Main, "9");
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 0), "");
    EXPECT_EQ(f.number(2, 0), "9");
    EXPECT_EQ(f.number(4, 0), "");
}

TEST(Numbering, TypedDigitsRebaseTheCounter) {
    Lattice f;
    f.at(0, 0).setNumber(CellCorner::Main, "5");
    f.at(2, 0).setNumber(CellCorner::Main, "7a");
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 0), "5");
    EXPECT_EQ(f.number(0, 2), "6");
    EXPECT_EQ(f.number(0, 4), "7");
    EXPECT_EQ(f.number(2, 0), "7a");  // not digits: the count goes on from 8
    EXPECT_EQ(f.number(4, 0), "8");
}

TEST(Numbering, PrecedenceCellOverAcrossOverDownWithClashes) {
    Lattice f;
    Light* a = f.grid.lightOf(f.at(0, 0), Direction::Across);
    Light* d = f.grid.lightOf(f.at(0, 0), Direction::Down);
    a->setNumber("3");
    d->setNumber("4");
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 0), "3");
    EXPECT_TRUE(f.at(0, 0).numberClash());

    d->setNumber("3");
    f.grid.refresh();
    EXPECT_FALSE(f.at(0, 0).numberClash());

    f.at(0, 0).setNumber(CellCorner::Main, "12");
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 0), "12");
    EXPECT_TRUE(f.at(0, 0).numberClash());
    EXPECT_EQ(f.number(0, 2), "13");
}

TEST(Numbering, EmptyNumbersSuppress) {
    Lattice f;
    // An empty across number drops the across start; the down light still starts here.
    f.grid.lightOf(f.at(2, 0), Direction::Across)->setNumber("");
    // An empty cell number suppresses the cell's number altogether.
    f.at(0, 2).setNumber(CellCorner::Main, "");
    // Both lights through (0,0) suppressed: no number and the count does not move.
    f.grid.lightOf(f.at(0, 0), Direction::Across)->setNumber("");
    f.grid.lightOf(f.at(0, 0), Direction::Down)->setNumber("");
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 0), "");
    EXPECT_EQ(f.number(0, 2), "");
    EXPECT_EQ(f.number(0, 4), "1");
    EXPECT_EQ(f.number(2, 0), "");  // the down light of column 0 starts at row 0, not here
    EXPECT_EQ(f.number(4, 0), "2");
}

TEST(Numbering, ReversedLightNumberedAtTopLeftOnlyInTopLeftMode) {
    GridFixture f(5, 1);
    f.grid.setting(GridSetting::DirectionMode).setOverride(1);
    f.grid.createLights({{4, 0, 0, 0, -1, 0}});
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 4), "1");
    EXPECT_EQ(f.number(0, 0), "");
    f.grid.setting(GridSetting::NumberPosition).setOverride(1);
    f.grid.refresh();
    EXPECT_EQ(f.number(0, 0), "1");
    EXPECT_EQ(f.number(0, 4), "");
}

TEST(ShownText, LightsAndCellMergeWithCellFirstThenAcross) {
    Lattice f;
    Light* a = f.grid.lightOf(f.at(0, 0), Direction::Across);
    Light* d = f.grid.lightOf(f.at(0, 0), Direction::Down);
    a->setText("A.C");
    d->setText("B");
    f.grid.refresh();
    EXPECT_EQ(f.shown(0, 0), "A");
    EXPECT_TRUE(f.at(0, 0).textClash());
    EXPECT_EQ(f.shown(0, 2), "C");
    EXPECT_FALSE(f.at(0, 1).shownText());  // "." from the light alone shows nothing

    d->setText("A");
    f.at(0, 0).setText("Z");
    f.grid.refresh();
    EXPECT_EQ(f.shown(0, 0), "Z");
    EXPECT_TRUE(f.at(0, 0).textClash());
}

TEST(ShownText, TwoLetterCellTakesTwoCharactersOfEachLight) {
    GridFixture f(4, 3);
    Light* a = f.across(0, 1, 4);
    f.down(1, 0, 3);
    f.at(1, 1).setText("..");
    a->setText("ABCDE");
    f.grid.refresh();
    EXPECT_EQ(f.shown(1, 0), "A");
    EXPECT_EQ(f.shown(1, 1), "BC");
    EXPECT_EQ(f.shown(1, 2), "D");
    EXPECT_EQ(f.shown(1, 3), "E");
    EXPECT_FALSE(f.at(1, 1).textClash());

    f.at(1, 1).setText(".");  // an own text of "." is still shown
    f.grid.refresh();
    EXPECT_EQ(f.shown(1, 1), "B");
    EXPECT_EQ(f.shown(1, 2), "C");
}

TEST(ShownText, CellWithEmptyTextTakesNoCharacters) {
    GridFixture f(4, 1);
    Light* a = f.across(0, 0, 4);
    a->setText("ABC");
    f.at(0, 1).setText("");  // a text of its own, with no characters
    f.grid.refresh();
    EXPECT_EQ(f.at(0, 1).text(), "");
    EXPECT_EQ(a->textPosition(f.at(0, 2)), 1);
    EXPECT_EQ(f.shown(0, 0), "A");
    EXPECT_EQ(f.at(0, 1).shownText(), "");  // shown, but empty
    EXPECT_EQ(f.shown(0, 2), "B");
    EXPECT_EQ(f.shown(0, 3), "C");

    f.at(0, 1).clearText();  // without a text the cell takes one character again
    f.grid.refresh();
    EXPECT_EQ(f.shown(0, 1), "B");
    EXPECT_EQ(f.shown(0, 3), "");
}

}  // namespace
}  // namespace tessaran
