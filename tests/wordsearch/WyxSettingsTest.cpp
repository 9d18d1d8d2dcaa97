// The word search's settings file and the pattern a light stands for.

#include <gtest/gtest.h>

#include <sstream>

#include "app/IniFile.h"
#include "grid/GridTestSupport.h"
#include "wordsearch/WyxSettings.h"

namespace tessaran {
namespace {

TEST(WyxSettings, DefaultsRoundTripAndOutOfRangeLengths) {
    std::istringstream empty("");
    const WyxSettings defaults = WyxSettings::read(IniFile::read(empty));
    EXPECT_EQ(defaults.shortest, 1);
    EXPECT_EQ(defaults.longest, 31);
    EXPECT_TRUE(defaults.sorted);
    EXPECT_EQ(defaults.patternFont.toText(), WyxSettings::kDefaultFont);
    EXPECT_EQ(defaults.outputFont.toText(), WyxSettings::kDefaultFont);

    WyxSettings changed = defaults;
    changed.shortest = 4;
    changed.longest = 9;
    changed.at = "[aeiou]";
    changed.hash = " ;abc";  // a leading blank must survive the file
    changed.outputFont = FontSpec::fromText("0,0,128,-16,0,0,0,700,1,0,0,0,0,0,0,0,DejaVu Sans");
    changed.sorted = false;
    std::istringstream other("; mine\n[Other]\nKey=1\n");
    IniFile ini = IniFile::read(other);
    changed.write(ini);
    std::ostringstream text;
    ini.write(text);
    std::istringstream back(text.str());
    EXPECT_EQ(WyxSettings::read(IniFile::read(back)), changed);
    EXPECT_TRUE(text.str().starts_with("; mine\n[Other]\nKey=1\n")) << text.str();

    std::istringstream wild("[Range]\nShortest=0\nLongest=40\n[View]\nSorted=0\n");
    const WyxSettings clamped = WyxSettings::read(IniFile::read(wild));
    EXPECT_EQ(clamped.shortest, 1);
    EXPECT_EQ(clamped.longest, 32);
    EXPECT_FALSE(clamped.sorted);
}

TEST(WyxSettings, TheFileLivesBesideTheSettingsFile) {
    EXPECT_EQ(wyxIniPath("/home/me/.config/tessaran/tessaran.ini"),
              "/home/me/.config/tessaran/wyx.ini");
    EXPECT_EQ(wyxIniPath("tessaran.ini"), "wyx.ini");
}

TEST(LightPattern, TypedTextWithOperatorsEscapedAndDotsForEmptyCells) {
    testing::GridFixture f(6, 1);
    Light* light = f.across(0, 0, 6);
    f.at(0, 0).setText("S");
    f.at(0, 1).setText("*");
    f.at(0, 3).setText("[\\");
    f.at(0, 4).setText(";");
    f.grid.refresh();
    EXPECT_EQ(lightPattern(*light), "S\\*.\\[\\\\\\;.");

    // Letters of an uncommitted fill are not the user's and stay unknown.
    f.at(0, 5).setFilledLetter(3);
    f.grid.refresh();
    EXPECT_EQ(lightPattern(*light).back(), '.');
}

}  // namespace
}  // namespace tessaran
