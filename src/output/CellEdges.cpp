#include "output/CellEdges.h"

#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran {

CellMap::CellMap(int rows, int columns)
    : m_rows(rows),
      m_columns(columns),
      m_positions(static_cast<size_t>(rows > 0 && columns > 0 ? rows * columns : 0)) {
    for (PositionInfo& position : m_positions)
        position.inGrid = true;
}

CellMap CellMap::fromGrid(const Grid& grid) {
    CellMap map(grid.rows(), grid.columns());
    const int gridBlockType = grid.settingValue(GridSetting::BlockType);
    for (int row = 0; row < grid.rows(); ++row)
        for (int column = 0; column < grid.columns(); ++column) {
            const Cell& cell = grid.cellAt(row, column);
            const int blockType = cell.blockType() < 0 ? gridBlockType : cell.blockType();
            map.set(row, column, blockType == 1 ? CellKind::Hole : CellKind::FilledBlock, -1, -1);
        }
    for (int slot = 0; slot < grid.lightSlotCount(); ++slot) {
        const Light* light = grid.lightInSlot(slot);
        if (!light)
            continue;
        const bool across = light->direction() == Direction::Across;
        for (const Cell* cell : light->cells()) {
            PositionInfo& position =
                map.m_positions[static_cast<size_t>(cell->row() * map.m_columns + cell->column())];
            position.kind = CellKind::Light;
            (across ? position.across : position.down) = slot;
        }
    }
    return map;
}

void CellMap::set(int row, int column, CellKind kind, int across, int down) {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return;
    m_positions[static_cast<size_t>(row * m_columns + column)] = {kind, across, down, true};
}

PositionInfo CellMap::at(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return {};
    return m_positions[static_cast<size_t>(row * m_columns + column)];
}

namespace {

// A bar between this light cell and a neighbour: the neighbour is in some light and
// does not share this cell's light of the orientation that crosses the edge.
bool barTowards(const PositionInfo& neighbour, int ownLight) {
    if (!neighbour.isLightCell())
        return false;
    return ownLight < 0 || (neighbour.across != ownLight && neighbour.down != ownLight);
}

LightCellEdges barEdges(const CellMap& map, int row, int column) {
    LightCellEdges edges;
    const PositionInfo self = map.at(row, column);
    if (!self.isLightCell())
        return edges;
    edges.leftBar = barTowards(map.at(row, column - 1), self.across);
    edges.rightBar = barTowards(map.at(row, column + 1), self.across);
    edges.topBar = barTowards(map.at(row - 1, column), self.down);
    edges.bottomBar = barTowards(map.at(row + 1, column), self.down);
    return edges;
}

}  // namespace

LightCellEdges lightCellEdges(const CellMap& map, int row, int column) {
    LightCellEdges edges = barEdges(map, row, column);
    const LightCellEdges left = barEdges(map, row, column - 1);
    const LightCellEdges right = barEdges(map, row, column + 1);
    const LightCellEdges up = barEdges(map, row - 1, column);
    const LightCellEdges down = barEdges(map, row + 1, column);
    edges.topLeftCorner = !edges.topBar && !edges.leftBar && left.topBar && up.leftBar;
    edges.topRightCorner = !edges.topBar && !edges.rightBar && up.rightBar && right.topBar;
    edges.bottomRightCorner =
        !edges.bottomBar && !edges.rightBar && down.rightBar && right.bottomBar;
    edges.bottomLeftCorner = !edges.bottomBar && !edges.leftBar && down.leftBar && left.bottomBar;
    return edges;
}

BlockEdges blockEdges(const CellMap& map, int row, int column) {
    BlockEdges edges;
    edges.rightGraticule = map.at(row, column + 1).kind == CellKind::FilledBlock;
    edges.bottomGraticule = map.at(row + 1, column).kind == CellKind::FilledBlock;
    return edges;
}

OpenEdges openEdges(const CellMap& map, int row, int column) {
    OpenEdges edges;
    const bool rowInGrid = row >= 0 && row < map.rows();
    const bool columnInGrid = column >= 0 && column < map.columns();
    if (rowInGrid) {
        edges.leftBorder = column - 1 >= 0 && map.at(row, column - 1).isSolid();
        const PositionInfo right = map.at(row, column + 1);
        edges.rightBorder = right.isSolid();
        edges.rightGraticule = !right.isSolid() && (right.inGrid || column == map.columns() - 1);
    }
    if (columnInGrid) {
        edges.topBorder = row - 1 >= 0 && map.at(row - 1, column).isSolid();
        const PositionInfo below = map.at(row + 1, column);
        edges.bottomBorder = below.isSolid();
        edges.bottomGraticule = !below.isSolid() && (below.inGrid || row == map.rows() - 1);
    }
    edges.topLeftCorner =
        map.at(row - 1, column - 1).isSolid() && !edges.topBorder && !edges.leftBorder;
    edges.topRightCorner =
        map.at(row - 1, column + 1).isSolid() && !edges.topBorder && !edges.rightBorder;
    edges.bottomRightCorner =
        map.at(row + 1, column + 1).isSolid() && !edges.bottomBorder && !edges.rightBorder;
    edges.bottomLeftCorner =
        map.at(row + 1, column - 1).isSolid() && !edges.bottomBorder && !edges.leftBorder;
    return edges;
}

}  // namespace tessaran
