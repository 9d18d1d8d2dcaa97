#include "wordsearch/WyxSettings.h"

#include <algorithm>

#include "app/IniFile.h"
#include "grid/Cell.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

constexpr size_t kTextBuffer = 255;

int heldLength(int n) {
    return std::clamp(n, 1, 32);
}

}  // namespace

WyxSettings WyxSettings::read(const IniFile& ini) {
    WyxSettings s;
    s.shortest = heldLength(ini.readInt("Range", "Shortest", s.shortest));
    s.longest = heldLength(ini.readInt("Range", "Longest", s.longest));
    s.at = ini.readString("Expansions", "At", "", kTextBuffer);
    s.hash = ini.readString("Expansions", "Hash", "", kTextBuffer);
    s.patternFont =
        FontSpec::fromText(ini.readString("Fonts", "Pattern", kDefaultFont, kTextBuffer));
    s.outputFont = FontSpec::fromText(ini.readString("Fonts", "Output", kDefaultFont, kTextBuffer));
    s.sorted = ini.readInt("View", "Sorted", 1) != 0;
    return s;
}

WyxSettings WyxSettings::load(const std::string& path) {
    return read(IniFile::load(path));
}

void WyxSettings::write(IniFile& ini) const {
    ini.writeInt("Range", "Shortest", shortest);
    ini.writeInt("Range", "Longest", longest);
    ini.writeString("Expansions", "At", at);
    ini.writeString("Expansions", "Hash", hash);
    ini.writeString("Fonts", "Pattern", patternFont.toText());
    ini.writeString("Fonts", "Output", outputFont.toText());
    ini.writeInt("View", "Sorted", sorted ? 1 : 0);
}

FileReplaceResult WyxSettings::save(const std::string& path) const {
    IniFile ini = IniFile::load(path);
    write(ini);
    return ini.save(path);
}

std::string wyxIniPath(const std::string& settingsIniPath) {
    const size_t slash = settingsIniPath.find_last_of('/');
    if (slash == std::string::npos)
        return WyxSettings::kFileName;
    return settingsIniPath.substr(0, slash + 1) + WyxSettings::kFileName;
}

std::string lightPattern(const Light& light) {
    constexpr std::string_view kOperators = "()[]^*@#;\\";
    std::string pattern;
    for (const Cell* cell : light.cells()) {
        if (!cell->shownText()) {
            pattern += '.';
            continue;
        }
        for (const char c : *cell->shownText()) {
            if (kOperators.find(c) != std::string_view::npos)
                pattern += '\\';
            pattern += c;
        }
    }
    return pattern;
}

}  // namespace tessaran
