#include "grid/GridFile.h"

#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "grid/KillList.h"
#include "grid/Grid.h"
#include "grid/GridView.h"
#include "grid/TextFields.h"

namespace tessaran {

const char* const GridFile::kKeywords[kKeywordCount] = {
    "Tessaran",
    "Grid",
    "Light",
    "Cell",
    "NumbersOff",
    "SymmetryType",
    "DirectionUnnormalised",
    "NumbersTopLeft",
    "Number",
    "Number2",
    "Number3",
    "Number4",
    "Text",
    "BlockHole",
    "Description",
    "Kill",
    "UnchModel",
    "Dictionary",
    "NormalCommonality",
    "UnchCommonality",
    "CheckingType",
    "StartManual",
    "FirstWordRandom",
};

const char* const GridFile::kAppearanceKeywords[kAppearanceKeywordCount] = {
    "CellWidth",     "CellHeight",       "BarWidth",      "BarHeight",       "RuleWidth",
    "RuleHeight",    "BorderWidth",      "BorderHeight",  "NumberOffsetX",   "NumberOffsetY",
    "TextOffsetX",   "TextOffsetY",      "GridOffsetX",   "GridOffsetY",     "UnitType",
    "WHIndependent", "BarStyleLopsided", "GridAlignment", "ForegroundColor", "BackgroundColor",
    "NumberFont",    "TextFont",
};

namespace {

enum Keyword {
    kTessaran = 0,
    kGrid = 1,
    kLight = 2,
    kCell = 3,
    kNumbersOff = 4,
    kSymmetryType = 5,
    kDirectionUnnormalised = 6,
    kNumbersTopLeft = 7,
    kNumber = 8,
    kNumber2 = 9,
    kNumber3 = 10,
    kNumber4 = 11,
    kText = 12,
    kBlockHole = 13,
    kDescription = 14,
    kKill = 15,
    kUnchModel = 16,
    kDictionary = 17,
    kNormalCommonality = 18,
    kUnchCommonality = 19,
    kCheckingType = 20,
    kStartManual = 21,
    kFirstWordRandom = 22,
};

// The setting each integer grid property overrides.
struct SettingKey {
    Keyword keyword;
    GridSetting setting;
};
// In the order they are written; the textual properties fall between NumbersTopLeft and
// NormalCommonality.
constexpr SettingKey kLeadingSettings[] = {
    {kBlockHole, GridSetting::BlockType},
    {kNumbersOff, GridSetting::Numbering},
    {kCheckingType, GridSetting::CheckingMode},
    {kSymmetryType, GridSetting::Symmetry},
    {kDirectionUnnormalised, GridSetting::DirectionMode},
    {kNumbersTopLeft, GridSetting::NumberPosition},
};
constexpr SettingKey kTrailingSettings[] = {
    {kNormalCommonality, GridSetting::NormalCommonality},
    {kUnchCommonality, GridSetting::UnchCommonality},
    {kStartManual, GridSetting::StartMode},
    {kFirstWordRandom, GridSetting::FirstWord},
};

constexpr CellCorner kCorners[] = {CellCorner::Main, CellCorner::NorthEast, CellCorner::SouthEast,
                                   CellCorner::SouthWest};

// Stands in for a missing observer, so that lights and cells keep their own colours and
// fonts through an undo even in a grid nobody watches.
class NoView : public GridView {};

// Reads one line; a CR before the LF belongs to the line end.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

// The first line is read into a buffer of kFirstLineLength characters: a longer one is cut
// there and its rest is read as the next line, and a file that is no text at all (one
// endless line) is rejected after a few bytes.
constexpr size_t kFirstLineLength = 254;

bool readFirstLine(std::istream& in, std::string& line) {
    line.clear();
    using Traits = std::istream::traits_type;
    for (;;) {
        const auto c = in.get();
        if (c == Traits::eof())
            return !line.empty();
        if (c == '\n')
            break;
        line += Traits::to_char_type(c);
        if (line.size() == kFirstLineLength) {
            // A line end right behind a full buffer still belongs to this line.
            if (in.peek() == '\r') {
                in.get();
                if (in.peek() != '\n')
                    in.putback('\r');
            }
            if (in.peek() == '\n')
                in.get();
            return true;
        }
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

int lookUp(std::string_view line, std::string_view& value) {
    return GridFile::matchKeyword(line, GridFile::kKeywords, GridFile::kKeywordCount, value);
}

// Section handlers answer whether they recognised the line.
class Reader {
public:
    Reader(Grid& grid, GridView& view) : m_grid(grid), m_view(view) {}

    // Steps after the Grid header: everything is flagged, nothing is fatal.
    int readBody(std::istream& in);

private:
    enum class Section { Grid, Light, Cell };

    bool gridProperty(int keyword, std::string_view line, std::string_view value);
    bool lightProperty(int keyword, std::string_view line, std::string_view value);
    bool cellProperty(int keyword, std::string_view line, std::string_view value);
    bool startLight(std::string_view value);
    bool startCell(std::string_view value);

    Grid& m_grid;
    GridView& m_view;
    Section m_section = Section::Grid;
    Light* m_light = nullptr;
    Cell* m_cell = nullptr;
};

int Reader::readBody(std::istream& in) {
    int flags = 0;
    std::string line;
    while (readLine(in, line)) {
        std::string_view value;
        const int keyword = lookUp(line, value);
        if (keyword == kLight) {
            m_section = Section::Light;
            if (!startLight(value))
                flags |= kGridFileUndecipherable;
            continue;
        }
        if (keyword == kCell) {
            m_section = Section::Cell;
            if (!startCell(value))
                flags |= kGridFileUndecipherable;
            continue;
        }
        bool recognised = false;
        switch (m_section) {
            case Section::Grid:
                recognised = gridProperty(keyword, line, value);
                break;
            case Section::Light:
                recognised = m_light && lightProperty(keyword, line, value);
                break;
            case Section::Cell:
                recognised = m_cell && cellProperty(keyword, line, value);
                break;
        }
        if (!recognised)
            flags |= kGridFileUnrecognised;
    }
    if (!in.eof())
        flags |= kGridFileUndecipherable;
    return flags;
}

bool Reader::startLight(std::string_view value) {
    m_light = nullptr;
    const auto numbers = readIntegers(value);
    if (numbers.size() < 4)
        return false;
    // Wide arithmetic: the numbers are whatever the file says.
    const long long a = numbers[0], b = numbers[1], e = numbers[2], f = numbers[3];
    auto sign = [](long long v) { return static_cast<int>((v > 0) - (v < 0)); };
    const int stepColumn = sign(e - a);
    const int stepRow = sign(f - b);
    const long long lastColumn = e - stepColumn;
    const long long lastRow = f - stepRow;
    auto inside = [](long long v, int size) { return v >= 0 && v < size; };
    if (!inside(a, m_grid.columns()) || !inside(lastColumn, m_grid.columns()) ||
        !inside(b, m_grid.rows()) || !inside(lastRow, m_grid.rows()))
        return false;
    const LightSpec spec{
        static_cast<int>(a),       static_cast<int>(b), static_cast<int>(lastColumn),
        static_cast<int>(lastRow), stepColumn,          stepRow};
    // A light must be a straight run along a row or column: no zero length, no diagonal.
    if (!spec.isWellFormed(Light::kMaxLength))
        return false;
    m_light = m_grid.createLights({spec});
    return m_light != nullptr;
}

bool Reader::startCell(std::string_view value) {
    m_cell = nullptr;
    const auto numbers = readIntegers(value);
    if (numbers.size() < 2 || !m_grid.contains(numbers[1], numbers[0]))
        return false;
    m_cell = &m_grid.cellAt(numbers[1], numbers[0]);
    return true;
}

bool Reader::gridProperty(int keyword, std::string_view line, std::string_view value) {
    for (std::span<const SettingKey> table : {std::span<const SettingKey>(kLeadingSettings),
                                              std::span<const SettingKey>(kTrailingSettings)}) {
        for (const SettingKey& key : table) {
            if (key.keyword != keyword)
                continue;
            m_grid.setting(key.setting).setOverride(leadingInt(value));
            return true;
        }
    }
    switch (keyword) {
        case kDescription:
            m_grid.setDescription(value);
            return true;
        case kKill:
            if (!m_grid.killList())
                return false;
            m_grid.killList()->add(value);
            return true;
        case kUnchModel: {
            if (m_grid.unchModel())
                return false;
            const auto numbers = readIntegers(value);
            UnchModel model;
            model.maxConsecutive = numbers.empty() ? 99 : numbers[0];
            const size_t entries = numbers.size() / 2;
            for (size_t i = 0; i < entries; ++i) {
                const size_t at = 1 + 2 * i;
                model.minUnched.push_back(at < numbers.size() ? numbers[at] : 0);
                model.maxUnched.push_back(at + 1 < numbers.size() ? numbers[at + 1]
                                                                  : static_cast<int>(i) + 1);
            }
            m_grid.setUnchModelAsRead(model);
            return true;
        }
        case kDictionary:
            m_grid.setDictionary(value);
            return true;
        default:
            return m_view.readGridExtra(line);
    }
}

bool Reader::lightProperty(int keyword, std::string_view line, std::string_view value) {
    switch (keyword) {
        case kNumber:
            m_light->setNumber(value);
            return true;
        case kText:
            m_light->setText(value);
            return true;
        default:
            return m_view.readLightExtra(line, *m_light);
    }
}

bool Reader::cellProperty(int keyword, std::string_view line, std::string_view value) {
    switch (keyword) {
        case kNumber:
        case kNumber2:
        case kNumber3:
        case kNumber4:
            m_cell->setNumber(kCorners[keyword - kNumber], value);
            return true;
        case kText:
            m_cell->setText(value);
            return true;
        case kBlockHole:
            m_cell->setBlockType(leadingInt(value));
            return true;
        default:
            return m_view.readCellExtra(line, *m_cell);
    }
}

void writeHeader(std::ostream& out, std::string_view keyword, std::initializer_list<int> numbers) {
    out << '[' << keyword;
    for (int n : numbers)
        out << ' ' << n;
    out << "]\r\n";
}

void writeSettings(std::ostream& out, const Grid& grid, std::span<const SettingKey> keys) {
    for (const SettingKey& key : keys) {
        const GridDimension& setting = grid.setting(key.setting);
        if (setting.isOverridden())
            GridFile::writeProperty(out, GridFile::kKeywords[key.keyword],
                                    std::to_string(setting.value()));
    }
}

bool hasOwnContent(const Cell& cell) {
    for (CellCorner corner : kCorners)
        if (cell.number(corner))
            return true;
    return cell.blockType() != -1 || cell.text() || cell.backgroundColour() || cell.textFont();
}

}  // namespace

int GridFile::matchKeyword(std::string_view line, const char* const* keywords, int count,
                           std::string_view& value) {
    for (int i = 0; i < count; ++i) {
        const std::string_view keyword = keywords[i];
        if (line.size() > keyword.size() + 1 && line[0] == '[' &&
            line.substr(1, keyword.size()) == keyword && line[keyword.size() + 1] == ' ') {
            value = line.substr(keyword.size() + 2);
            return i;
        }
        if (line.size() > keyword.size() && line.substr(0, keyword.size()) == keyword &&
            line[keyword.size()] == '=') {
            value = line.substr(keyword.size() + 1);
            return i;
        }
    }
    value = {};
    return -1;
}

void GridFile::writeProperty(std::ostream& out, std::string_view key, std::string_view value) {
    out << key << '=' << value << "\r\n";
}

namespace {

int readGridText(Grid& grid, std::istream& in, bool snapshot) {
    std::string line;
    std::string_view value;
    if (!readFirstLine(in, line) || lookUp(line, value) != kTessaran)
        return kGridFileNotGrid;
    if (leadingInt(value) != GridFile::kVersion)
        return kGridFileWrongVersion;

    if (!readLine(in, line) || lookUp(line, value) != kGrid)
        return kGridFileBadGridHeader;
    const auto size = readIntegers(value);
    if (size.size() < 2)
        return kGridFileBadGridHeader;
    const int columns = size[0];
    const int rows = size[1];
    if (snapshot && columns == 0 && rows == 0) {
        grid.clear();
    } else {
        // The model holds 1 to 50 rows and columns; anything else is not a grid we can hold.
        if (columns < 1 || columns > Grid::kMaxSize || rows < 1 || rows > Grid::kMaxSize)
            return kGridFileBadGridHeader;
        grid.setDimensions(columns, rows);  // clears the grid and tells the observer first
    }
    NoView noView;
    Reader reader(grid, grid.observer() ? *grid.observer() : noView);
    return reader.readBody(in);
}

}  // namespace

int GridFile::read(Grid& grid, std::istream& in) {
    return readGridText(grid, in, false);
}

int GridFile::readSnapshot(Grid& grid, std::istream& in) {
    return readGridText(grid, in, true);
}

int GridFile::write(const Grid& grid, std::ostream& out) {
    NoView noView;
    GridView& view = grid.observer() ? *grid.observer() : noView;

    writeHeader(out, kKeywords[kTessaran], {kVersion});
    writeHeader(out, kKeywords[kGrid], {grid.columns(), grid.rows()});

    writeSettings(out, grid, kLeadingSettings);
    if (grid.description())
        writeProperty(out, kKeywords[kDescription], *grid.description());
    if (KillList* killList = grid.killList()) {
        killList->startIteration();
        while (auto word = killList->next())
            writeProperty(out, kKeywords[kKill], *word);
    }
    if (const auto& model = grid.unchModel()) {
        // Every entry is written, however long the line gets: a model read from a file
        // must come back whole.
        std::string text = std::to_string(model->maxConsecutive);
        for (int i = 0; i < model->count(); ++i)
            text += ' ' + std::to_string(model->minUnched[i]) + ' ' +
                    std::to_string(model->maxUnched[i]);
        writeProperty(out, kKeywords[kUnchModel], text);
    }
    writeSettings(out, grid, kTrailingSettings);
    if (grid.dictionary())
        writeProperty(out, kKeywords[kDictionary], *grid.dictionary());
    view.writeGridExtras(out);

    for (const Light* light : grid.lights()) {
        const LightSpec spec = light->spec();
        writeHeader(out, kKeywords[kLight],
                    {spec.startColumn, spec.startRow, spec.endColumn + spec.stepColumn,
                     spec.endRow + spec.stepRow});
        if (light->number())
            writeProperty(out, kKeywords[kNumber], *light->number());
        if (light->text())
            writeProperty(out, kKeywords[kText], *light->text());
        view.writeLightExtras(out, *light);
    }

    for (int row = 0; row < grid.rows(); ++row) {
        for (int column = 0; column < grid.columns(); ++column) {
            const Cell& cell = grid.cellAt(row, column);
            if (!hasOwnContent(cell))
                continue;
            writeHeader(out, kKeywords[kCell], {column, row});
            if (cell.blockType() != -1)
                writeProperty(out, kKeywords[kBlockHole], std::to_string(cell.blockType()));
            if (cell.text())
                writeProperty(out, kKeywords[kText], *cell.text());
            for (int i = 0; i < 4; ++i)
                if (const auto& number = cell.number(kCorners[i]))
                    writeProperty(out, kKeywords[kNumber + i], *number);
            view.writeCellExtras(out, cell);
        }
    }
    out.flush();
    return out ? kGridFileOk : kGridFileUndecipherable;
}

const char* GridFile::readMessage(int result) {
    if (result & kGridFileCannotOpen)
        return "File couldn't be opened";
    if (result & kGridFileNotGrid)
        return "File isn't a Tessaran grid file";
    if (result & kGridFileWrongVersion)
        return "Tessaran grid file version not recognised";
    if (result & kGridFileBadGridHeader)
        return "Grid header unreadable";
    if (result & kGridFileUndecipherable)
        return "Undecipherable parts of the grid have been ignored";
    if (result & kGridFileUnrecognised)
        return "Unrecognised properties have been ignored";
    return "";
}

bool GridFile::readResultIsInformation(int result) {
    return (result & (kGridFileCannotOpen | kGridFileNotGrid | kGridFileWrongVersion |
                      kGridFileBadGridHeader)) == 0;
}

}  // namespace tessaran
