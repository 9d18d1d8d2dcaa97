#include <gtest/gtest.h>

#include "grid/Colour.h"
#include "grid/Font.h"
#include "grid/TextFields.h"

namespace tessaran {
namespace {

TEST(TextForms, ColourKeepsLowBytesAndForgivesGaps) {
    EXPECT_EQ(formatColour(rgb(255, 128, 0)), "255,128,0");
    EXPECT_EQ(parseColour("255,128,0"), rgb(255, 128, 0));
    EXPECT_EQ(parseColour("1,,,2"), rgb(1, 2, 0));  // a run of commas is one separator
    EXPECT_EQ(parseColour("257,x,3"), rgb(1, 0, 3));
    EXPECT_EQ(parseColour(""), rgb(0, 0, 0));
    EXPECT_EQ(redOf(rgb(10, 20, 30)), 10);
    EXPECT_EQ(rgb(1, 2, 3), 0x030201u);
}

TEST(TextForms, FontRoundTripsAndDefaultsMatchTheirText) {
    const FontSpec number = FontSpec::defaultNumberFont();
    EXPECT_EQ(number.toText(), "0,0,0,-132,0,0,0,400,0,0,0,0,1,2,1,34,Small Fonts");
    EXPECT_EQ(number.height, -132);
    EXPECT_EQ(number.weight, 400);
    EXPECT_EQ(number.pitchAndFamily, 34);
    EXPECT_EQ(FontSpec::defaultTextFont().faceName, "System");

    FontSpec font = FontSpec::fromText("1,2,3,-200,0,0,0,700,1,0,0,300,0,0,0,0");
    EXPECT_EQ(font.colour, rgb(1, 2, 3));
    EXPECT_EQ(font.charSet, 300 & 0xff);
    EXPECT_EQ(font.faceName, "");
    font.faceName = std::string(40, 'F');
    EXPECT_EQ(FontSpec::fromText(font.toText()).faceName, std::string(32, 'F'));
    font.faceName = "Bad,Face";
    EXPECT_EQ(FontSpec::fromText(font.toText()).faceName, "BadFace");
}

TEST(TextForms, IntegersReadLikeAtoi) {
    EXPECT_EQ(leadingInt("  -12abc"), -12);
    EXPECT_EQ(leadingInt("x1"), 0);
    EXPECT_EQ(leadingInt("99999999999999"), 2147483647);
    EXPECT_EQ(readIntegers("2 0 1 0 2"), (std::vector<int>{2, 0, 1, 0, 2}));
    EXPECT_EQ(readIntegers("3 4 x 5"), (std::vector<int>{3, 4}));
    EXPECT_EQ(withoutLineBreaks("a\r\nb\nc\rd"), "a b c d");
}

}  // namespace
}  // namespace tessaran
