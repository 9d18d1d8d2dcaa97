#include <gtest/gtest.h>

#include <sstream>

#include "grid/GridFile.h"
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

TEST(ViewSettings, DimensionKeysAreTheGridFilesAppearanceKeys) {
    for (int i = 0; i < kDisplayDimensionCount; ++i)
        EXPECT_STREQ(displayDimensionInfo(static_cast<DisplayDimension>(i)).key,
                     GridFile::kAppearanceKeywords[i]);
}

}  // namespace
}  // namespace tessaran
