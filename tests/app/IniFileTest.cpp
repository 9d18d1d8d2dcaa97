#include "app/IniFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessaran {
namespace {

IniFile fromText(const std::string& text) {
    std::istringstream in(text);
    return IniFile::read(in);
}

std::string toText(const IniFile& ini) {
    std::ostringstream out;
    ini.write(out);
    return out.str();
}

TEST(IniFileTest, ReadsSectionsAndKeysWithoutRegardToCase) {
    const IniFile ini = fromText(
        "; settings\r\n"
        "[View]\r\n"
        "  zoomfactor = 150  \r\n"
        "Empty=\r\n"
        "Quoted=\"a b\"\r\n"
        "Half=\"a b\r\n"
        "no equals sign here\r\n"
        "[view]\r\n"
        "ZoomFactor=75\r\n"
        "Other=1\r\n"
        "[Filling]\n"
        "Dictionary=words.lxd\n"
        "ZoomFactor=50");
    EXPECT_EQ(ini.value("VIEW", "ZoomFactor"), "150");  // the first section and key count
    EXPECT_EQ(ini.value("View", "Other"), std::nullopt);
    EXPECT_EQ(ini.value("View", "Empty"), std::nullopt);
    EXPECT_EQ(ini.readString("View", "Empty", "fallback", 255), "fallback");
    EXPECT_EQ(ini.value("View", "Quoted"), "a b");
    EXPECT_EQ(ini.value("View", "Half"), "\"a b");
    EXPECT_EQ(ini.value("View", "no equals sign here"), std::nullopt);
    EXPECT_EQ(ini.value("filling", "DICTIONARY"), "words.lxd");
    EXPECT_EQ(ini.readInt("Filling", "ZoomFactor", 100), 50);  // last line, no line end
    EXPECT_EQ(ini.readInt("Missing", "ZoomFactor", 100), 100);
    EXPECT_EQ(ini.readInt("View", "Missing", -7), -7);

    const IniFile missing = IniFile::load("/nonexistent/folder/tessaran.ini");
    EXPECT_EQ(missing.readString("View", "WindowCoordinates", "", 511), "");
    EXPECT_EQ(toText(missing), "");
}

TEST(IniFileTest, IntegerReaderTakesTheLeadingNumber) {
    EXPECT_EQ(profileInt("12abc", 5), 12);
    EXPECT_EQ(profileInt(" 7", 5), 7);
    EXPECT_EQ(profileInt("-3", 5), -3);
    EXPECT_EQ(profileInt("+4", 5), 4);
    EXPECT_EQ(profileInt("abc", 5), 0);
    EXPECT_EQ(profileInt("0x10", 5), 0);
    EXPECT_EQ(profileInt("", 5), 5);
    EXPECT_EQ(profileInt("   ", 5), 5);
    EXPECT_EQ(profileInt("99999999999999999999", 5), INT_MAX);
    EXPECT_EQ(profileInt("-99999999999999999999", 5), INT_MIN);
}

TEST(IniFileTest, StringReadsAreCutToTheBuffer) {
    const IniFile ini = fromText("[S]\nKey=abcdefghij\nNul=ab" + std::string(1, '\0') + "cd\n");
    EXPECT_EQ(ini.readString("S", "Key", "", 5), "abcd");
    EXPECT_EQ(ini.readString("S", "Key", "", 1), "");
    EXPECT_EQ(ini.readString("S", "Key", "", 0), "");
    EXPECT_EQ(ini.readString("S", "Missing", "default text", 8), "default");
    EXPECT_EQ(ini.readString("S", "Nul", "", 255), "ab");
}

TEST(IniFileTest, WritingAKeyKeepsEveryOtherLine) {
    const std::string original =
        "; hand-written notes\r\n"
        "[Filling]\r\n"
        "Dictionary = words.lxd\r\n"
        "NormalCommonality=40\r\n"
        "\r\n"
        "; the view\r\n"
        "[View]\r\n"
        "ZoomFactor=100";
    IniFile ini = fromText(original);

    ini.writeInt("filling", "normalcommonality", -12);
    ini.writeString("Filling", "UnchCommonality", "30");
    ini.writeInt("View", "ArrowMode", 2);
    ini.writeString("Guidelines", "UnchModel", "2 0 1\r\n[Injected]");
    EXPECT_EQ(toText(ini),
              "; hand-written notes\r\n"
              "[Filling]\r\n"
              "Dictionary = words.lxd\r\n"
              "NormalCommonality=-12\r\n"
              "UnchCommonality=30\r\n"
              "\r\n"
              "; the view\r\n"
              "[View]\r\n"
              "ZoomFactor=100\r\n"
              "ArrowMode=2\r\n"
              "\r\n"
              "[Guidelines]\r\n"
              "UnchModel=2 0 1 [Injected]\r\n");
    EXPECT_EQ(ini.readInt("Filling", "NormalCommonality", 0), -12);
    EXPECT_EQ(ini.value("Injected", "UnchModel"), std::nullopt);

    for (const std::string value : {" leading", "trailing\t", "\"quoted\"", "'single'", "\"half"}) {
        ini.writeString("View", "Face", value);
        EXPECT_EQ(ini.value("View", "Face"), value);
    }

    IniFile fresh;
    fresh.writeInt("View", "ZoomFactor", 75);
    fresh.writeInt("View", "ArrowMode", 1);
    fresh.writeInt("AspectRatio", "Rows", 15);
    EXPECT_EQ(toText(fresh), "[View]\nZoomFactor=75\nArrowMode=1\n\n[AspectRatio]\nRows=15\n");

    IniFile headerOnly = fromText("[View]");
    headerOnly.writeInt("View", "ZoomFactor", 50);
    EXPECT_EQ(toText(headerOnly), "[View]\nZoomFactor=50\n");
}

TEST(IniFileTest, GarbageNeverStopsTheReader) {
    std::string bytes = "[View]\n" + std::string(200000, 'x') + "\n";
    for (int i = 0; i < 512; ++i)
        bytes += static_cast<char>(i % 256);
    bytes += "\n[\n]\n[Lookup\nDDEService1=\xff\xfe service\n=orphan\n[View]\nZoomFactor=75\n";
    IniFile ini = fromText(bytes);
    EXPECT_EQ(ini.value("Lookup", "DDEService1"), "\xff\xfe service");
    EXPECT_EQ(ini.value("View", "ZoomFactor"), std::nullopt);  // only the first [View] counts

    ini.writeInt("View", "ZoomFactor", 150);
    EXPECT_EQ(ini.readInt("View", "ZoomFactor", 0), 150);
    // The new entry goes to the end of the first [View], before the nameless section;
    // every other byte stays.
    const std::string written = toText(ini);
    EXPECT_EQ(written.size(), bytes.size() + std::string("ZoomFactor=150\n").size());
    const size_t at = written.find("ZoomFactor=150\n[\n]\n[Lookup");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(written.substr(0, at), bytes.substr(0, at));
    EXPECT_EQ(written.substr(at + 15), bytes.substr(at));
}

TEST(IniFileTest, SaveReplacesTheFileAndCreatesItsFolder) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("ini_save_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    const std::string path = (folder / "tessaran" / "tessaran.ini").string();

    IniFile ini;
    ini.writeInt("View", "ZoomFactor", 75);
    ASSERT_EQ(ini.save(path), FileReplaceResult::Done);
    EXPECT_EQ(IniFile::load(path).readInt("View", "ZoomFactor", 0), 75);

    // A folder where the file should be: the save fails and says so.
    std::filesystem::create_directories(folder / "blocked" / "tessaran.ini");
    EXPECT_NE(ini.save((folder / "blocked" / "tessaran.ini").string()), FileReplaceResult::Done);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tessaran
