#pragma once
// The word search window's settings and the file that keeps them, wyx.ini beside the
// settings file:
//
//   [Range]       Shortest, Longest       the word lengths searched (1..32)
//   [Expansions]  At, Hash                what "@" and "#" stand for (empty: themselves)
//   [Fonts]       Pattern, Output         the pattern box's and the matches' fonts, in the
//                                         17-field font form with the height in pixels
//   [View]        Sorted                  1: matches in alphabetical order, 0: as stored
//
// Read once when the window is made; written only by the properties' "Save As Defaults".

#include <string>
#include <string_view>

#include "grid/FileReplace.h"
#include "grid/Font.h"

namespace tessaran {

class IniFile;
class Light;

struct WyxSettings {
    static constexpr const char* kFileName = "wyx.ini";
    static constexpr const char* kDefaultFont = "0,0,0,-13,0,0,0,400,0,0,0,0,0,0,0,0,MS Sans Serif";

    int shortest = 1;
    int longest = 31;
    std::string at;
    std::string hash;
    FontSpec patternFont = FontSpec::fromText(kDefaultFont);
    FontSpec outputFont = FontSpec::fromText(kDefaultFont);
    bool sorted = true;

    bool operator==(const WyxSettings&) const = default;

    // The values of ini, defaults for what it lacks; lengths are held within 1..32 as the
    // match engine holds them.
    static WyxSettings read(const IniFile& ini);
    // read from the file at path (defaults when it is missing or unreadable).
    static WyxSettings load(const std::string& path);
    // Writes every key into ini, keeping its other lines.
    void write(IniFile& ini) const;
    // Writes every key into the file at path, keeping the file's other lines.
    FileReplaceResult save(const std::string& path) const;
};

// Where wyx.ini lives: in the folder of the settings file at iniPath.
std::string wyxIniPath(const std::string& settingsIniPath);

// The pattern that stands for a light: for each cell the text shown in it (what the user
// typed, never letters of an uncommitted fill), or "." when it shows none. Characters
// that the pattern language would read as operators ("()[]^*@#;" and "\") are escaped
// with "\", so that each stands for itself in its one place.
std::string lightPattern(const Light& light);

}  // namespace tessaran
