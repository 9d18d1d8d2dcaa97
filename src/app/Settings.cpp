#include "app/Settings.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "app/IniFile.h"
#include "grid/Colour.h"
#include "grid/Font.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"
#include "grid/TextFields.h"
#include "output/DisplayDimension.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

// String reads use the buffer sizes the settings file has always been read with.
constexpr size_t kShortText = 255;
constexpr size_t kLongText = 511;
// A dictionary path once had to fit 255 characters; Linux paths may be far longer, and a
// path cut short names the wrong file.
constexpr size_t kPathText = 4096;

constexpr const char* kDefaultDictionary = "words.lxd";

struct GridSettingKey {
    const char* section;
    const char* key;
    GridSetting setting;
};

constexpr GridSettingKey kFillingKeys[] = {
    {"Filling", "NormalCommonality", GridSetting::NormalCommonality},
    {"Filling", "UnchCommonality", GridSetting::UnchCommonality},
    {"Filling", "StartManual", GridSetting::StartMode},
    {"Filling", "FirstWordRandom", GridSetting::FirstWord},
};
constexpr GridSettingKey kNumberingKeys[] = {
    {"Numbering", "NumbersOff", GridSetting::Numbering},
    {"Numbering", "NumbersTopLeft", GridSetting::NumberPosition},
};
constexpr GridSettingKey kEditingKeys[] = {
    {"Editing", "CheckingType", GridSetting::CheckingMode},
    {"Editing", "SymmetryType", GridSetting::Symmetry},
    {"Editing", "DirectionUnnormalised", GridSetting::DirectionMode},
};
constexpr GridSettingKey kBlockHoleKey = {"Appearance", "BlockHole", GridSetting::BlockType};

void readGridSetting(const IniFile& ini, Grid& grid, const GridSettingKey& key) {
    GridDimension& setting = grid.setting(key.setting);
    setting.setDefault(ini.readInt(key.section, key.key, setting.defaultValue()));
}

void writeGridSetting(IniFile& ini, const Grid& grid, const GridSettingKey& key) {
    ini.writeInt(key.section, key.key, grid.settingValue(key.setting));
}

Colour readColour(const IniFile& ini, const char* section, const char* key, Colour fallback) {
    const auto text = ini.value(section, key);
    return text ? parseColour(text->substr(0, kShortText - 1)) : fallback;
}

FontSpec readFont(const IniFile& ini, const char* key, const FontSpec& fallback) {
    const auto text = ini.value("Appearance", key);
    return text ? FontSpec::fromText(text->substr(0, kShortText - 1)) : fallback;
}

struct ViewColourKey {
    const char* key;
    Colour ViewSettings::*member;
};
constexpr ViewColourKey kViewColours[] = {
    {"UnderunchedColor", &ViewSettings::underunchedColour},
    {"OverunchedColor", &ViewSettings::overunchedColour},
    {"MainBranchFillingColor", &ViewSettings::mainBranchFillingColour},
    {"SideBranchFillingColor", &ViewSettings::sideBranchFillingColour},
};

// The unch model's text form is the grid file's: maxConsecutive, then min and max of
// each entry from light length 1 up, separated by spaces.
UnchModel parseUnchModel(std::string_view text) {
    const std::vector<int> numbers = readIntegers(text);
    UnchModel model;
    model.maxConsecutive = numbers.empty() ? 99 : numbers[0];
    const size_t entries = numbers.empty() ? 0 : (numbers.size() - 1) / 2;
    for (size_t i = 0; i < entries; ++i) {
        model.minUnched.push_back(numbers[1 + 2 * i]);
        model.maxUnched.push_back(numbers[2 + 2 * i]);
    }
    return model;
}

// Entries that would not fit the string the model is read back into are left off, so
// that the last one written is never cut in half.
std::string formatUnchModel(const UnchModel& model) {
    std::string text = std::to_string(model.maxConsecutive);
    for (int i = 0; i < model.count(); ++i) {
        std::string entry =
            ' ' + std::to_string(model.minUnched[i]) + ' ' + std::to_string(model.maxUnched[i]);
        if (text.size() + entry.size() > kLongText - 1)
            break;
        text += entry;
    }
    return text;
}

bool isWritableFolder(const std::string& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

}  // namespace

std::string defaultIniPath() {
    return defaultIniPath(programDirectory().string());
}

std::string defaultIniPath(const std::string& programDir) {
    if (isWritableFolder(programDir))
        return programDir + "/" + Settings::kFileName;
    std::string config;
    // The XDG base directory rules ignore a relative XDG_CONFIG_HOME.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        config = xdg;
    else
        config = homeDirectory() + "/.config";
    return config + "/tessaran/" + Settings::kFileName;
}

std::string formatWindowPlacement(const WindowPlacement& placement) {
    return std::to_string(placement.maximised ? 1 : 0) + "," + std::to_string(placement.left) +
           "," + std::to_string(placement.top) + "," + std::to_string(placement.width) + "," +
           std::to_string(placement.height);
}

WindowPlacement parseWindowPlacement(std::string_view text) {
    int fields[5] = {0, 0, 0, 0, 0};
    size_t pos = 0;
    for (int& field : fields) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
        size_t end = pos;
        if (end < text.size() && (text[end] == '+' || text[end] == '-'))
            ++end;
        if (end >= text.size() || text[end] < '0' || text[end] > '9')
            break;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        field = leadingInt(text.substr(pos, end - pos));
        pos = end;
        if (pos >= text.size() || text[pos] != ',')
            break;
        ++pos;
    }
    return {fields[0] != 0, fields[1], fields[2], fields[3], fields[4]};
}

WindowPlacement placementOnScreen(const WindowPlacement& placement, ScreenSize screen) {
    const long long right = static_cast<long long>(placement.left) + placement.width;
    const long long bottom = static_cast<long long>(placement.top) + placement.height;
    // A window wholly left of or above the screen is as lost as one beyond its right or
    // bottom edge, so it gets the fallback too.
    const bool usable = placement.width >= 1 && placement.height >= 1 &&
                        placement.left < screen.width && placement.top < screen.height &&
                        right > 0 && bottom > 0;
    if (usable)
        return placement;
    return {placement.maximised, 0, 0, screen.width * 2 / 3, screen.height * 3 / 4};
}

Settings::Settings(Grid& grid, ViewSettings& view, std::string iniPath, std::string programDir)
    : m_grid(grid),
      m_view(view),
      m_iniPath(std::move(iniPath)),
      m_programDir(std::move(programDir)) {}

std::string Settings::resolveDictionary(const std::string& name) const {
    if (m_programDir.empty())
        return name;
    return findDataFile(name, m_programDir).string();
}

std::string Settings::dictionaryName(const std::optional<std::string>& path) const {
    if (!path || path->empty())
        return kDefaultDictionary;
    // A shipped dictionary is stored by its plain name, so that the settings stay good
    // when the program's folder moves; only when that name finds this very file again.
    if (!m_programDir.empty()) {
        for (const std::filesystem::path& folder : dataDirectories(m_programDir)) {
            const std::string prefix = folder.string() + "/";
            if (path->size() <= prefix.size() || !path->starts_with(prefix))
                continue;
            const std::string name = path->substr(prefix.size());
            if (resolveDictionary(name) == *path)
                return name;
        }
    }
    return *path;
}

SettingsLoadResult Settings::load(const std::vector<std::string>& arguments, ScreenSize screen) {
    return load(IniFile::load(m_iniPath), arguments, screen);
}

SettingsLoadResult Settings::load(const IniFile& ini, const std::vector<std::string>& arguments,
                                  ScreenSize screen) {
    SettingsLoadResult result;

    loadDimensions(ini);
    loadAppearance(ini);
    loadFilling(ini);
    loadGridSettings(ini);

    newGridAllLights = ini.readInt("AspectRatio", "AddLights", 0) == 1;
    if (!arguments.empty()) {
        result.gridReadResult = m_grid.readGrid(arguments.front());
        result.gridOpened =
            (result.gridReadResult & (kGridFileCannotOpen | kGridFileNotGrid |
                                      kGridFileWrongVersion | kGridFileBadGridHeader)) == 0;
    }
    newGridRows = ini.readInt("AspectRatio", "Rows", 12);
    newGridColumns = ini.readInt("AspectRatio", "Columns", 12);
    if (!result.gridOpened)
        m_grid.newGrid(newGridColumns, newGridRows, newGridAllLights);

    placement = {};
    if (const auto coordinates = ini.value("View", "WindowCoordinates"))
        placement = parseWindowPlacement(coordinates->substr(0, kLongText - 1));
    placement = placementOnScreen(placement, screen);
    result.placement = placement;

    loadView(ini);
    loadGuidelines(ini);
    loadLookup(ini);
    return result;
}

void Settings::loadDimensions(const IniFile& ini) {
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        const auto d = static_cast<DisplayDimension>(i);
        GridDimension& dimension = m_view.dimension(d);
        dimension.setDefault(
            ini.readInt("Dimensions", displayDimensionInfo(d).key, dimension.defaultValue()));
    }
}

void Settings::loadAppearance(const IniFile& ini) {
    m_view.foregroundColour().setDefault(
        readColour(ini, "Appearance", "ForegroundColor", rgb(0, 0, 0)));
    m_view.backgroundColour().setDefault(
        readColour(ini, "Appearance", "BackgroundColor", rgb(255, 255, 255)));
    m_view.numberFont().setDefault(readFont(ini, "NumberFont", FontSpec::defaultNumberFont()));
    m_view.textFont().setDefault(readFont(ini, "TextFont", FontSpec::defaultTextFont()));
}

void Settings::loadFilling(const IniFile& ini) {
    m_grid.setDefaultDictionary(
        resolveDictionary(ini.readString("Filling", "Dictionary", kDefaultDictionary, kPathText)));
    for (const GridSettingKey& key : kFillingKeys)
        readGridSetting(ini, m_grid, key);
    const int method = ini.readInt("Filling", "FillMethod", 0);
    fillMethod = method == 1 ? FillMethod::Constraint : FillMethod::Standard;
}

void Settings::loadGridSettings(const IniFile& ini) {
    for (const GridSettingKey& key : kNumberingKeys)
        readGridSetting(ini, m_grid, key);
    for (const GridSettingKey& key : kEditingKeys)
        readGridSetting(ini, m_grid, key);
    readGridSetting(ini, m_grid, kBlockHoleKey);
}

void Settings::loadView(const IniFile& ini) {
    const int zoom = ini.readInt("View", "ZoomFactor", 100);
    // A zoom divides every length on screen; a stored 0 or less cannot.
    m_view.zoomFactor = zoom > 0 ? zoom : 100;
    const int arrows = ini.readInt("View", "ArrowMode", 0);
    m_view.arrowMode =
        arrows >= 0 && arrows <= 2 ? static_cast<ArrowMode>(arrows) : ArrowMode::Never;
    fillSyncFrequency = ini.readInt("View", "FillSyncFrequency", 0);
    for (const ViewColourKey& colour : kViewColours)
        m_view.*colour.member = readColour(ini, "View", colour.key, rgb(0, 0, 0));
}

void Settings::loadGuidelines(const IniFile& ini) {
    const std::string text = ini.readString("Guidelines", "UnchModel", "", kLongText);
    // A hand-edited model may say nonsense (a maximum below the minimum, negative
    // counts); normalising gives the nearest model that means something.
    if (!text.empty())
        m_grid.setDefaultUnchModel(parseUnchModel(text).normalised());
}

LookupTable readLookupTable(const IniFile& ini) {
    LookupTable table;
    for (int n = 0; n < kLookupEntryCount; ++n) {
        const std::string digit = std::to_string(n + 1);
        LookupEntry& entry = table[n];
        entry.ddeService = ini.readString("Lookup", "DDEService" + digit, "", kLongText);
        entry.ddeTopic = ini.readString("Lookup", "DDETopic" + digit, "", kLongText);
        entry.messageWindow = ini.readString("Lookup", "MessageWindow" + digit, "", kLongText);
        entry.messageCommand = ini.readInt("Lookup", "MessageCommand" + digit, 0);
        entry.lookupCommand = ini.readString("Lookup", "LookupCommand" + digit, "", kLongText);
    }
    return table;
}

void Settings::loadLookup(const IniFile& ini) {
    lookupTable = readLookupTable(ini);
}

FileReplaceResult Settings::saveDimensions() {
    IniFile ini = IniFile::load(m_iniPath);
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        const auto d = static_cast<DisplayDimension>(i);
        m_view.dimension(d).commitOverride();
        ini.writeInt("Dimensions", displayDimensionInfo(d).key, m_view.value(d));
    }
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveAppearance() {
    m_grid.commitAsDefaults(SettingGroup::Appearance);
    m_view.foregroundColour().commitOverride();
    m_view.backgroundColour().commitOverride();
    m_view.numberFont().commitOverride();
    m_view.textFont().commitOverride();
    IniFile ini = IniFile::load(m_iniPath);
    ini.writeString("Appearance", "ForegroundColor",
                    formatColour(m_view.foregroundColour().value()));
    ini.writeString("Appearance", "BackgroundColor",
                    formatColour(m_view.backgroundColour().value()));
    ini.writeString("Appearance", "NumberFont", m_view.numberFont().value().toText());
    ini.writeString("Appearance", "TextFont", m_view.textFont().value().toText());
    writeGridSetting(ini, m_grid, kBlockHoleKey);
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveNumbering() {
    m_grid.commitAsDefaults(SettingGroup::Numbering);
    IniFile ini = IniFile::load(m_iniPath);
    for (const GridSettingKey& key : kNumberingKeys)
        writeGridSetting(ini, m_grid, key);
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveEditing() {
    m_grid.commitAsDefaults(SettingGroup::Editing);
    IniFile ini = IniFile::load(m_iniPath);
    for (const GridSettingKey& key : kEditingKeys)
        writeGridSetting(ini, m_grid, key);
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveAspectRatio() {
    IniFile ini = IniFile::load(m_iniPath);
    ini.writeInt("AspectRatio", "AddLights", newGridAllLights ? 1 : 0);
    ini.writeInt("AspectRatio", "Columns", newGridColumns);
    ini.writeInt("AspectRatio", "Rows", newGridRows);
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveView() {
    IniFile ini = IniFile::load(m_iniPath);
    ini.writeInt("View", "ZoomFactor", m_view.zoomFactor);
    ini.writeInt("View", "ArrowMode", static_cast<int>(m_view.arrowMode));
    ini.writeInt("View", "FillSyncFrequency", fillSyncFrequency);
    for (const ViewColourKey& colour : kViewColours)
        ini.writeString("View", colour.key, formatColour(m_view.*colour.member));
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveGuidelines() {
    m_grid.commitAsDefaults(SettingGroup::Unch);
    IniFile ini = IniFile::load(m_iniPath);
    ini.writeString("Guidelines", "UnchModel", formatUnchModel(m_grid.defaultUnchModel()));
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveFilling() {
    m_grid.commitAsDefaults(SettingGroup::Filling);
    IniFile ini = IniFile::load(m_iniPath);
    for (const GridSettingKey& key : kFillingKeys)
        writeGridSetting(ini, m_grid, key);
    ini.writeString("Filling", "Dictionary", dictionaryName(m_grid.defaultDictionary()));
    ini.writeInt("Filling", "FillMethod", static_cast<int>(fillMethod));
    return ini.save(m_iniPath);
}

FileReplaceResult Settings::saveWindow(const WindowPlacement& windowPlacement) {
    placement = windowPlacement;
    IniFile ini = IniFile::load(m_iniPath);
    ini.writeString("View", "WindowCoordinates", formatWindowPlacement(windowPlacement));
    return ini.save(m_iniPath);
}

}  // namespace tessaran
