// Numbering and shown cell text, derived afresh on every refresh.
//
// Numbers: a light is numbered at its first cell, or in "Top Left Cell" mode at whichever
// end is further up and left. In each cell a typed down number is overridden by a typed
// across number, which is overridden by the cell's own main number; an empty typed number
// suppresses the number it stands for. Without any typed number a cell where a light starts
// gets the running count, and a typed number made only of digits re-bases the count.
//
// Letters: each cell shows k characters (k the length of its own text, 1 without one):
// the down light's share, overlaid by the across light's share, overlaid by the cell's
// own text; "." never overwrites. A different letter arriving on a taken position is a
// clash.

#include <climits>
#include <string>

#include "grid/Grid.h"
#include "grid/GridView.h"

namespace tessaran {
namespace {

bool numberedHere(const Light& light, const Cell& cell, bool topLeft) {
    const Cell& first = light.firstCell();
    const Cell& last = light.lastCell();
    auto notLeftOrAbove = [](const Cell& other, const Cell& of) {
        return other.column() >= of.column() && other.row() >= of.row();
    };
    if (!topLeft)
        return &cell == &first;
    return (&cell == &first && notLeftOrAbove(last, cell)) ||
           (&cell == &last && notLeftOrAbove(first, cell));
}

bool differ(const std::optional<std::string>& a, const std::optional<std::string>& b) {
    return a && b && !a->empty() && !b->empty() && *a != *b;
}

// The value of a number made only of digits, saturated; nothing for any other text.
std::optional<int> digitsValue(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX - 1);
    }
    return static_cast<int>(value);
}

// Copies every character of from that is not "." onto the same position of onto, while
// both last; answers whether one landed on a different letter already there.
bool overlay(std::string& onto, std::string_view from) {
    bool clash = false;
    for (size_t i = 0; i < onto.size() && i < from.size(); ++i) {
        if (from[i] == '.')
            continue;
        if (onto[i] != '.' && onto[i] != from[i])
            clash = true;
        onto[i] = from[i];
    }
    return clash;
}

}  // namespace

void Grid::refresh() {
    computeNumbers();
    computeShownTexts();
    for (Light* light : lights())
        light->updateFillState();
    if (m_observer)
        m_observer->gridChanged();
}

void Grid::computeNumbers() {
    const bool topLeft = settingValue(GridSetting::NumberPosition) == 1;
    const bool automatic = settingValue(GridSetting::Numbering) == 0;
    int counter = 1;
    for (auto& cellPtr : m_cells) {
        Cell& cell = *cellPtr;
        bool acrossStarts = false;
        bool downStarts = false;
        std::optional<std::string> acrossNumber;
        std::optional<std::string> downNumber;
        for (const Light* light : {cell.lightA(), cell.lightB()}) {
            if (!light || !numberedHere(*light, cell, topLeft))
                continue;
            if (light->direction() == Direction::Across) {
                acrossStarts = true;
                acrossNumber = light->number();
            } else {
                downStarts = true;
                downNumber = light->number();
            }
        }

        std::optional<std::string> chosen;
        bool clash = false;
        if (downNumber) {
            if (!downNumber->empty())
                chosen = downNumber;
            else
                downStarts = false;
        }
        if (acrossNumber) {
            if (!acrossNumber->empty()) {
                chosen = acrossNumber;
                clash = differ(acrossNumber, downNumber);
            } else {
                acrossStarts = false;
            }
        }
        const auto& own = cell.number(CellCorner::Main);
        if (own) {
            chosen = own;
            clash = clash || differ(own, acrossNumber) || differ(own, downNumber);
        }
        if (!chosen && (acrossStarts || downStarts) && automatic)
            chosen = std::to_string(counter);

        cell.m_numberClash = clash;
        if (chosen && !chosen->empty()) {
            cell.m_shownNumber = *chosen;
            if (auto value = digitsValue(*chosen))
                counter = *value + 1;
        } else {
            cell.m_shownNumber.reset();
        }
    }
}

void Grid::computeShownTexts() {
    for (auto& cellPtr : m_cells) {
        Cell& cell = *cellPtr;
        const int k = cell.textLength();
        std::string shown(k, '.');
        bool clash = false;
        if (const Light* down = lightOf(cell, Direction::Down))
            overlay(shown, down->textAt(cell));
        if (const Light* across = lightOf(cell, Direction::Across))
            clash = overlay(shown, across->textAt(cell)) || clash;
        if (cell.text())
            clash = overlay(shown, *cell.text()) || clash;
        cell.m_textClash = clash;
        if (!cell.text() && k == 1 && shown == ".")
            cell.m_shownText.reset();
        else
            cell.m_shownText = std::move(shown);
    }
}

}  // namespace tessaran
