#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/CellEdges.h"

namespace tessaran {
namespace {

// A map drawn in two layers of equal shape. In each layer a letter names the light of
// that orientation through the cell and '.' means none; '#' is a filled block and ':' a
// hole (taken from the across layer).
CellMap mapOf(const std::vector<std::string>& across, const std::vector<std::string>& down) {
    const int rows = static_cast<int>(across.size());
    const int columns = rows ? static_cast<int>(across[0].size()) : 0;
    CellMap map(rows, columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const char a = across[r][c];
            const char d = down[r][c];
            if (a == '#')
                map.set(r, c, CellKind::FilledBlock, -1, -1);
            else if (a == ':')
                map.set(r, c, CellKind::Hole, -1, -1);
            else
                map.set(r, c, CellKind::Light, a == '.' ? -1 : a, d == '.' ? -1 : d);
        }
    return map;
}

struct LightCase {
    const char* name;
    std::vector<std::string> across;
    std::vector<std::string> down;
    int row, column;
    LightCellEdges expected;
};

class LightCellEdgeTable : public ::testing::TestWithParam<LightCase> {};

TEST_P(LightCellEdgeTable, Classifies) {
    const LightCase& c = GetParam();
    EXPECT_EQ(lightCellEdges(mapOf(c.across, c.down), c.row, c.column), c.expected);
}

LightCellEdges edges(bool left, bool top, bool right, bool bottom) {
    LightCellEdges e;
    e.leftBar = left, e.topBar = top, e.rightBar = right, e.bottomBar = bottom;
    return e;
}

LightCellEdges withCorner(LightCellEdges e, int corner) {
    (corner == 0   ? e.topLeftCorner
     : corner == 1 ? e.topRightCorner
     : corner == 2 ? e.bottomRightCorner
                   : e.bottomLeftCorner) = true;
    return e;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LightCellEdgeTable,
    ::testing::Values(
        LightCase{
            "SameAcrossLightHasRule", {"aa"}, {".."}, 0, 0, edges(false, false, false, false)},
        LightCase{
            "DifferentAcrossLightsHaveBar", {"ab"}, {".."}, 0, 0, edges(false, false, true, false)},
        LightCase{
            "BarSeenFromTheOtherSide", {"ab"}, {".."}, 0, 1, edges(true, false, false, false)},
        // A cell without an across light meets any light cell beside it with a bar...
        LightCase{"NoAcrossLightMeansBar",
                  {"..", ".."},
                  {"de", "de"},
                  0,
                  0,
                  edges(false, false, true, false)},
        // ...but a block or hole beside it is met with a rule.
        LightCase{"BlockBesideIsRule", {".#"}, {"d#"}, 0, 0, edges(false, false, false, false)},
        LightCase{"HoleBesideIsRule",
                  {":.", ":."},
                  {":e", ":e"},
                  0,
                  1,
                  edges(false, false, false, false)},
        LightCase{"CrossingCellHasRulesAllRound",
                  {"#.#", "bbb", "#.#"},
                  {"#c#", ".c.", "#c#"},
                  1,
                  1,
                  edges(false, false, false, false)},
        LightCase{"TopLeftCornerWhereNeighboursBarsMeet",
                  {"ab", "cc"},
                  {".e", ".e"},
                  1,
                  1,
                  withCorner(edges(false, false, false, false), 0)},
        LightCase{"NoCornerWhenOwnEdgeIsBar",
                  {"ab", "cd"},
                  {".e", ".e"},
                  1,
                  1,
                  edges(true, false, false, false)},
        LightCase{"BottomRightCorner",
                  {"aa", "bc"},
                  {"d.", "d."},
                  0,
                  0,
                  withCorner(edges(false, false, false, false), 2)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellEdges, GridEdgesAreRulesNotBars) {
    const CellMap map = mapOf({"aa"}, {".."});
    EXPECT_EQ(lightCellEdges(map, 0, 1), edges(false, false, false, false));
}

TEST(CellEdges, FilledBlocksMeetWithGraticuleLines) {
    const CellMap map = mapOf({"##", "#:"}, {"..", ".."});
    EXPECT_EQ(blockEdges(map, 0, 0), (BlockEdges{true, true}));
    EXPECT_EQ(blockEdges(map, 0, 1), (BlockEdges{false, false}));
    EXPECT_EQ(blockEdges(map, 1, 0), (BlockEdges{false, false}));
}

TEST(CellEdges, TheRingCarriesTheOuterBorder) {
    const CellMap map = mapOf({"aa", "bb"}, {"cd", "cd"});
    OpenEdges left;
    left.rightBorder = true;
    EXPECT_EQ(openEdges(map, 0, -1), left);
    OpenEdges above;
    above.bottomBorder = true;
    EXPECT_EQ(openEdges(map, -1, 1), above);
    OpenEdges below;
    below.topBorder = true;
    EXPECT_EQ(openEdges(map, 2, 0), below);
    OpenEdges rightSide;
    rightSide.leftBorder = true;
    EXPECT_EQ(openEdges(map, 1, 2), rightSide);
    OpenEdges corner;
    corner.bottomRightCorner = true;
    EXPECT_EQ(openEdges(map, -1, -1), corner);
    OpenEdges farCorner;
    farCorner.topLeftCorner = true;
    EXPECT_EQ(openEdges(map, 2, 2), farCorner);
}

TEST(CellEdges, HolesShowBordersOnlyTowardsSolidCells) {
    // A hole between a filled block and another hole at the grid's right edge.
    const CellMap map = mapOf({"#::"}, {"..."});
    OpenEdges middle;
    middle.leftBorder = true;
    middle.rightGraticule = true;
    middle.bottomGraticule = true;  // last row
    EXPECT_EQ(openEdges(map, 0, 1), middle);
    OpenEdges last;
    last.rightGraticule = true;  // last column
    last.bottomGraticule = true;
    EXPECT_EQ(openEdges(map, 0, 2), last);
    // Outside the grid beside a hole: a graticule line on the hole's far side only.
    OpenEdges outside;
    outside.leftBorder = false;
    EXPECT_EQ(openEdges(map, 0, 3), outside);
    // Above the hole: its top is the grid's edge, but nothing solid is there.
    OpenEdges above;
    above.bottomGraticule = true;
    above.bottomLeftCorner = true;  // the block touches it diagonally
    EXPECT_EQ(openEdges(map, -1, 1), above);
}

TEST(CellEdges, DiagonalSolidCellGivesBorderCorner) {
    const CellMap map = mapOf({"#:", "::"}, {"..", ".."});
    OpenEdges e = openEdges(map, 1, 1);
    EXPECT_TRUE(e.topLeftCorner);
    EXPECT_FALSE(e.topBorder);
    EXPECT_FALSE(e.leftBorder);
    // Not where a border already runs.
    EXPECT_FALSE(openEdges(map, 0, 1).topLeftCorner);
    EXPECT_TRUE(openEdges(map, 0, 1).leftBorder);
}

}  // namespace
}  // namespace tessaran
