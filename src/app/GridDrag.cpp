#include "app/GridDrag.h"

#include <algorithm>
#include <cstdlib>

#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"
#include "output/RenderMetrics.h"

namespace tessaran {
namespace {

GridPlace placeOf(const Cell& cell) {
    return {cell.column(), cell.row()};
}

bool normalisedMode(const Grid& grid) {
    return grid.settingValue(GridSetting::DirectionMode) == 0;
}

// The end cursor for a band whose moving end lies in the direction of step from the
// anchor; without a direction, the side of the end that was grabbed.
DragCursor endCursor(const DragStart& s, bool across) {
    int stepColumn = s.stepColumn;
    int stepRow = s.stepRow;
    if (stepColumn == 0 && stepRow == 0) {
        const bool before =
            across ? s.moving.column < s.anchor.column : s.moving.row < s.anchor.row;
        const bool after = across ? s.moving.column > s.anchor.column : s.moving.row > s.anchor.row;
        // A one-cell light's single cell is both ends: call it the leading one.
        const int sign = after && !before ? 1 : -1;
        (across ? stepColumn : stepRow) = sign;
    }
    if (stepRow == 0)
        return stepColumn < 0 ? DragCursor::EndLeft : DragCursor::EndRight;
    return stepRow < 0 ? DragCursor::EndUp : DragCursor::EndDown;
}

}  // namespace

HitGeometry HitGeometry::fromMetrics(const RenderMetrics& metrics) {
    HitGeometry g;
    g.originX = metrics.borderWidth + metrics.margin;
    g.originY = metrics.borderHeight + metrics.margin;
    g.cellWidth = std::max(1, metrics.cellWidth);
    g.cellHeight = std::max(1, metrics.cellHeight);
    g.grabZone = 2 * metrics.inset;
    return g;
}

DragStart hitTest(const Grid& grid, const HitGeometry& g, int x, int y) {
    DragStart s;
    const int px = x - g.originX;
    const int py = y - g.originY;
    if (px < 0 || py < 0 || g.cellWidth <= 0 || g.cellHeight <= 0) {
        s.mode = DragMode::Outside;
        return s;
    }
    const int column = px / g.cellWidth;
    const int row = py / g.cellHeight;
    if (!grid.contains(row, column)) {
        s.mode = DragMode::Outside;
        return s;
    }
    const int dx = px - column * g.cellWidth;
    const int dy = py - row * g.cellHeight;
    const Cell& cell = grid.cellAt(row, column);
    const GridPlace here{column, row};
    Light* const lights[] = {cell.lightA(), cell.lightB()};

    // An end: the outer edge of a light's top-left or bottom-right cell.
    for (Light* light : lights) {
        if (!light)
            continue;
        const bool forward = !light->isReversed();
        const bool across = light->direction() == Direction::Across;
        const Cell& topLeft = forward ? light->firstCell() : light->lastCell();
        const Cell& bottomRight = forward ? light->lastCell() : light->firstCell();
        DragMode mode = DragMode::Idle;
        GridPlace anchor;
        if (&cell == &topLeft && (across ? dx < g.grabZone : dy < g.grabZone)) {
            mode = forward ? DragMode::MovingFirstEnd : DragMode::MovingLastEnd;
            anchor = placeOf(bottomRight);
        } else if (&cell == &bottomRight &&
                   (across ? dx >= g.cellWidth - g.grabZone : dy >= g.cellHeight - g.grabZone)) {
            mode = forward ? DragMode::MovingLastEnd : DragMode::MovingFirstEnd;
            anchor = placeOf(topLeft);
        }
        if (mode != DragMode::Idle) {
            s.mode = mode;
            s.light = light;
            s.anchor = anchor;
            s.moving = here;
            return s;
        }
    }
    // The whole light: an edge that runs along the light.
    for (Light* light : lights) {
        if (!light)
            continue;
        const bool across = light->direction() == Direction::Across;
        const bool nearEdge = across ? dy < g.grabZone || dy >= g.cellHeight - g.grabZone
                                     : dx < g.grabZone || dx >= g.cellWidth - g.grabZone;
        if (!nearEdge)
            continue;
        const Cell& first = light->firstCell();
        s.mode = DragMode::MovingBody;
        s.light = light;
        s.anchor = placeOf(first);
        s.moving = placeOf(light->lastCell());
        s.stepColumn = light->stepColumn();
        s.stepRow = light->stepRow();
        s.grabOffset = {column - first.column(), row - first.row()};
        return s;
    }
    s.mode = DragMode::Adding;
    s.anchor = here;
    s.moving = here;
    return s;
}

DragCursor hoverCursor(const DragStart& start) {
    switch (start.mode) {
        case DragMode::MovingFirstEnd:
        case DragMode::MovingLastEnd:
            return endCursor(start, start.light->direction() == Direction::Across);
        case DragMode::MovingBody:
            return start.stepRow == 0 ? DragCursor::MoveAcross : DragCursor::MoveDown;
        default:
            return DragCursor::Arrow;
    }
}

std::string specDescription(const Grid& grid, const LightSpec& spec) {
    const std::string direction = directionAbbreviation(spec.direction());
    const std::string length = " (" + std::to_string(spec.length()) + ")";
    if (grid.contains(spec.startRow, spec.startColumn)) {
        const std::optional<std::string>& number =
            grid.cellAt(spec.startRow, spec.startColumn).shownNumber();
        if (number && !number->empty())
            return *number + direction + length;
    }
    auto place = [](int row, int column) {
        return "(" + std::to_string(row + 1) + "," + std::to_string(column + 1) + ")";
    };
    return place(spec.startRow, spec.startColumn) + "-" + place(spec.endRow, spec.endColumn) +
           direction + length;
}

// ---- The drag ----

GridPlace GridDrag::placeAt(const HitGeometry& g, int x, int y) {
    const int px = x - g.originX;
    const int py = y - g.originY;
    return {px < 0 ? -1 : px / g.cellWidth, py < 0 ? -1 : py / g.cellHeight};
}

void GridDrag::press(const HitGeometry& geometry, int x, int y) {
    m_state = hitTest(m_grid, geometry, x, y);
    m_pressed = m_state.moving;
}

bool GridDrag::move(const HitGeometry& geometry, int x, int y) {
    const DragMode mode = m_state.mode;
    if (mode == DragMode::Idle || mode == DragMode::Outside)
        return false;
    if (m_grid.rows() <= 0 || m_grid.columns() <= 0)
        return false;
    const DragStart before = m_state;
    GridPlace mouse = placeAt(geometry, x, y);
    mouse.column = std::clamp(mouse.column, 0, m_grid.columns() - 1);
    mouse.row = std::clamp(mouse.row, 0, m_grid.rows() - 1);
    DragStart& s = m_state;

    if (mode == DragMode::MovingBody) {
        if (!s.light)
            return false;
        const int span = s.light->length() - 1;
        GridPlace first{mouse.column - s.grabOffset.column, mouse.row - s.grabOffset.row};
        GridPlace last{first.column + span * s.stepColumn, first.row + span * s.stepRow};
        // Shift the light back inside the grid rather than shortening it.
        auto shiftInside = [](int& a, int& b, int size) {
            const int low = std::min(a, b);
            const int high = std::max(a, b);
            int shift = 0;
            if (low < 0)
                shift = -low;
            else if (high > size - 1)
                shift = size - 1 - high;
            a += shift;
            b += shift;
        };
        shiftInside(first.column, last.column, m_grid.columns());
        shiftInside(first.row, last.row, m_grid.rows());
        s.anchor = first;
        s.moving = last;
    } else {
        const int columnDistance = std::abs(mouse.column - s.anchor.column);
        const int rowDistance = std::abs(mouse.row - s.anchor.row);
        // Fewer rows than columns away: along the row; equal distances make a down light.
        if (rowDistance < columnDistance)
            s.moving = {mouse.column, s.anchor.row};
        else
            s.moving = {s.anchor.column, mouse.row};
        if (s.moving.column != s.anchor.column) {
            s.stepColumn = s.moving.column < s.anchor.column ? -1 : 1;
            s.stepRow = 0;
        } else if (s.moving.row != s.anchor.row) {
            s.stepColumn = 0;
            s.stepRow = s.moving.row < s.anchor.row ? -1 : 1;
        }
    }
    return s.anchor != before.anchor || s.moving != before.moving ||
           s.stepColumn != before.stepColumn || s.stepRow != before.stepRow;
}

LightSpec GridDrag::rawBand() const {
    const DragStart& s = m_state;
    if (s.mode == DragMode::MovingFirstEnd)
        return {s.moving.column, s.moving.row,  s.anchor.column,
                s.anchor.row,    -s.stepColumn, -s.stepRow};
    return {s.anchor.column, s.anchor.row, s.moving.column, s.moving.row, s.stepColumn, s.stepRow};
}

std::optional<LightSpec> GridDrag::band() const {
    const DragMode mode = m_state.mode;
    if (mode == DragMode::Idle || mode == DragMode::Outside)
        return std::nullopt;
    if (m_state.stepColumn == 0 && m_state.stepRow == 0)
        return std::nullopt;
    const LightSpec spec = rawBand();
    return normalisedMode(m_grid) ? spec.normalised() : spec;
}

std::vector<LightSpec> GridDrag::bandOutlines() const {
    std::vector<LightSpec> outlines;
    const std::optional<LightSpec> spec = band();
    if (!spec)
        return outlines;
    for (const LightSpec& partner : m_grid.symmetryList(*spec)) {
        const LightSpec box = partner.normalised();
        if (std::find(outlines.begin(), outlines.end(), box) == outlines.end())
            outlines.push_back(box);
    }
    return outlines;
}

std::string GridDrag::statusText() const {
    const std::optional<LightSpec> spec = band();
    if (!spec)
        return {};
    const char* what = m_state.mode == DragMode::Adding       ? "Adding light: "
                       : m_state.mode == DragMode::MovingBody ? "Moving light body: "
                                                              : "Moving light end: ";
    return what + specDescription(m_grid, *spec);
}

DragCursor GridDrag::cursor() const {
    switch (m_state.mode) {
        case DragMode::Adding:
            if (m_state.stepColumn == 0 && m_state.stepRow == 0)
                return DragCursor::Arrow;
            return endCursor(m_state, m_state.stepRow == 0);
        case DragMode::MovingFirstEnd:
        case DragMode::MovingLastEnd:
            if (m_state.stepColumn == 0 && m_state.stepRow == 0 && m_state.light)
                return endCursor(m_state, m_state.light->direction() == Direction::Across);
            return endCursor(m_state, m_state.stepRow == 0);
        case DragMode::MovingBody:
            return m_state.stepRow == 0 ? DragCursor::MoveAcross : DragCursor::MoveDown;
        default:
            return DragCursor::Arrow;
    }
}

bool GridDrag::cancel() {
    if (!isDragging())
        return false;
    m_state = DragStart{};
    return true;
}

void GridDrag::lightDeleting(const Light& light) {
    if (m_state.light == &light)
        m_state.light = nullptr;
}

DragOutcome GridDrag::release() {
    DragOutcome outcome;
    const DragMode mode = m_state.mode;
    const std::optional<LightSpec> spec = band();
    using Kind = DragOutcome::Kind;
    switch (mode) {
        case DragMode::Idle:
            break;
        case DragMode::Outside:
            outcome.kind = Kind::ClearSelection;
            break;
        case DragMode::Adding:
            if (!spec) {
                // A click: the drag ended where it began.
                outcome.kind = Kind::SelectCell;
                outcome.cell = &m_grid.cellAt(m_pressed.row, m_pressed.column);
                break;
            }
            m_grid.checkpoint();
            if (Light* light = m_grid.addLight(*spec)) {
                outcome.kind = Kind::SelectLight;
                outcome.light = light;
            }
            break;
        case DragMode::MovingFirstEnd:
        case DragMode::MovingLastEnd:
        case DragMode::MovingBody: {
            if (!m_state.light)
                break;
            // Dragged back to where it was: no edit, so the grid is not marked as changed.
            if (spec && *spec != m_state.light->spec()) {
                m_grid.checkpoint();
                m_grid.moveLight(*m_state.light, *spec);
            }
            Light* light = m_state.light;
            // In "100%" checking the moved light may have been merged into a neighbour:
            // select whatever light now lies where it went.
            if (!light && spec)
                light = m_grid.lightOf(m_grid.cellAt(spec->startRow, spec->startColumn),
                                       spec->direction());
            if (!light)
                break;
            outcome.kind = Kind::SelectLight;
            outcome.light = light;
            if (mode == DragMode::MovingBody) {
                const int index =
                    std::abs(m_state.grabOffset.column) + std::abs(m_state.grabOffset.row);
                if (light == m_state.light && index < light->length())
                    outcome.caret = light->textPosition(light->cell(index));
            }
            break;
        }
    }
    m_state = DragStart{};
    return outcome;
}

}  // namespace tessaran
