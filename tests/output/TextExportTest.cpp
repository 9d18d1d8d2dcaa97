#include <gtest/gtest.h>

#include "grid/GridTestSupport.h"
#include "output/TextExport.h"

namespace tessaran {
namespace {

using testing::GridFixture;

TEST(AnswerList, TwoCellLightGivesThreeLines) {
    GridFixture f(2, 1);
    f.across(0, 0, 2)->setText("AB");
    f.grid.refresh();
    EXPECT_EQ(answerList(f.grid), "ACROSS\r\n1\tAB (2)\r\nDOWN\r\n");
}

TEST(AnswerList, EmptyCellsAreDotsAndLightsComeInCellOrder) {
    GridFixture f(3, 3);
    f.down(2, 0, 3)->setText("X.Z");
    f.across(0, 2, 3);
    f.across(0, 0, 3)->setText("A");  // made last, but its first cell comes first
    f.grid.refresh();
    EXPECT_EQ(answerList(f.grid),
              "ACROSS\r\n"
              "1\tA.X (3)\r\n"
              "3\t..Z (3)\r\n"
              "DOWN\r\n"
              "2\tX.Z (3)\r\n");
}

TEST(AnswerList, UnnumberedLightHasEmptyNumberAndMultiLetterCellsCountWhole) {
    GridFixture f(3, 1);
    f.grid.setting(GridSetting::Numbering).setOverride(1);
    f.at(0, 1).setText("QU");
    f.across(0, 0, 3)->setText("AQUI");
    f.grid.refresh();
    EXPECT_EQ(answerList(f.grid), "ACROSS\r\n\tAQUI (3)\r\nDOWN\r\n");
}

TEST(AnswerList, LightTakesTheNumberItIsShownWith) {
    // Numbered at the top left, a light read backwards carries its number at its last
    // cell; the list gives it that number, not the one of its first cell.
    GridFixture f(3, 2);
    f.grid.setting(GridSetting::NumberPosition).setOverride(1);
    f.grid.createLights({{2, 0, 0, 0, -1, 0}})->setText("CAT");
    f.down(2, 0, 2);
    f.across(0, 1, 3)->setText("DOG");
    f.grid.refresh();
    ASSERT_EQ(f.number(0, 0), "1");
    ASSERT_EQ(f.number(0, 2), "2");
    EXPECT_EQ(answerList(f.grid),
              "ACROSS\r\n"
              "1\tCAT (3)\r\n"
              "3\tDOG (3)\r\n"
              "DOWN\r\n"
              "2\tCG (2)\r\n");
    // Numbered at the first cell, it keeps the number of its first cell.
    f.grid.setting(GridSetting::NumberPosition).setOverride(0);
    f.grid.refresh();
    EXPECT_EQ(answerList(f.grid),
              "ACROSS\r\n"
              "1\tCAT (3)\r\n"
              "2\tDOG (3)\r\n"
              "DOWN\r\n"
              "1\tCG (2)\r\n");
}

TEST(TextGrid, FieldsBarsAndBlocks) {
    // Row 0: a three-cell light; row 1: a block, then two cells of two down lights that
    // meet row 0's light from below.
    GridFixture f(3, 2);
    f.across(0, 0, 3)->setText("ABC");
    f.down(1, 0, 2);
    f.at(1, 2).setNumber(CellCorner::Main, "123");
    f.at(1, 2).setText("QU");
    f.down(2, 0, 2);
    f.grid.refresh();
    EXPECT_EQ(textGrid(f.grid, true, true),
              "+----+----+----+\r\n"
              "|1   |2   |3   |\r\n"
              "|  A |  B |  C |\r\n"
              "+----+----+----+\r\n"
              "|####|    #123 |\r\n"
              "|####|    # QU |\r\n"
              "+----+----+----+\r\n");
    EXPECT_EQ(textGrid(f.grid, false, false),
              "+----+----+----+\r\n"
              "|    |    |    |\r\n"
              "|    |    |    |\r\n"
              "+----+----+----+\r\n"
              "|####|    #    |\r\n"
              "|####|    #    |\r\n"
              "+----+----+----+\r\n");
}

TEST(TextGrid, BarsUnderLightsOfAnotherRow) {
    GridFixture f(2, 2);
    f.across(0, 0, 2)->setText("NO");
    f.across(0, 1, 2)->setText("ON");
    f.grid.refresh();
    EXPECT_EQ(textGrid(f.grid, false, true),
              "+----+----+\r\n"
              "|    |    |\r\n"
              "|  N |  O |\r\n"
              "+####+####+\r\n"
              "|    |    |\r\n"
              "|  O |  N |\r\n"
              "+----+----+\r\n");
}

TEST(TextGrid, HolesAreBlankAndLongTextsAreCut) {
    GridFixture f(3, 1);
    f.at(0, 0).setBlockType(1);
    f.across(1, 0, 2);
    f.at(0, 1).setNumber(CellCorner::Main, "12345");
    f.at(0, 1).setText("ABCDE");
    f.grid.refresh();
    EXPECT_EQ(textGrid(f.grid, true, true),
              "+----+----+----+\r\n"
              "|    |1234|    |\r\n"
              "|    | ABC|    |\r\n"
              "+----+----+----+\r\n");
}

TEST(TextGrid, HolesStayBlankWhateverWasTypedIntoThem) {
    // A cell outside every light keeps its own number and text, but as a hole it is drawn
    // empty, and as a filled block it is solid.
    GridFixture f(3, 1);
    f.across(0, 0, 2)->setText("OX");
    f.at(0, 2).setBlockType(1);
    f.at(0, 2).setNumber(CellCorner::Main, "9");
    f.at(0, 2).setText("Z");
    f.grid.refresh();
    ASSERT_TRUE(f.at(0, 2).shownText());
    EXPECT_EQ(textGrid(f.grid, true, true),
              "+----+----+----+\r\n"
              "|1   |    |    |\r\n"
              "|  O |  X |    |\r\n"
              "+----+----+----+\r\n");
    f.at(0, 2).setBlockType(0);
    f.grid.refresh();
    EXPECT_EQ(textGrid(f.grid, true, true),
              "+----+----+----+\r\n"
              "|1   |    |####|\r\n"
              "|  O |  X |####|\r\n"
              "+----+----+----+\r\n");
}

TEST(ExchangeText, TagsSizeGridAndAnswers) {
    GridFixture f(3, 2);
    f.grid.setDescription("Prize puzzle");
    f.across(0, 0, 3)->setText("C.T");
    f.at(1, 1).setBlockType(1);
    f.grid.refresh();
    EXPECT_EQ(exchangeText(f.grid),
              "<ACROSS PUZZLE>\r\n"
              "<TITLE>\r\n"
              "Prize puzzle\r\n"
              "<AUTHOR>\r\n"
              "\r\n"
              "<COPYRIGHT>\r\n"
              "\r\n"
              "<SIZE>\r\n"
              "3x2\r\n"
              "<GRID>\r\n"
              "CXT\r\n"
              ".:.\r\n"
              "<ACROSS>\r\n"
              "C.T\r\n"
              "<DOWN>\r\n");
}

TEST(ExchangeText, GridFollowsTheGridsBlockType) {
    GridFixture f(2, 1);
    f.grid.setting(GridSetting::BlockType).setOverride(1);
    f.at(0, 1).setBlockType(0);
    f.grid.refresh();
    const std::string text = exchangeText(f.grid);
    EXPECT_NE(text.find("<TITLE>\r\n\r\n<AUTHOR>"), std::string::npos);
    EXPECT_NE(text.find("<GRID>\r\n:.\r\n<ACROSS>\r\n<DOWN>\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tessaran
