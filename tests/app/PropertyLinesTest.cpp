// What Copy carries and Paste takes back: light letters and property lines.

#include <gtest/gtest.h>

#include "app/PropertyLines.h"
#include "grid/GridTestSupport.h"

namespace tessaran {
namespace {

using testing::GridFixture;

// The grid view's defaults write and read a light's or cell's own colour and font.
struct PlainView : GridView {};

TEST(PropertyLines, LightPropertiesCarryNumberTextColourAndFontToAnotherLight) {
    GridFixture f(5, 5);
    Light* from = f.across(0, 0, 5);
    Light* to = f.across(0, 2, 5);
    from->setNumber("7");
    from->setText("RIV.R");
    from->setBackgroundColour(rgb(255, 255, 0));
    FontSpec font = FontSpec::fromText("0,0,255,-200,0,0,0,700,1,0,0,0,1,2,1,34,Arial");
    from->setTextFont(font);
    PlainView view;

    const std::string lines = lightPropertyLines(*from, view);
    EXPECT_TRUE(lines.starts_with("Number=7\r\nText=RIV.R\r\n")) << lines;
    EXPECT_EQ(pasteLightProperties(lines, *to, view), 4);
    EXPECT_EQ(to->number(), "7");
    EXPECT_EQ(to->text(), "RIV.R");
    EXPECT_EQ(to->backgroundColour(), rgb(255, 255, 0));
    ASSERT_TRUE(to->textFont());
    EXPECT_EQ(to->textFont()->toText(), font.toText());
}

TEST(PropertyLines, CellPropertiesRoundTripAndForeignLinesAreSkipped) {
    GridFixture f(3, 3);
    Cell& from = f.at(0, 0);
    from.setNumber(CellCorner::Main, "1");
    from.setNumber(CellCorner::SouthWest, "x");
    from.setText("QU");
    from.setBlockType(1);
    PlainView view;
    const std::string lines = cellPropertyLines(from, view);

    Cell& to = f.at(2, 2);
    // A line with no line end is not taken, nor one that is no property.
    EXPECT_EQ(pasteCellProperties(lines + "Nonsense=1\nText=ZZ", to, view), 4);
    EXPECT_EQ(to.text(), "QU");
    EXPECT_EQ(to.number(CellCorner::Main), "1");
    EXPECT_EQ(to.number(CellCorner::SouthWest), "x");
    EXPECT_EQ(to.blockType(), 1);
    // "Number2=..." is not "Number"; "Texture" is not "Text".
    Cell& other = f.at(1, 1);
    EXPECT_EQ(pasteCellProperties("Texture=no\nNumber2=5\n", other, view), 1);
    EXPECT_FALSE(other.text());
    EXPECT_FALSE(other.number(CellCorner::Main));
    EXPECT_EQ(other.number(CellCorner::NorthEast), "5");
}

TEST(PropertyLines, LightLettersShowWhatTheGridShowsWithDotsForGaps) {
    GridFixture f(5, 5);
    Light* light = f.across(0, 0, 5);
    light->setText("AB");
    f.at(0, 3).setText("QU");
    f.grid.refresh();
    // Cell 3 shows its own two letters; cells 2 and 4 show nothing.
    EXPECT_EQ(lightLetters(*light, nullptr), "AB.QU.");

    GridFixture wide(50, 3);
    Light* longLight = wide.across(0, 0, 50);
    for (int column = 0; column < 50; ++column)
        wide.at(0, column).setText("XY");
    wide.grid.refresh();
    EXPECT_EQ(lightLetters(*longLight, nullptr).size(), 99u);
}

TEST(PropertyLines, FirstLineStopsAtEitherLineEnd) {
    EXPECT_EQ(firstLine("ONE\r\nTWO"), "ONE");
    EXPECT_EQ(firstLine("ONE\nTWO"), "ONE");
    EXPECT_EQ(firstLine("ONLY"), "ONLY");
    EXPECT_EQ(firstLine("\nafter"), "");
}

}  // namespace
}  // namespace tessaran
