#include "app/PropertyLines.h"

#include <sstream>
#include <vector>

#include "dictionary/Dictionary.h"
#include "grid/Cell.h"
#include "grid/GridFile.h"
#include "grid/GridView.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

// The property keywords of lights and cells, as the grid file spells them.
enum Key { kNumber, kNumber2, kNumber3, kNumber4, kText, kBlockHole, kKeyCount };
constexpr const char* kKeys[kKeyCount] = {"Number",  "Number2", "Number3",
                                          "Number4", "Text",    "BlockHole"};
constexpr CellCorner kCorners[4] = {CellCorner::Main, CellCorner::NorthEast, CellCorner::SouthEast,
                                    CellCorner::SouthWest};

// The lines of text that end in a line feed, without their line ends.
std::vector<std::string_view> completeLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', start)) {
        std::string_view line = text.substr(start, lf - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = lf + 1;
    }
    return lines;
}

int leadingInt(std::string_view value) {
    int sign = 1;
    size_t i = 0;
    if (i < value.size() && (value[i] == '-' || value[i] == '+'))
        sign = value[i++] == '-' ? -1 : 1;
    long long n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9' && n < 1000000; ++i)
        n = n * 10 + (value[i] - '0');
    return static_cast<int>(sign * n);
}

}  // namespace

std::string lightLetters(const Light& light, const Dictionary* dictionary) {
    const bool letters = dictionary && dictionary->isValid();
    std::string result;
    for (const Cell* cell : light.cells()) {
        if (cell->shownText()) {
            result += *cell->shownText();
        } else {
            std::uint8_t letter = cell->fixedLetter();
            if (letter == kNoLetter || letter == kNotLetter)
                letter = cell->filledLetter();
            if (letters && letter != kNoLetter && letter != kNotLetter &&
                letter < dictionary->alphabetSize())
                result += dictionary->displayChar(letter);
            else
                result += '.';
        }
        if (result.size() >= 99)
            break;
    }
    if (result.size() > 99)
        result.resize(99);
    return result;
}

std::string lightPropertyLines(const Light& light, GridView& view) {
    std::ostringstream out;
    if (light.number())
        GridFile::writeProperty(out, kKeys[kNumber], *light.number());
    if (light.text())
        GridFile::writeProperty(out, kKeys[kText], *light.text());
    view.writeLightExtras(out, light);
    return out.str();
}

std::string cellPropertyLines(const Cell& cell, GridView& view) {
    std::ostringstream out;
    if (cell.blockType() != -1)
        GridFile::writeProperty(out, kKeys[kBlockHole], std::to_string(cell.blockType()));
    if (cell.text())
        GridFile::writeProperty(out, kKeys[kText], *cell.text());
    for (int i = 0; i < 4; ++i)
        if (const auto& number = cell.number(kCorners[i]))
            GridFile::writeProperty(out, kKeys[kNumber + i], *number);
    view.writeCellExtras(out, cell);
    return out.str();
}

int pasteLightProperties(std::string_view text, Light& light, GridView& view) {
    int taken = 0;
    for (const std::string_view line : completeLines(text)) {
        std::string_view value;
        const int key = GridFile::matchKeyword(line, kKeys, kKeyCount, value);
        bool recognised = true;
        if (key == kNumber)
            light.setNumber(value);
        else if (key == kText)
            light.setText(value);
        else
            recognised = view.readLightExtra(line, light);
        taken += recognised ? 1 : 0;
    }
    return taken;
}

int pasteCellProperties(std::string_view text, Cell& cell, GridView& view) {
    int taken = 0;
    for (const std::string_view line : completeLines(text)) {
        std::string_view value;
        const int key = GridFile::matchKeyword(line, kKeys, kKeyCount, value);
        bool recognised = true;
        if (key >= kNumber && key <= kNumber4)
            cell.setNumber(kCorners[key - kNumber], value);
        else if (key == kText)
            cell.setText(value);
        else if (key == kBlockHole)
            cell.setBlockType(leadingInt(value));
        else
            recognised = view.readCellExtra(line, cell);
        taken += recognised ? 1 : 0;
    }
    return taken;
}

std::string_view firstLine(std::string_view text) {
    const size_t end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(0, end);
}

}  // namespace tessaran
