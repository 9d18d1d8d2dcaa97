#include <gtest/gtest.h>

#include <limits>

#include "output/DisplayDimension.h"
#include "output/RenderMetrics.h"
#include "output/ScreenScale.h"
#include "output/Units.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

TEST(Units, ShowsFiveHundredTwipsInEveryUnit) {
    EXPECT_EQ(showTwips(500, UnitType::Points), "25");
    EXPECT_EQ(showTwips(500, UnitType::TenthsOfInches), "3.472");
    EXPECT_EQ(showTwips(500, UnitType::Inches), "0.3472");
    EXPECT_EQ(showTwips(500, UnitType::Millimetres), "8.819");
    EXPECT_EQ(showTwips(500, UnitType::Centimetres), "0.8819");
    EXPECT_EQ(showTwips(-30000, UnitType::Points), "-1500");
}

TEST(Units, ReadsWithRoundingTowardZero) {
    EXPECT_EQ(readTwips("1", UnitType::Points), 20);
    EXPECT_EQ(readTwips("0.1", UnitType::Inches), 144);
    EXPECT_EQ(readTwips("-0.6", UnitType::Points), -11);
    EXPECT_EQ(readTwips("8.819", UnitType::Millimetres), 500);
    EXPECT_EQ(readTwips("  2.5mm", UnitType::Points), 50);  // trailing text is ignored
    EXPECT_EQ(readTwips("wide", UnitType::Inches), 0);
    EXPECT_EQ(readTwips("", UnitType::Points), 0);
    // Only the first 31 characters count: the 32nd digit is not read.
    EXPECT_EQ(readTwips(std::string(31, '0') + "7", UnitType::Points), 0);
    // Numbers no int can hold saturate instead of overflowing.
    EXPECT_EQ(readTwips("1e300", UnitType::Inches), std::numeric_limits<int>::max());
    EXPECT_EQ(readTwips("-inf", UnitType::Inches), std::numeric_limits<int>::min());
    EXPECT_EQ(readTwips("nan", UnitType::Inches), 0);
}

TEST(Units, ShowThenReadGivesTheLengthBack) {
    for (UnitType unit : {UnitType::Points, UnitType::TenthsOfInches, UnitType::Inches,
                          UnitType::Millimetres, UnitType::Centimetres})
        for (int twips : {0, 20, 50, 500, 720, 1440})
            EXPECT_NEAR(readTwips(showTwips(twips, unit), unit), twips, twips / 1000 + 1)
                << unitName(unit) << " " << twips;
}

TEST(DisplayDimensions, TableHasKeysRangesAndDefaults) {
    const DisplayDimensions d = makeDisplayDimensions();
    EXPECT_EQ(displayDimensionInfo(DisplayDimension::CellWidth).key, std::string("CellWidth"));
    EXPECT_EQ(displayDimensionInfo(DisplayDimension::GridAlignment).key,
              std::string("GridAlignment"));
    EXPECT_EQ(displayDimensionIndex("BarStyleLopsided"), 16);
    EXPECT_EQ(displayDimensionIndex("cellwidth"), -1);
    EXPECT_EQ(displayDimensionInfo(DisplayDimension::NumberOffsetY).label,
              std::string("Nr Offset Y:"));
    const int defaults[] = {500, 500, 50, 50, 20, 20, 30, 30, 20, 20, 280, 320, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        EXPECT_EQ(d[i].value(), defaults[i]) << i;
        EXPECT_FALSE(d[i].isOverridden());
    }
    EXPECT_EQ(d[8].minimum(), -30000);
    EXPECT_EQ(d[0].minimum(), 0);
    EXPECT_EQ(d[14].limit(), 5);
    EXPECT_EQ(lockedPartner(0), 1);
    EXPECT_EQ(lockedPartner(7), 6);
    EXPECT_EQ(lockedPartner(8), -1);
}

TEST(DisplayDimensions, OutOfRangeValuesKeepTheNearestBound) {
    DisplayDimensions d = makeDisplayDimensions();
    GridDimension& cellWidth = d[static_cast<int>(DisplayDimension::CellWidth)];
    cellWidth.setOverride(30000);
    EXPECT_EQ(cellWidth.value(), 29999);
    cellWidth.setOverride(-5);
    EXPECT_EQ(cellWidth.value(), 0);
    GridDimension& unit = d[static_cast<int>(DisplayDimension::UnitType)];
    unit.setDefault(7);
    EXPECT_EQ(unit.value(), 4);
}

TEST(ScreenScale, DivisorsForTheOfferedZooms) {
    EXPECT_EQ(screenDivisor(96, 100), 15);
    EXPECT_EQ(screenDivisor(96, 150), 10);
    EXPECT_EQ(screenDivisor(96, 75), 20);
    EXPECT_EQ(screenDivisor(96, 50), 30);
    EXPECT_EQ(screenDivisor(120, 100), 12);
    // Integer arithmetic left to right: 1440 / 144 = 10, then 10 * 100 / 150 = 6.
    EXPECT_EQ(screenDivisor(144, 150), 6);
    // A zoom or resolution that cannot divide falls back instead of crashing.
    EXPECT_EQ(screenDivisor(96, 0), 15);
    EXPECT_EQ(screenDivisor(0, 100), 15);
    EXPECT_EQ(screenDivisor(3000, 150), 1);
    EXPECT_TRUE(isOfferedZoom(75));
    EXPECT_FALSE(isOfferedZoom(200));
}

TEST(ScreenScale, HairLinesNeverVanish) {
    GridDimension rule(20, 0, 30000);
    EXPECT_EQ(rule.scaled(15), 1);
    rule.setDefault(10);
    EXPECT_EQ(rule.scaled(15), 1);
    rule.setDefault(0);
    EXPECT_EQ(rule.scaled(15), 1);
    EXPECT_EQ(rule.scaled(1), 0);  // a metafile draws what it is given
}

TEST(ScreenScale, FontsRoundHalfAwayFromZeroAndComeBack) {
    EXPECT_EQ(scaleFontLength(-187, 15), -12);  // (-187 - 7) / 15
    EXPECT_EQ(scaleFontLength(-132, 15), -9);
    EXPECT_EQ(scaleFontLength(187, 15), 12);
    EXPECT_EQ(scaleFontLength(0, 15), 0);
    EXPECT_EQ(scaleFontLength(-187, 1), -187);
    // Heights read from a file can be anything; the extremes neither overflow nor wrap.
    EXPECT_EQ(scaleFontLength(std::numeric_limits<int>::min(), 15), -143165577);
    EXPECT_EQ(scaleFontLength(std::numeric_limits<int>::max(), 15), 143165576);
    EXPECT_EQ(unscaleFontLength(std::numeric_limits<int>::max() / 2, 15),
              std::numeric_limits<int>::max());
    EXPECT_EQ(unscaleFontLength(std::numeric_limits<int>::min() / 2, 15),
              std::numeric_limits<int>::min());
    EXPECT_EQ(unscaleFontLength(-12, 15), -180);
}

TEST(RenderMetrics, DefaultGridOnA96DpiScreen) {
    ViewSettings settings;
    const RenderMetrics m = computeRenderMetrics(settings, DeviceTechnology::RasterDisplay,
                                                 ScreenScale::forScreen(96, 96, 100));
    EXPECT_EQ(m.cellWidth, 33);
    EXPECT_EQ(m.cellHeight, 33);
    EXPECT_EQ(m.ruleWidth, 1);
    EXPECT_EQ(m.barWidth, 3);
    EXPECT_EQ(m.borderWidth, 2);
    EXPECT_EQ(m.barOffsetX, -2);  // centred: (3 + 1) / 2 before the edge
    EXPECT_EQ(m.pictureWidth(12), 2 * 2 + 12 * 33 - 1);
    EXPECT_EQ(m.inset, 4);      // 33 * 32 / 256
    EXPECT_EQ(m.arrowSize, 6);  // 33 * 48 / 256
    EXPECT_EQ(m.margin, 10);

    settings.dimension(DisplayDimension::BarStyleLopsided).setOverride(1);
    EXPECT_EQ(computeRenderMetrics(settings, DeviceTechnology::RasterDisplay, ScreenScale{15, 15})
                  .barOffsetX,
              -3);

    // Twips devices use the dimensions unscaled; a bar thinner than the rule is drawn as
    // wide as the rule but keeps its own offset.
    settings.dimension(DisplayDimension::BarStyleLopsided).setOverridden(false);
    settings.dimension(DisplayDimension::BarWidth).setOverride(10);
    const RenderMetrics twips =
        computeRenderMetrics(settings, DeviceTechnology::Metafile, ScreenScale{15, 15});
    EXPECT_EQ(twips.cellWidth, 500);
    EXPECT_EQ(twips.barWidth, 20);
    EXPECT_EQ(twips.barOffsetX, -15);
    EXPECT_EQ(twips.borderHeight, 30);
    EXPECT_EQ(twips.pictureHeight(1), 2 * 30 + 500 - 20);
}

}  // namespace
}  // namespace tessaran
