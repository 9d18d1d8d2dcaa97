#include <gtest/gtest.h>

#include <sstream>

#include "grid/GridTestSupport.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

TEST(ViewSettings, WritesOnlyOverridesInTableOrder) {
    ViewSettings settings;
    std::ostringstream none;
    settings.writeGridExtras(none);
    EXPECT_EQ(none.str(), "");

    settings.textFont().setOverride(
        FontSpec::fromText("0,0,255,-200,0,0,0,400,1,0,0,0,1,2,1,34,Arial"));
    settings.foregroundColour().setOverride(rgb(10, 20, 30));
    settings.dimension(DisplayDimension::GridAlignment).setOverride(2);
    settings.dimension(DisplayDimension::CellWidth).setOverride(600);
    std::ostringstream out;
    settings.writeGridExtras(out);
    EXPECT_EQ(out.str(),
              "CellWidth=600\r\n"
              "GridAlignment=2\r\n"
              "ForegroundColor=10,20,30\r\n"
              "TextFont=0,0,255,-200,0,0,0,400,1,0,0,0,1,2,1,34,Arial\r\n");
}

TEST(ViewSettings, ReadsAppearanceLinesAsOverrides) {
    ViewSettings settings;
    EXPECT_TRUE(settings.readGridExtra("CellHeight=40000"));
    EXPECT_EQ(settings.value(DisplayDimension::CellHeight), 29999);
    EXPECT_TRUE(settings.dimension(DisplayDimension::CellHeight).isOverridden());
    EXPECT_TRUE(settings.readGridExtra("UnitType=3 mm"));
    EXPECT_EQ(settings.unitType(), UnitType::Millimetres);
    EXPECT_TRUE(settings.readGridExtra("BackgroundColor=255,,0"));
    EXPECT_EQ(settings.backgroundColour().value(), rgb(255, 0, 0));
    EXPECT_TRUE(settings.readGridExtra("NumberFont=1,2,3,-100"));
    EXPECT_EQ(settings.numberFont().value().height, -100);
    EXPECT_EQ(settings.numberFont().value().faceName, "");

    EXPECT_FALSE(settings.readGridExtra("CellWidths=5"));
    EXPECT_FALSE(settings.readGridExtra("cellwidth=5"));
    EXPECT_FALSE(settings.readGridExtra("CellWidth"));
    EXPECT_FALSE(settings.readGridExtra(""));
    EXPECT_FALSE(settings.dimension(DisplayDimension::CellWidth).isOverridden());

    settings.clearGridOverrides();
    EXPECT_EQ(settings.value(DisplayDimension::CellHeight), 500);
    EXPECT_EQ(settings.backgroundColour().value(), rgb(255, 255, 255));
    EXPECT_EQ(settings.numberFont().value(), FontSpec::defaultNumberFont());
}

TEST(ViewSettings, SaveAsDefaultsKeepsValuesAndDropsOverrides) {
    ViewSettings settings;
    settings.dimension(DisplayDimension::BarWidth).setOverride(80);
    settings.foregroundColour().setOverride(rgb(0, 0, 128));
    settings.commitOverrides();
    EXPECT_EQ(settings.value(DisplayDimension::BarWidth), 80);
    EXPECT_FALSE(settings.dimension(DisplayDimension::BarWidth).isOverridden());
    EXPECT_EQ(settings.foregroundColour().value(), rgb(0, 0, 128));
    EXPECT_FALSE(settings.foregroundColour().isOverridden());
    std::ostringstream out;
    settings.writeGridExtras(out);
    EXPECT_EQ(out.str(), "");
}

TEST(ViewSettings, LightsAndCellsKeepOnlyColourAndFont) {
    testing::GridFixture f(3, 1);
    Light* light = f.across(0, 0, 3);
    EXPECT_TRUE(ViewSettings::readLightExtra("BackgroundColor=1,2,3", *light));
    EXPECT_TRUE(ViewSettings::readLightExtra(
        "TextFont=0,0,0,-187,0,0,0,700,0,0,0,0,1,2,1,34,System", *light));
    EXPECT_FALSE(ViewSettings::readLightExtra("ForegroundColor=1,2,3", *light));
    EXPECT_FALSE(ViewSettings::readCellExtra("CellWidth=100", f.at(0, 1)));
    EXPECT_TRUE(ViewSettings::readCellExtra("BackgroundColor=9,9,9", f.at(0, 1)));
    std::ostringstream lightLines, cellLines, plainCell;
    ViewSettings::writeLightExtras(lightLines, *light);
    ViewSettings::writeCellExtras(cellLines, f.at(0, 1));
    ViewSettings::writeCellExtras(plainCell, f.at(0, 2));
    EXPECT_EQ(lightLines.str(),
              "BackgroundColor=1,2,3\r\nTextFont=0,0,0,-187,0,0,0,700,0,0,0,0,1,2,1,34,System\r\n");
    EXPECT_EQ(cellLines.str(), "BackgroundColor=9,9,9\r\n");
    EXPECT_EQ(plainCell.str(), "");
}

}  // namespace
}  // namespace tessaran
