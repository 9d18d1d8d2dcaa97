#pragma once
// What the renderer draws along each edge of each grid position: pure functions of a
// map of the grid's cells, so that they can be checked with tables of small grids.
//
// Positions run from -1 to rows (and -1 to columns): the grid plus a ring one position
// wide outside it, which carries the outer border.

#include <vector>

namespace tessaran {

class Grid;

enum class CellKind {
    Light = 0,        // a cell in at least one light
    FilledBlock = 1,  // a cell in no light whose block type is Foreground
    Hole = 2,         // a cell in no light whose block type is Hole, or outside the grid
};

// One position as the edge rules see it: its kind and which lights pass through it
// (identified by any number unique per light; -1 for none).
struct PositionInfo {
    CellKind kind = CellKind::Hole;
    int across = -1;
    int down = -1;
    bool inGrid = false;

    // Solid positions are drawn: light cells and filled blocks.
    bool isSolid() const { return kind != CellKind::Hole; }
    bool isLightCell() const { return kind == CellKind::Light; }
};

class CellMap {
public:
    // rows x columns positions, all holes until set.
    CellMap(int rows, int columns);
    // The positions of a grid: lights identified by the order of the grid's lights.
    static CellMap fromGrid(const Grid& grid);
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }

    void set(int row, int column, CellKind kind, int across, int down);
    // The position; anything outside the grid is an open hole.
    PositionInfo at(int row, int column) const;

private:
    int m_rows;
    int m_columns;
    std::vector<PositionInfo> m_positions;
};

// Edges of a light cell. A bar separates cells of different lights; a bar corner fills
// the square where the bars of neighbouring cells meet outside this cell's own bars.
struct LightCellEdges {
    bool leftBar = false;
    bool topBar = false;
    bool rightBar = false;
    bool bottomBar = false;
    bool topLeftCorner = false;
    bool topRightCorner = false;
    bool bottomRightCorner = false;
    bool bottomLeftCorner = false;
    bool operator==(const LightCellEdges&) const = default;
};

// Edges of a filled block: a graticule line where it meets another filled block.
struct BlockEdges {
    bool rightGraticule = false;
    bool bottomGraticule = false;
    bool operator==(const BlockEdges&) const = default;
};

// Edges of a hole or outside position: borders where it meets solid positions,
// graticule lines where it meets other holes of the grid or ends the grid, and border
// corners where a solid position touches it only diagonally.
struct OpenEdges {
    bool leftBorder = false;
    bool topBorder = false;
    bool rightBorder = false;
    bool bottomBorder = false;
    bool rightGraticule = false;
    bool bottomGraticule = false;
    bool topLeftCorner = false;
    bool topRightCorner = false;
    bool bottomRightCorner = false;
    bool bottomLeftCorner = false;
    bool operator==(const OpenEdges&) const = default;
};

// REQUIRES: the position is a light cell.
LightCellEdges lightCellEdges(const CellMap& map, int row, int column);
// REQUIRES: the position is a filled block.
BlockEdges blockEdges(const CellMap& map, int row, int column);
// REQUIRES: the position is a hole or lies outside the grid (within the ring).
OpenEdges openEdges(const CellMap& map, int row, int column);

}  // namespace tessaran
