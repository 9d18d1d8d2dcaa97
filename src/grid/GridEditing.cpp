// The operations of Grid that change its shape: lights added, moved, reversed and deleted
// with their symmetry partners, blocks toggled, texts cleared, the grid reflected,
// rotated and resized. Everything goes through carve and the light table's own
// primitives, so a cell never ends up in two lights of one orientation and every light
// stays a straight run of cells.

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "grid/Grid.h"
#include "grid/GridView.h"
#include "grid/ResizePlan.h"

namespace tessaran {
namespace {

LightSpec singleCell(int column, int row, Direction direction) {
    return direction == Direction::Across ? LightSpec{column, row, column, row, 1, 0}
                                          : LightSpec{column, row, column, row, 0, 1};
}

bool covers(const LightSpec& spec, int column, int row) {
    const LightSpec s = spec.normalised();
    return column >= s.startColumn && column <= s.endColumn && row >= s.startRow && row <= s.endRow;
}

}  // namespace

bool Grid::fullChecking() const {
    return settingValue(GridSetting::CheckingMode) == 1;
}

void Grid::relocateLight(Light& light, const LightSpec& spec) {
    // Detached first, so that carving the new place cannot cut the light itself.
    light.setCells({}, light.stepColumn(), light.stepRow());
    std::vector<Cell*> cells = cellsOf(spec);
    carve(spec);
    light.setCells(std::move(cells), spec.stepColumn, spec.stepRow);
}

// ---- Primitives ----

void Grid::join(const LightSpec& spec) {
    if (!specUsable(spec))
        return;
    const Direction direction = spec.direction();
    Cell& start = cellAt(spec.startRow, spec.startColumn);
    Cell& end = cellAt(spec.endRow, spec.endColumn);
    auto cellOrNull = [this](int column, int row) -> Cell* {
        return contains(row, column) ? &cellAt(row, column) : nullptr;
    };
    // A light cell whose only light crosses this orientation.
    auto isBare = [&](const Cell* cell) {
        return cell && lightCount(*cell) > 0 && !lightOf(*cell, direction);
    };

    Light* e = nullptr;
    for (Cell* cell : {&start, &end}) {
        Light* light = lightOf(*cell, direction);
        if (light && (&light->firstCell() == cell || &light->lastCell() == cell)) {
            e = light;
            break;
        }
    }

    Cell* p = cellOrNull(spec.startColumn - spec.stepColumn, spec.startRow - spec.stepRow);
    Cell* q = cellOrNull(spec.endColumn + spec.stepColumn, spec.endRow + spec.stepRow);
    Light* np = nullptr;
    Light* nq = nullptr;
    bool bareP = false;
    bool bareQ = false;
    if (p && lightCount(*p) > 0) {
        Light* light = lightOf(*p, direction);
        bareP = !light;
        if (light != e)
            np = light;
    }
    if (q && lightCount(*q) > 0) {
        Light* light = lightOf(*q, direction);
        bareQ = !light;
        if (light != e)
            nq = light;
    }

    if (!np && !nq) {
        if (!bareP && !bareQ)
            return;
        const LightSpec base = e ? e->spec() : spec;
        LightSpec grown = base;
        if (isBare(cellOrNull(base.startColumn - base.stepColumn, base.startRow - base.stepRow))) {
            grown.startColumn -= base.stepColumn;
            grown.startRow -= base.stepRow;
        }
        if (isBare(cellOrNull(base.endColumn + base.stepColumn, base.endRow + base.stepRow))) {
            grown.endColumn += base.stepColumn;
            grown.endRow += base.stepRow;
        }
        if (e) {
            if (!(grown == base))
                relocateLight(*e, grown);
        } else {
            createLights({grown});
        }
        return;
    }

    Light& n = np ? *np : *nq;
    // What lies beyond S on the side away from n: the other neighbouring light, else a bare
    // neighbour (only ever on P's side when n is NQ).
    const Light* other = np ? nq : nullptr;
    const bool otherBare = np ? bareQ : bareP;
    // A light of a multi-cell run that lost its own light still spans the whole run.
    const int across =
        (e ? e->length() : spec.length()) + (other ? other->length() : (otherBare ? 1 : 0));
    auto isS = [&](const Cell* cell) { return cell == &start || cell == &end; };

    LightSpec ns = n.spec();
    const Cell* beforeN = cellOrNull(ns.startColumn - ns.stepColumn, ns.startRow - ns.stepRow);
    if (isS(beforeN)) {
        LightSpec longer = ns;
        longer.startColumn -= across * ns.stepColumn;
        longer.startRow -= across * ns.stepRow;
        if (lightCount(*beforeN) > 0 && specUsable(longer)) {
            relocateLight(n, longer);
            ns = longer;
        }
    }
    const Cell* afterN = cellOrNull(ns.endColumn + ns.stepColumn, ns.endRow + ns.stepRow);
    if (isS(afterN)) {
        LightSpec longer = ns;
        longer.endColumn += across * ns.stepColumn;
        longer.endRow += across * ns.stepRow;
        if (lightCount(*afterN) > 0 && specUsable(longer))
            relocateLight(n, longer);
    }
}

std::vector<bool> Grid::moveLights(const std::vector<LightSpec>& oldSpecs,
                                   const std::vector<LightSpec>& newSpecs) {
    const size_t n = std::min(oldSpecs.size(), newSpecs.size());
    std::vector<Light*> moving(n, nullptr);
    std::vector<bool> found(n, false);
    // All are lifted out before any is put down, so that partners can pass over each other;
    // a spec repeated in the list finds its light only once.
    for (size_t i = 0; i < n; ++i) {
        moving[i] = matchLight(oldSpecs[i]);
        found[i] = moving[i] != nullptr;
        if (moving[i])
            moving[i]->setCells({}, moving[i]->stepColumn(), moving[i]->stepRow());
    }
    for (size_t i = n; i-- > 0;) {
        Light* light = moving[i];
        if (!light)
            continue;
        if (!specUsable(newSpecs[i])) {
            destroyLight(*light);  // a light without cells must not stay in the table
            continue;
        }
        std::vector<Cell*> cells = cellsOf(newSpecs[i]);
        carve(newSpecs[i]);
        light->setCells(std::move(cells), newSpecs[i].stepColumn, newSpecs[i].stepRow);
    }
    return found;
}

void Grid::completeChecking(const std::vector<LightSpec>& removed, const std::vector<bool>& found,
                            const std::vector<LightSpec>& added) {
    for (size_t i = 0; i < removed.size() && i < found.size(); ++i) {
        if (!found[i] || !specUsable(removed[i]))
            continue;
        const Direction crossing = otherDirection(removed[i].direction());
        for (Cell* cell : cellsOf(removed[i])) {
            bool kept = false;
            for (const LightSpec& spec : added)
                kept = kept || covers(spec, cell->column(), cell->row());
            if (!kept)
                carve(singleCell(cell->column(), cell->row(), crossing));
        }
    }
    for (const LightSpec& spec : added) {
        if (!specUsable(spec))
            continue;
        const Direction crossing = otherDirection(spec.direction());
        for (Cell* cell : cellsOf(spec))
            if (lightOf(*cell, spec.direction()))
                join(singleCell(cell->column(), cell->row(), crossing));
        join(spec);
    }
}

// ---- Light operations ----

Light* Grid::addLight(const LightSpec& spec) {
    if (!specUsable(spec))
        return nullptr;
    const std::vector<LightSpec> partners = symmetryList(spec);
    Light* made = createLights(partners);
    if (fullChecking())
        completeChecking({}, {}, partners);
    refresh();
    return made && slotOf(*made) >= 0 ? made : nullptr;
}

void Grid::moveLight(Light& light, const LightSpec& spec) {
    const LightSpec current = light.spec();
    if (spec == current || !specUsable(spec))
        return;
    const std::vector<LightSpec> oldSpecs = symmetryList(current);
    const std::vector<LightSpec> newSpecs = symmetryList(spec);
    const std::vector<bool> found = moveLights(oldSpecs, newSpecs);
    // A light that was its own partner (possibly read the other way) moves to a place that
    // has partners of its own: they get lights too, or the grid would lose its symmetry.
    for (size_t i = 1; i < oldSpecs.size(); ++i) {
        if (found[i])
            continue;
        for (size_t j = 0; j < i; ++j) {
            if (found[j] && oldSpecs[j].normalised() == oldSpecs[i].normalised()) {
                if (!matchLight(newSpecs[i]))
                    createLights({newSpecs[i]});
                break;
            }
        }
    }
    if (fullChecking())
        completeChecking(oldSpecs, found, newSpecs);
    refresh();
}

void Grid::reverseLight(Light& light) {
    const LightSpec s = light.spec();
    moveLight(light, {s.endColumn, s.endRow, s.startColumn, s.startRow, -s.stepColumn, -s.stepRow});
}

void Grid::deleteLight(Light& light) {
    const std::vector<LightSpec> specs = symmetryList(light.spec());
    std::vector<bool> found(specs.size(), false);
    for (size_t i = specs.size(); i-- > 0;) {
        if (Light* partner = matchLight(specs[i])) {
            destroyLight(*partner);
            found[i] = true;
        }
    }
    if (fullChecking())
        completeChecking(specs, found, {});
    refresh();
}

void Grid::toggleBlock(Cell& cell) {
    if (lightCount(cell) > 0) {
        for (const LightSpec& p :
             symmetryList(singleCell(cell.column(), cell.row(), Direction::Across))) {
            carve(singleCell(p.startColumn, p.startRow, Direction::Across));
            carve(singleCell(p.startColumn, p.startRow, Direction::Down));
        }
    } else {
        auto count = [this](int column, int row) {
            return contains(row, column) ? lightCount(cellAt(row, column)) : 0;
        };
        auto orientationAt = [&](int c, int r) {
            const int h = count(c - 1, r) + count(c + 1, r);
            const int v = count(c, r - 1) + count(c, r + 1);
            return h == 0 && v >= 1 ? Direction::Down : Direction::Across;
        };
        // The partners are the clicked cell's new light turned by the symmetry, so that they
        // keep the grid symmetrical even where their own neighbours would tie (a quarter
        // turn or a diagonal swaps across and down), and in "Unnormalized" mode read the way
        // later edits look for them.
        const std::vector<LightSpec> turned = symmetryList(
            singleCell(cell.column(), cell.row(), orientationAt(cell.column(), cell.row())));
        std::vector<LightSpec> specs;
        for (const LightSpec& spec : turned) {
            // Only blocks are opened: a partner that already holds letters is left whole
            // rather than cut out of its lights (possible only in an unsymmetrical grid).
            if (lightCount(cellAt(spec.startRow, spec.startColumn)) == 0)
                specs.push_back(spec);
        }
        createLights(specs);
        if (fullChecking())
            completeChecking({}, {}, specs);
    }
    refresh();
}

void Grid::restart(bool withAllLights) {
    destroyAllLights();
    for (auto& c : m_cells)
        c->setFilledLetter(kNoLetter);
    if (withAllLights)
        allLights();
    refresh();
}

void Grid::clearLightText(Light& light) {
    light.clearText();
    for (Cell* c : light.cells())
        c->setFilledLetter(kNoLetter);
    refresh();
}

void Grid::clearAllLightTexts() {
    for (Light* light : lights())
        light->clearText();
    for (auto& c : m_cells)
        c->setFilledLetter(kNoLetter);
    refresh();
}

void Grid::clearAllCellTexts() {
    for (auto& c : m_cells)
        c->clearText();
    refresh();
}

// ---- Reshaping ----

void Grid::reflect() {
    transpose(false);
}

void Grid::rotate() {
    transpose(true);
}

void Grid::transpose(bool rotate) {
    const int w = m_columns;
    const int newColumns = m_rows;
    const int newRows = m_columns;
    std::vector<std::unique_ptr<Cell>> cells;
    cells.reserve(m_cells.size());
    for (int i = 0; i < newRows; ++i) {
        for (int j = 0; j < newColumns; ++j) {
            auto cell = std::make_unique<Cell>(*this, i, j);
            cell->copyFrom(rotate ? cellAt(j, w - 1 - i) : cellAt(j, i));
            cells.push_back(std::move(cell));
        }
    }
    const bool normalise = settingValue(GridSetting::DirectionMode) == 0;
    for (Light* light : lights()) {
        const auto [x1, y1, x2, y2, dx, dy] = light->spec();
        LightSpec s = rotate ? LightSpec{y1, w - 1 - x1, y2, w - 1 - x2, dy, -dx}
                             : LightSpec{y1, x1, y2, x2, dy, dx};
        if (normalise)
            s = s.normalised();
        std::vector<Cell*> lightCells;
        for (int k = 0; k < s.length(); ++k)
            lightCells.push_back(
                cells[(s.startRow + k * s.stepRow) * newColumns + s.startColumn + k * s.stepColumn]
                    .get());
        light->setCells(std::move(lightCells), s.stepColumn, s.stepRow);
    }
    m_cells = std::move(cells);  // the old cells are in no light any more
    m_columns = newColumns;
    m_rows = newRows;
    if (m_observer)
        m_observer->gridReshaped();
    refresh();
}

bool Grid::resize(int columnDelta, int columnPosition, int rowDelta, int rowPosition) {
    const std::optional<ResizePlan> plan =
        planResize(m_columns, m_rows, settingValue(GridSetting::Symmetry), columnDelta,
                   columnPosition, rowDelta, rowPosition, kMaxSize);
    if (!plan)
        return false;
    const int newColumns = plan->columns.newSize();
    const int newRows = plan->rows.newSize();

    std::vector<std::unique_ptr<Cell>> cells(static_cast<size_t>(newColumns) * newRows);
    for (const auto& old : m_cells) {
        const int row = plan->rows.map(old->row());
        const int column = plan->columns.map(old->column());
        if (row < 0 || column < 0)
            continue;
        auto cell = std::make_unique<Cell>(*this, row, column);
        cell->copyFrom(*old);
        cells[static_cast<size_t>(row) * newColumns + column] = std::move(cell);
    }
    for (int row = 0; row < newRows; ++row)
        for (int column = 0; column < newColumns; ++column) {
            auto& slot = cells[static_cast<size_t>(row) * newColumns + column];
            if (!slot)
                slot = std::make_unique<Cell>(*this, row, column);
        }

    for (Light* light : lights()) {
        int first = -1;
        int last = -1;
        for (int k = 0; k < light->length(); ++k) {
            const Cell& c = light->cell(k);
            if (plan->rows.map(c.row()) < 0 || plan->columns.map(c.column()) < 0)
                continue;
            if (first < 0)
                first = k;
            last = k;
        }
        if (first < 0 || (first == last && light->length() > 1)) {
            destroyLight(*light);
            continue;
        }
        const Cell& a = light->cell(first);
        const Cell& b = light->cell(last);
        const LightSpec s{plan->columns.map(a.column()), plan->rows.map(a.row()),
                          plan->columns.map(b.column()), plan->rows.map(b.row()),
                          light->stepColumn(),           light->stepRow()};
        std::vector<Cell*> lightCells;
        for (int k = 0; k < s.length(); ++k)
            lightCells.push_back(
                cells[static_cast<size_t>(s.startRow + k * s.stepRow) * newColumns + s.startColumn +
                      k * s.stepColumn]
                    .get());
        light->setCells(std::move(lightCells), s.stepColumn, s.stepRow);
    }
    m_cells = std::move(cells);
    m_columns = newColumns;
    m_rows = newRows;

    if (fullChecking()) {
        auto joinLine = [this](int fixed, bool isRow, Direction direction) {
            const int count = isRow ? m_columns : m_rows;
            for (int k = 0; k < count; ++k) {
                const int row = isRow ? fixed : k;
                const int column = isRow ? k : fixed;
                if (lightCount(cellAt(row, column)) > 0)
                    join(singleCell(column, row, direction));
            }
        };
        for (int row : plan->rows.linesAfterDeletions())
            if (row < m_rows)
                joinLine(row, true, Direction::Down);
        for (const ResizeOperation& range : plan->rows.insertedRanges())
            for (int row = range.position; row < range.position + range.delta; ++row)
                joinLine(row, true, Direction::Across);
        for (int column : plan->columns.linesAfterDeletions())
            if (column < m_columns)
                joinLine(column, false, Direction::Across);
        for (const ResizeOperation& range : plan->columns.insertedRanges())
            for (int column = range.position; column < range.position + range.delta; ++column)
                joinLine(column, false, Direction::Down);
    }
    if (m_observer)
        m_observer->gridReshaped();
    refresh();
    return true;
}

}  // namespace tessaran
