#include "app/GridNavigation.h"

#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

int wrap(int value, int size) {
    const int r = value % size;
    return r < 0 ? r + size : r;
}

// The light of direction d that begins at the cell, if any.
Light* lightStartingAt(const Grid& grid, const Cell& cell, Direction d) {
    Light* light = grid.lightOf(cell, d);
    return light && &light->firstCell() == &cell ? light : nullptr;
}

EditorSelection lightSelection(Light* light) {
    EditorSelection s;
    s.light = light;
    return s;
}

EditorSelection cellSelection(Grid& grid, int row, int column) {
    EditorSelection s;
    s.cell = &grid.cellAt(row, column);
    return s;
}

bool isJump(NavigationKey key) {
    return key == NavigationKey::Home || key == NavigationKey::End ||
           key == NavigationKey::PageUp || key == NavigationKey::PageDown;
}

EditorSelection jump(Grid& grid, const Light* selected, NavigationKey key) {
    const int rows = grid.rows();
    const int columns = grid.columns();
    bool anyAcross = false;
    bool anyDown = false;
    for (const Light* light : grid.lights())
        (light->direction() == Direction::Across ? anyAcross : anyDown) = true;
    if (!anyAcross && !anyDown) {
        switch (key) {
            case NavigationKey::Home:
                return cellSelection(grid, 0, 0);
            case NavigationKey::End:
                return cellSelection(grid, rows - 1, 0);
            case NavigationKey::PageUp:
                return cellSelection(grid, 0, columns - 1);
            default:
                return cellSelection(grid, rows - 1, columns - 1);
        }
    }
    const bool fromTop = key == NavigationKey::Home || key == NavigationKey::PageUp;
    const bool keepDirection =
        selected && (key == NavigationKey::PageUp || key == NavigationKey::PageDown);
    Direction d;
    if (keepDirection)
        d = selected->direction();
    else
        d = (fromTop && anyAcross) || !anyDown ? Direction::Across : Direction::Down;
    const int count = rows * columns;
    for (int i = 0; i < count; ++i) {
        const int p = fromTop ? i : count - 1 - i;
        if (Light* light = lightStartingAt(grid, grid.cellAt(p / columns, p % columns), d))
            return lightSelection(light);
    }
    return {};
}

EditorSelection fromCell(Grid& grid, const Cell& cell, NavigationKey key) {
    const int rows = grid.rows();
    const int columns = grid.columns();
    int row = cell.row();
    int column = cell.column();
    switch (key) {
        case NavigationKey::Left:
            column = wrap(column - 1, columns);
            break;
        case NavigationKey::Right:
            column = wrap(column + 1, columns);
            break;
        case NavigationKey::Up:
            row = wrap(row - 1, rows);
            break;
        case NavigationKey::Down:
            row = wrap(row + 1, rows);
            break;
        case NavigationKey::Tab:
        case NavigationKey::BackTab: {
            const int p =
                wrap(row * columns + column + (key == NavigationKey::Tab ? 1 : -1), rows * columns);
            row = p / columns;
            column = p % columns;
            break;
        }
        default:
            break;
    }
    return cellSelection(grid, row, column);
}

EditorSelection fromLight(Grid& grid, Light& light, NavigationKey key) {
    const int rows = grid.rows();
    const int columns = grid.columns();
    const Cell& first = light.firstCell();
    const Direction d = light.direction();
    const bool across = d == Direction::Across;

    if (key == NavigationKey::Tab || key == NavigationKey::BackTab) {
        const int count = rows * columns;
        const int delta = key == NavigationKey::Tab ? 1 : -1;
        int p = first.row() * columns + first.column();
        Direction searching = d;
        // Twice round the grid reaches every start of both directions.
        for (int i = 0; i < 2 * count; ++i) {
            p += delta;
            if (p == count || p < 0) {
                p = wrap(p, count);
                searching = otherDirection(searching);
            }
            if (Light* next =
                    lightStartingAt(grid, grid.cellAt(p / columns, p % columns), searching))
                return lightSelection(next);
        }
        return lightSelection(&light);
    }

    const bool horizontalKey = key == NavigationKey::Left || key == NavigationKey::Right;
    const int sign = key == NavigationKey::Left || key == NavigationKey::Up ? -1 : 1;
    if (horizontalKey == across) {
        // Along the light: the next start in the same row (column) that way, wrapping.
        const int size = across ? columns : rows;
        const int from = across ? first.column() : first.row();
        for (int i = 1; i <= size; ++i) {
            const int at = wrap(from + sign * i, size);
            const Cell& cell =
                across ? grid.cellAt(first.row(), at) : grid.cellAt(at, first.column());
            if (Light* next = lightStartingAt(grid, cell, d))
                return lightSelection(next);
        }
        return lightSelection(&light);
    }

    // Across the light: row by row (column by column) that way, the cell of a light of
    // this direction nearest the middle cell's position.
    const Cell& middle = light.cell(light.length() / 2);
    const int lines = across ? rows : columns;
    const int lineLength = across ? columns : rows;
    const int line = across ? first.row() : first.column();
    const int position = across ? middle.column() : middle.row();
    for (int i = 1; i <= lines; ++i) {
        const int at = wrap(line + sign * i, lines);
        for (int distance = 0; distance < lineLength; ++distance) {
            for (const int offset : {-distance, distance}) {
                const int p = position + offset;
                if (p < 0 || p >= lineLength || (distance == 0 && offset > 0))
                    continue;
                const Cell& cell = across ? grid.cellAt(at, p) : grid.cellAt(p, at);
                if (Light* found = grid.lightOf(cell, d))
                    return lightSelection(found);
            }
        }
    }
    return lightSelection(&light);
}

}  // namespace

int lightTextPositions(const Light& light) {
    int positions = 0;
    for (const Cell* cell : light.cells())
        positions += cell->textLength();
    return positions;
}

EditorSelection navigate(Grid& grid, const EditorSelection& current, NavigationKey key,
                         bool control) {
    if (grid.rows() <= 0 || grid.columns() <= 0)
        return current;
    if (Light* light = current.light) {
        const bool across = light->direction() == Direction::Across;
        const bool horizontalKey = key == NavigationKey::Left || key == NavigationKey::Right;
        const bool verticalKey = key == NavigationKey::Up || key == NavigationKey::Down;
        if (!control && ((across && horizontalKey) || (!across && verticalKey))) {
            // Forward in reading order: Right (Down) for a light read forwards, Left (Up)
            // for one read backwards.
            const bool towardsEnd = key == NavigationKey::Right || key == NavigationKey::Down;
            const int step = towardsEnd != light->isReversed() ? 1 : -1;
            const int caret = current.caret + step;
            if (caret >= 0 && caret < lightTextPositions(*light)) {
                EditorSelection moved = current;
                moved.caret = caret;
                return moved;
            }
        }
        if (isJump(key))
            return jump(grid, light, key);
        return fromLight(grid, *light, key);
    }
    if (Cell* cell = current.cell) {
        if (isJump(key)) {
            const int last = grid.rows() - 1;
            const int right = grid.columns() - 1;
            switch (key) {
                case NavigationKey::Home:
                    return cellSelection(grid, 0, 0);
                case NavigationKey::End:
                    return cellSelection(grid, last, 0);
                case NavigationKey::PageUp:
                    return cellSelection(grid, 0, right);
                default:
                    return cellSelection(grid, last, right);
            }
        }
        return fromCell(grid, *cell, key);
    }
    switch (key) {
        case NavigationKey::Right:
        case NavigationKey::Down:
        case NavigationKey::Tab:
            return jump(grid, nullptr, NavigationKey::Home);
        case NavigationKey::Left:
        case NavigationKey::Up:
        case NavigationKey::BackTab:
            return jump(grid, nullptr, NavigationKey::PageDown);
        default:
            return jump(grid, nullptr, key);
    }
}

}  // namespace tessaran
