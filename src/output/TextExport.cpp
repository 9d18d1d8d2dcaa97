#include "output/TextExport.h"

#include <vector>

#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"
#include "output/CellEdges.h"

namespace tessaran {

namespace {

constexpr size_t kMaxAnswer = 99;
constexpr const char* kLineEnd = "\r\n";

// The lights of one direction in the order of their first cells, row by row.
std::vector<const Light*> lightsInReadingOrder(const Grid& grid, Direction direction) {
    std::vector<const Light*> ordered;
    for (int row = 0; row < grid.rows(); ++row)
        for (int column = 0; column < grid.columns(); ++column) {
            const Cell& cell = grid.cellAt(row, column);
            for (const Light* light : {cell.lightA(), cell.lightB()})
                if (light && light->direction() == direction && &light->firstCell() == &cell)
                    ordered.push_back(light);
        }
    return ordered;
}

// The cell that shows the light's number: its first cell, or, when lights are numbered
// at their top-left end, the last cell of a light that reads backwards.
const Cell& numberedCell(const Grid& grid, const Light& light) {
    const bool topLeft = grid.settingValue(GridSetting::NumberPosition) == 1;
    return topLeft && light.isReversed() ? light.lastCell() : light.firstCell();
}

std::string field(std::string_view text, size_t width) {
    std::string padded(text.substr(0, width));
    padded.resize(width, ' ');
    return padded;
}

}  // namespace

std::string answerString(const Light& light) {
    std::string answer;
    for (const Cell* cell : light.cells()) {
        answer += cell->shownText().value_or(".");
        if (answer.size() >= kMaxAnswer) {
            answer.resize(kMaxAnswer);
            break;
        }
    }
    return answer;
}

std::string textGrid(const Grid& grid, bool includeNumbers, bool includeAnswers) {
    const CellMap map = CellMap::fromGrid(grid);
    std::string out = "+";
    for (int column = 0; column < grid.columns(); ++column)
        out += "----+";
    out += kLineEnd;
    for (int row = 0; row < grid.rows(); ++row) {
        std::string numbers = "|";
        std::string letters = "|";
        std::string rule = "+";
        for (int column = 0; column < grid.columns(); ++column) {
            const Cell& cell = grid.cellAt(row, column);
            const CellKind kind = map.at(row, column).kind;
            LightCellEdges edges;
            if (kind == CellKind::Light)
                edges = lightCellEdges(map, row, column);
            std::string number = "    ";
            std::string letter = "    ";
            // A hole is blank even when the cell outside the lights has a number or text
            // of its own, as it is in the picture.
            if (kind == CellKind::FilledBlock) {
                number = letter = "####";
            } else if (kind == CellKind::Light) {
                if (includeNumbers && cell.shownNumber())
                    number = field(*cell.shownNumber(), 4);
                if (includeAnswers && cell.shownText()) {
                    const std::string& text = *cell.shownText();
                    letter = text.size() == 1 ? "  " + text + " " : " " + field(text, 3);
                }
            }
            const char separator = edges.rightBar ? '#' : '|';
            numbers += number + separator;
            letters += letter + separator;
            rule += std::string(4, edges.bottomBar ? '#' : '-') + "+";
        }
        out += numbers + kLineEnd + letters + kLineEnd + rule + kLineEnd;
    }
    return out;
}

std::string answerList(const Grid& grid) {
    std::string out;
    for (Direction direction : {Direction::Across, Direction::Down}) {
        out += direction == Direction::Across ? "ACROSS" : "DOWN";
        out += kLineEnd;
        for (const Light* light : lightsInReadingOrder(grid, direction))
            out += numberedCell(grid, *light).shownNumber().value_or("") + "\t" +
                   answerString(*light) + " (" + std::to_string(light->length()) + ")" + kLineEnd;
    }
    return out;
}

std::string exchangeText(const Grid& grid) {
    const CellMap map = CellMap::fromGrid(grid);
    std::string out;
    auto line = [&](std::string_view text) {
        out += text;
        out += kLineEnd;
    };
    line("<ACROSS PUZZLE>");
    line("<TITLE>");
    line(grid.description().value_or(""));
    line("<AUTHOR>");
    line("");
    line("<COPYRIGHT>");
    line("");
    line("<SIZE>");
    line(std::to_string(grid.columns()) + "x" + std::to_string(grid.rows()));
    line("<GRID>");
    for (int row = 0; row < grid.rows(); ++row) {
        std::string cells;
        for (int column = 0; column < grid.columns(); ++column) {
            const Cell& cell = grid.cellAt(row, column);
            switch (map.at(row, column).kind) {
                case CellKind::Light:
                    cells += cell.shownText() && !cell.shownText()->empty() ? (*cell.shownText())[0]
                                                                            : 'X';
                    break;
                case CellKind::FilledBlock:
                    cells += '.';
                    break;
                case CellKind::Hole:
                    cells += ':';
                    break;
            }
        }
        line(cells);
    }
    for (Direction direction : {Direction::Across, Direction::Down}) {
        line(direction == Direction::Across ? "<ACROSS>" : "<DOWN>");
        for (const Light* light : lightsInReadingOrder(grid, direction))
            line(answerString(*light));
    }
    return out;
}

}  // namespace tessaran
