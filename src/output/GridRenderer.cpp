#include "output/GridRenderer.h"

#include <algorithm>

#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"
#include "grid/UnchStatus.h"
#include "output/CellEdges.h"
#include "output/ViewSettings.h"

namespace tessaran {

namespace {

constexpr int kFarEdge = 32767;  // a screen margin that runs to the window's edge

const Light* acrossLightOf(const Cell& cell) {
    for (const Light* light : {cell.lightA(), cell.lightB()})
        if (light && light->direction() == Direction::Across)
            return light;
    return nullptr;
}

const Light* downLightOf(const Cell& cell) {
    for (const Light* light : {cell.lightA(), cell.lightB()})
        if (light && light->direction() == Direction::Down)
            return light;
    return nullptr;
}

// The cell's own value, else its across light's, else its down light's.
template <typename Value, typename Get>
const Value* ownOrLights(const Cell& cell, Get get) {
    if (const auto& own = get(cell); own)
        return &*own;
    for (const Light* light : {acrossLightOf(cell), downLightOf(cell)})
        if (light)
            if (const auto& lights = get(*light); lights)
                return &*lights;
    return nullptr;
}

// The box of rowCount x columnCount cells from (row, column), inset on every side: where
// arrows and selection outlines go on screen.
DeviceRect spanBox(const RenderMetrics& m, int origin, int row, int column, int rowCount,
                   int columnCount) {
    const int left = origin + m.borderWidth + column * m.cellWidth + m.inset - 1;
    const int top = origin + m.borderHeight + row * m.cellHeight + m.inset - 1;
    return {left, top, left + columnCount * m.cellWidth - 2 * m.inset,
            top + rowCount * m.cellHeight - 2 * m.inset};
}

DeviceRect lightSpanBox(const RenderMetrics& m, int origin, const Light& light) {
    const Cell& first = light.firstCell();
    const Cell& last = light.lastCell();
    const int row = std::min(first.row(), last.row());
    const int column = std::min(first.column(), last.column());
    if (light.direction() == Direction::Across)
        return spanBox(m, origin, row, column, 1, light.length());
    return spanBox(m, origin, row, column, light.length(), 1);
}

DeviceRect specSpanBox(const RenderMetrics& m, int origin, const LightSpec& spec) {
    const int row = std::min(spec.startRow, spec.endRow);
    const int column = std::min(spec.startColumn, spec.endColumn);
    if (spec.direction() == Direction::Across)
        return spanBox(m, origin, row, column, 1, spec.length());
    return spanBox(m, origin, row, column, spec.length(), 1);
}

DeviceRect caretSpanBox(const RenderMetrics& m, int origin, const Light& light, int caret) {
    const Cell* at = &light.lastCell();
    int position = 0;
    int share = 0;  // characters of the cell before the caret
    bool pastEnd = true;
    for (const Cell* cell : light.cells()) {
        if (caret < position + cell->textLength()) {
            at = cell;
            share = caret - position;
            pastEnd = false;
            break;
        }
        position += cell->textLength();
    }
    // Within the selection outline, one pixel in from its edges: where the two met, the
    // second inversion would wipe out the first.
    DeviceRect cell = spanBox(m, origin, at->row(), at->column(), 1, 1);
    cell = {cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    const int thickness = std::max(2, m.inset / 2);
    const bool across = light.direction() == Direction::Across;
    const int extent = across ? cell.right - cell.left : cell.bottom - cell.top;
    const int characters = std::max(1, at->textLength());
    // Distance of the mark from the cell's leading edge in reading order.
    const int offset = pastEnd ? extent - thickness : share * extent / characters;
    const bool fromStart = !light.isReversed();
    if (across) {
        const int x = fromStart ? cell.left + offset : cell.right - offset - thickness;
        return {x, cell.top, x + thickness, cell.bottom};
    }
    const int y = fromStart ? cell.top + offset : cell.bottom - offset - thickness;
    return {cell.left, y, cell.right, y + thickness};
}

}  // namespace

// One drawing's state: the surface, the measures and colours, and the rectangle fill
// that turns the renderer's downward y into the device's.
class GridRenderer::Painter {
public:
    Painter(const Grid& grid, const ViewSettings& settings, DrawingSurface& surface,
            const RenderOptions& options)
        : m_grid(grid),
          m_settings(settings),
          m_surface(surface),
          m_options(options),
          m_metrics(computeRenderMetrics(settings, surface.technology(),
                                         deviceScale(surface, settings.zoomPercent()))),
          m_map(CellMap::fromGrid(grid)) {
        m_interactive =
            options.interactive && surface.technology() == DeviceTechnology::RasterDisplay;
        m_ySign = surface.technology() == DeviceTechnology::Printer ? -1 : 1;
        m_origin = m_interactive ? m_metrics.margin : 0;
        m_foreground = settings.foregroundColour().value();
        m_background = settings.backgroundColour().value();
        m_numberFont = settings.numberFont().value();
        m_deviceNumberFont = m_metrics.deviceFont(m_numberFont);
    }

    bool interactive() const { return m_interactive; }
    int cellX(int column) const {
        return m_origin + column * m_metrics.cellWidth + m_metrics.borderWidth;
    }
    int cellY(int row) const {
        return m_origin + row * m_metrics.cellHeight + m_metrics.borderHeight;
    }

    // Coordinates are in the renderer's frame, y growing downward; a rectangle that is
    // empty there is skipped, and on a printer y is turned upward afterwards.
    void fill(int left, int top, int right, int bottom, Colour colour) {
        left = std::max(left, 0);
        if (left >= right || top >= bottom)
            return;
        DeviceRect rect{left, top * m_ySign, right, bottom * m_ySign};
        if (m_ySign < 0)
            std::swap(rect.top, rect.bottom);
        m_surface.fillRect(rect, colour);
    }

    void text(int x, int y, const std::string& text, const FontSpec& deviceFont,
              const TextStyle& style) {
        if (text.empty())
            return;
        m_surface.drawText(x, y * m_ySign, text, deviceFont, style);
    }

    void paintCells() {
        for (int row = -1; row <= m_grid.rows(); ++row)
            for (int column = -1; column <= m_grid.columns(); ++column) {
                switch (m_map.at(row, column).kind) {
                    case CellKind::Light:
                        paintLightCell(row, column);
                        break;
                    case CellKind::FilledBlock:
                        paintBlock(row, column);
                        break;
                    case CellKind::Hole:
                        paintOpen(row, column);
                        break;
                }
            }
    }

    void paintMargins() {
        const DeviceRect& clip = m_options.updateRect;
        const int margin = m_metrics.margin;
        const int right = margin + m_metrics.pictureWidth(m_grid.columns());
        const int bottom = margin + m_metrics.pictureHeight(m_grid.rows());
        const DeviceRect margins[] = {{0, 0, kFarEdge, margin},
                                      {0, 0, margin, kFarEdge},
                                      {right, 0, kFarEdge, kFarEdge},
                                      {0, bottom, kFarEdge, kFarEdge}};
        for (const DeviceRect& m : margins)
            fill(std::max(m.left, clip.left), std::max(m.top, clip.top),
                 std::min(m.right, clip.right), std::min(m.bottom, clip.bottom),
                 m_options.windowColour);
    }

    void paintArrows() {
        const int size = m_metrics.arrowSize;
        if (size == 0 || m_settings.arrowMode == ArrowMode::Never)
            return;
        for (const Light* light : m_grid.lights()) {
            const UnchStatus status = unchStatus(m_grid, *light);
            Colour colour = rgb(0, 0, 0);
            if (status.level == UnchLevel::Underunched) {
                colour = m_settings.underunchedColour;
            } else if (status.level == UnchLevel::Overunched || status.consecutiveExceeded) {
                colour = m_settings.overunchedColour;
            } else if (m_settings.arrowMode != ArrowMode::Always) {
                continue;
            }
            // A triangle whose base lies on the box edge where the text begins and whose
            // apex points one arrow size along the reading direction.
            const DeviceRect box = lightSpanBox(m_metrics, m_origin, *light);
            const int half = 2 * size / 3;
            const bool reversed = light->isReversed();
            std::vector<DevicePoint> triangle;
            if (light->direction() == Direction::Across) {
                const int centre = (box.top + box.bottom) / 2;
                const int base = reversed ? box.right : box.left;
                const int apex = reversed ? base - size : base + size;
                triangle = {{base, centre - half}, {base, centre + half}, {apex, centre}};
            } else {
                const int centre = (box.left + box.right) / 2;
                const int base = reversed ? box.bottom : box.top;
                const int apex = reversed ? base - size : base + size;
                triangle = {{centre - half, base}, {centre + half, base}, {centre, apex}};
            }
            m_surface.fillPolygon(triangle, colour);
        }
    }

    void paintSelection() {
        if (m_options.selectedLight) {
            const Light& light = *m_options.selectedLight;
            m_surface.invertOutline(lightSpanBox(m_metrics, m_origin, light));
            if (m_options.caret >= 0) {
                const DeviceRect mark = caretSpanBox(m_metrics, m_origin, light, m_options.caret);
                if (!mark.isEmpty())
                    m_surface.invertRect(mark);
            }
        } else if (m_options.selectedCell) {
            const Cell& cell = *m_options.selectedCell;
            m_surface.invertOutline(spanBox(m_metrics, m_origin, cell.row(), cell.column(), 1, 1));
        }
        for (const LightSpec& spec : m_options.rubberBand)
            m_surface.invertOutline(specSpanBox(m_metrics, m_origin, spec));
    }

    // The cell's letter font in device units and its background colour.
    FontSpec textFont(const Cell& cell) const {
        const FontSpec* own = ownOrLights<FontSpec>(
            cell, [](const auto& owner) -> const auto& { return owner.textFont(); });
        return own ? *own : m_settings.textFont().value();
    }
    Colour cellBackground(const Cell& cell) const {
        const Colour* own = ownOrLights<Colour>(
            cell, [](const auto& owner) -> const auto& { return owner.backgroundColour(); });
        return own ? *own : m_background;
    }

    void drawLetter(const Cell& cell, int x, int y, const LetterRecord& letter, TextBox box) {
        const FontSpec font = textFont(cell);
        TextStyle style;
        style.horizontal = HorizontalAlign::Centre;
        style.vertical = VerticalAlign::Baseline;
        style.box = box;
        style.boxColour = cellBackground(cell);
        switch (letter.kind) {
            case 0:
                style.colour = font.colour;
                break;
            case 2:
                style.colour = m_settings.sideBranchFillingColour;
                break;
            default:
                style.colour = m_settings.mainBranchFillingColour;
                break;
        }
        if (letter.kind == 0 && cell.textClash() && m_interactive) {
            style.colour = m_background;
            style.box = TextBox::Extent;
            style.boxColour = font.colour;
        }
        const std::string& shown = letter.text.empty() ? std::string(" ") : letter.text;
        text(x + m_metrics.textOffsetX, y + m_metrics.textOffsetY, shown,
             m_metrics.deviceFont(font), style);
    }

private:
    void paintLightCell(int row, int column) {
        const RenderMetrics& m = m_metrics;
        const Cell& cell = m_grid.cellAt(row, column);
        const LightCellEdges edges = lightCellEdges(m_map, row, column);
        const int x = cellX(column);
        const int y = cellY(row);
        const int right = x + m.cellWidth;
        const int bottom = y + m.cellHeight;
        const int barLeft = right + m.barOffsetX;      // where this cell's right bar starts
        const int barTop = bottom + m.barOffsetY;      // where its bottom bar starts
        const int reachX = m.barOffsetX + m.barWidth;  // a neighbour's bar inside this cell
        const int reachY = m.barOffsetY + m.barHeight;

        if (edges.bottomBar)
            fill(x, barTop, right, barTop + m.barHeight, m_foreground);
        else
            fill(x, bottom - m.ruleHeight, right, bottom, m_foreground);
        if (edges.rightBar)
            fill(barLeft, y, barLeft + m.barWidth, bottom, m_foreground);
        else
            fill(right - m.ruleWidth, y, right, bottom, m_foreground);
        if (edges.topLeftCorner)
            fill(x, y, x + reachX, y + reachY, m_foreground);
        if (edges.topRightCorner)
            fill(barLeft, y, right, y + reachY, m_foreground);
        if (edges.bottomRightCorner)
            fill(barLeft, barTop, right, bottom, m_foreground);
        if (edges.bottomLeftCorner)
            fill(x, barTop, x + reachX, bottom, m_foreground);

        // The background in three bands, each pulled in past what was drawn in it.
        const Colour background = cellBackground(cell);
        auto bandLeft = [&](bool pulled) { return pulled ? x + reachX : x; };
        auto bandRight = [&](bool corner) {
            if (edges.rightBar)
                return barLeft;
            return corner ? std::min(barLeft, right - m.ruleWidth) : right - m.ruleWidth;
        };
        const int ruleTop = bottom - m.ruleHeight;
        int middleTop = y;
        if (edges.topBar) {
            middleTop = y + reachY;
        } else if (edges.topLeftCorner || edges.topRightCorner) {
            middleTop = y + reachY;
            fill(bandLeft(edges.leftBar || edges.topLeftCorner), y, bandRight(edges.topRightCorner),
                 middleTop, background);
        }
        int middleBottom = edges.bottomBar ? barTop : ruleTop;
        if (!edges.bottomBar && (edges.bottomLeftCorner || edges.bottomRightCorner)) {
            middleBottom = std::min(barTop, ruleTop);
            fill(bandLeft(edges.leftBar || edges.bottomLeftCorner), middleBottom,
                 bandRight(edges.bottomRightCorner), ruleTop, background);
        }
        fill(bandLeft(edges.leftBar), middleTop, bandRight(false), middleBottom, background);

        paintNumbers(cell, x, y);
        const LetterRecord letter = letterFor(cell);
        if (letter.kind != 3)
            drawLetter(cell, x, y, letter, TextBox::None);
    }

    LetterRecord letterFor(const Cell& cell) const {
        if (!m_interactive && !m_options.showText)
            return {};
        return letterRecord(cell, m_options, m_interactive);
    }

    void paintNumbers(const Cell& cell, int x, int y) {
        if (!m_interactive && !m_options.showNumbers)
            return;
        const RenderMetrics& m = m_metrics;
        TextStyle style;
        style.colour = m_numberFont.colour;
        if (const auto& shown = cell.shownNumber(); shown) {
            TextStyle main = style;
            if (cell.numberClash() && m_interactive) {
                main.colour = m_background;
                main.box = TextBox::Extent;
                main.boxColour = m_numberFont.colour;
            }
            text(x + m.numberOffsetX, y + m.numberOffsetY, *shown, m_deviceNumberFont, main);
        }
        const int farX = x + m.cellWidth - m.numberOffsetX - m.ruleWidth;
        const int farY = y + m.cellHeight - m.numberOffsetY - m.ruleHeight;
        struct Corner {
            CellCorner corner;
            int x, y;
            HorizontalAlign horizontal;
            VerticalAlign vertical;
        };
        const Corner corners[] = {
            {CellCorner::NorthEast, farX, y + m.numberOffsetY, HorizontalAlign::Right,
             VerticalAlign::Top},
            {CellCorner::SouthEast, farX, farY, HorizontalAlign::Right, VerticalAlign::Bottom},
            {CellCorner::SouthWest, x + m.numberOffsetX, farY, HorizontalAlign::Left,
             VerticalAlign::Bottom},
        };
        for (const Corner& c : corners) {
            const auto& number = cell.number(c.corner);
            if (!number || number->empty())
                continue;
            TextStyle cornerStyle = style;
            cornerStyle.horizontal = c.horizontal;
            cornerStyle.vertical = c.vertical;
            text(c.x, c.y, *number, m_deviceNumberFont, cornerStyle);
        }
    }

    void paintBlock(int row, int column) {
        const RenderMetrics& m = m_metrics;
        const BlockEdges edges = blockEdges(m_map, row, column);
        const int x = cellX(column);
        const int y = cellY(row);
        int right = x + m.cellWidth;
        int bottom = y + m.cellHeight;
        if (m_interactive && m_settings.graticule) {
            if (edges.rightGraticule) {
                fill(right - 1, y, right, bottom, m_background);
                --right;
            }
            if (edges.bottomGraticule) {
                fill(x, bottom - 1, right, bottom, m_background);
                --bottom;
            }
        }
        fill(x, y, right, bottom, m_foreground);
    }

    void paintOpen(int row, int column) {
        const RenderMetrics& m = m_metrics;
        const OpenEdges edges = openEdges(m_map, row, column);
        const int x = cellX(column);
        const int y = cellY(row);
        const int right = x + m.cellWidth;
        const int bottom = y + m.cellHeight;
        // Left and top borders leave room for the rule the solid neighbour draws itself.
        const int leftEnd = x + m.borderWidth - m.ruleWidth;
        const int topEnd = y + m.borderHeight - m.ruleHeight;
        const int rightStart = right - m.borderWidth;
        const int bottomStart = bottom - m.borderHeight;
        const bool graticule = m_interactive && m_settings.graticule;

        if (edges.leftBorder)
            fill(x, y, leftEnd, bottom, m_foreground);
        if (edges.topBorder)
            fill(x, y, right, topEnd, m_foreground);
        if (edges.rightBorder)
            fill(rightStart, y, right, bottom, m_foreground);
        if (edges.bottomBorder)
            fill(x, bottomStart, right, bottom, m_foreground);
        if (graticule && edges.rightGraticule)
            fill(right - 1, y, right, bottom, m_foreground);
        if (graticule && edges.bottomGraticule)
            fill(x, bottom - 1, right, bottom, m_foreground);
        if (edges.topLeftCorner)
            fill(x, y, leftEnd, topEnd, m_foreground);
        if (edges.topRightCorner)
            fill(rightStart, y, right, topEnd, m_foreground);
        if (edges.bottomRightCorner)
            fill(rightStart, bottomStart, right, bottom, m_foreground);
        if (edges.bottomLeftCorner)
            fill(x, bottomStart, leftEnd, bottom, m_foreground);
        if (!m_interactive)
            return;  // holes stay the colour of the paper

        const Colour window = m_options.windowColour;
        auto bandLeft = [&](bool border) { return border ? leftEnd : x; };
        auto bandRight = [&](bool border) {
            if (border)
                return rightStart;
            return graticule && edges.rightGraticule ? right - 1 : right;
        };
        const int lastRow = graticule && edges.bottomGraticule ? bottom - 1 : bottom;
        if (!edges.topBorder)
            fill(bandLeft(edges.leftBorder || edges.topLeftCorner), y,
                 bandRight(edges.rightBorder || edges.topRightCorner), topEnd, window);
        fill(bandLeft(edges.leftBorder), edges.topBorder ? topEnd : std::max(topEnd, y),
             bandRight(edges.rightBorder),
             edges.bottomBorder ? bottomStart : std::min(bottomStart, lastRow), window);
        if (!edges.bottomBorder)
            fill(bandLeft(edges.leftBorder || edges.bottomLeftCorner), bottomStart,
                 bandRight(edges.rightBorder || edges.bottomRightCorner), lastRow, window);
    }

    const Grid& m_grid;
    const ViewSettings& m_settings;
    DrawingSurface& m_surface;
    const RenderOptions& m_options;
    RenderMetrics m_metrics;
    CellMap m_map;
    bool m_interactive = false;
    int m_ySign = 1;
    int m_origin = 0;
    Colour m_foreground = 0;
    Colour m_background = 0;
    FontSpec m_numberFont;
    FontSpec m_deviceNumberFont;
};

GridRenderer::GridRenderer(const Grid& grid, const ViewSettings& settings)
    : m_grid(grid), m_settings(settings) {}

void GridRenderer::paint(DrawingSurface& surface, const RenderOptions& options) {
    Painter painter(m_grid, m_settings, surface, options);
    if (m_snapshotRows != m_grid.rows() || m_snapshotColumns != m_grid.columns())
        resetSnapshot();
    painter.paintCells();
    if (painter.interactive()) {
        for (int row = 0; row < m_grid.rows(); ++row)
            for (int column = 0; column < m_grid.columns(); ++column)
                m_snapshot[static_cast<size_t>(row * m_grid.columns() + column)] =
                    letterRecord(m_grid.cellAt(row, column), options, true);
        if (!options.erased)
            painter.paintMargins();
        painter.paintArrows();
        painter.paintSelection();
    }
}

GridRenderer::LetterRecord GridRenderer::letterRecord(const Cell& cell,
                                                      const RenderOptions& options, bool screen) {
    if (const auto& shown = cell.shownText(); shown) {
        // A text this long cannot be drawn legibly; nothing stands in for it.
        if (shown->size() >= static_cast<size_t>(Cell::kMaxTextLength))
            return {};
        return {0, *shown};
    }
    if (!screen || !options.letterText)
        return {};
    if (cell.fixedLetter() != kNoLetter && cell.fixedLetter() != kNotLetter)
        return {1, options.letterText(cell.fixedLetter())};
    if (cell.filledLetter() != kNoLetter && cell.filledLetter() != kNotLetter)
        return {2, options.letterText(cell.filledLetter())};
    return {};
}

void GridRenderer::resetSnapshot() {
    m_snapshotRows = m_grid.rows();
    m_snapshotColumns = m_grid.columns();
    m_snapshot.assign(static_cast<size_t>(std::max(0, m_snapshotRows * m_snapshotColumns)), {});
}

void GridRenderer::redisplayFillLetters(DrawingSurface& surface, const RenderOptions& options) {
    if (surface.technology() != DeviceTechnology::RasterDisplay)
        return;
    if (m_snapshotRows != m_grid.rows() || m_snapshotColumns != m_grid.columns())
        resetSnapshot();
    RenderOptions screen = options;
    screen.interactive = true;
    Painter painter(m_grid, m_settings, surface, screen);
    for (int row = 0; row < m_grid.rows(); ++row)
        for (int column = 0; column < m_grid.columns(); ++column) {
            const Cell& cell = m_grid.cellAt(row, column);
            if (!cell.inAnyLight())
                continue;
            const LetterRecord record = letterRecord(cell, options, true);
            LetterRecord& stored = m_snapshot[static_cast<size_t>(row * m_grid.columns() + column)];
            if (record == stored)
                continue;
            stored = record;
            LetterRecord drawn = record;
            // Shown letters and working letters alike go in the main filling colour.
            if (drawn.kind == 0 || drawn.kind == 3)
                drawn.kind = 1;
            painter.drawLetter(cell, painter.cellX(column), painter.cellY(row), drawn,
                               TextBox::CharacterCell);
        }
}

DeviceRect GridRenderer::lightBox(const Light& light, const RenderMetrics& metrics) const {
    return lightSpanBox(metrics, metrics.margin, light);
}

DeviceRect GridRenderer::cellBox(const Cell& cell, const RenderMetrics& metrics) const {
    return spanBox(metrics, metrics.margin, cell.row(), cell.column(), 1, 1);
}

DeviceRect GridRenderer::specBox(const LightSpec& spec, const RenderMetrics& metrics) const {
    return specSpanBox(metrics, metrics.margin, spec);
}

DeviceRect GridRenderer::caretBox(const Light& light, int caret,
                                  const RenderMetrics& metrics) const {
    return caretSpanBox(metrics, metrics.margin, light, caret);
}

}  // namespace tessaran
