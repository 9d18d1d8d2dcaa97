#pragma once
// Editing the grid with the mouse, without the window: what a press at a pixel grabs
// (an end of a light, a whole light, a cell to start a new light), the drag that
// follows, the rubber band it shows with its symmetrical partners, the status text and
// cursor that go with it, and the edit the release makes.
//
// A drag has one of six modes: idle, pressed outside the grid, adding a light, moving
// the first or the last end of a light, moving a whole light. A press chooses the mode,
// moves update the rubber band, the release (or cancel) returns to idle.

#include <optional>
#include <string>
#include <vector>

#include "grid/LightPosition.h"

namespace tessaran {

class Cell;
class Grid;
class Light;
struct RenderMetrics;

enum class DragMode {
    Idle = 0,
    Outside = 1,         // pressed outside the grid: the release clears the selection
    Adding = 2,          // a new light from the pressed cell
    MovingFirstEnd = 3,  // the end where the light's text begins
    MovingLastEnd = 4,   // the end where it ends
    MovingBody = 5,      // the whole light, keeping its length
};

// A cell's place: column and row, 0-based.
struct GridPlace {
    int column = 0;
    int row = 0;
    bool operator==(const GridPlace&) const = default;
};

// The pixel geometry of hit testing at the zoom in force: where the first cell begins
// (the drawn border plus the screen margin), the cell size, and how close to a light's
// edge a press grabs it (twice the selection inset).
struct HitGeometry {
    int originX = 0;
    int originY = 0;
    int cellWidth = 1;
    int cellHeight = 1;
    int grabZone = 0;

    static HitGeometry fromMetrics(const RenderMetrics& metrics);
};

// What a press at a point grabs.
struct DragStart {
    DragMode mode = DragMode::Idle;
    Light* light = nullptr;  // modes 3 to 5
    GridPlace anchor;        // the fixed end (modes 2 to 4), the light's first cell (mode 5)
    GridPlace moving;        // the moving end (modes 2 to 4), the light's last cell (mode 5)
    int stepColumn = 0;      // (0,0) until the band has a direction (modes 2 to 4)
    int stepRow = 0;
    GridPlace grabOffset;  // mode 5: the pressed cell's distance from the first cell
};

// The mode a press at (x, y) starts: an end of a light when the press lies within the
// grab zone of its outer edge, the whole light when it lies near an edge across the
// light's direction, otherwise a new light from the pressed cell; Outside anywhere off
// the grid.
DragStart hitTest(const Grid& grid, const HitGeometry& geometry, int x, int y);

// The cursor shapes of editing, numbered as their images are.
enum class DragCursor {
    Arrow = 0,
    EndLeft = 700,      // an across end dragged towards the left
    EndRight = 740,     // ... towards the right
    EndUp = 760,        // a down end dragged up
    EndDown = 720,      // ... down
    MoveDown = 1500,    // a down light moved whole
    MoveAcross = 1520,  // an across light moved whole
};

// The cursor over a point while no button is held: what a press there would grab.
DragCursor hoverCursor(const DragStart& start);

// How a light is named to the user, for a spec that need not be a light yet: the number
// its first cell shows, "a" or "d" and the length ("12a (7)"), or without a number the
// first and last cells' rows and columns, 1-based ("(1,3)-(1,9)a (7)").
std::string specDescription(const Grid& grid, const LightSpec& spec);

// What the window selects once a drag ends.
struct DragOutcome {
    enum class Kind { Nothing, ClearSelection, SelectLight, SelectCell };
    Kind kind = Kind::Nothing;
    Light* light = nullptr;
    int caret = 0;
    Cell* cell = nullptr;
};

class GridDrag {
public:
    explicit GridDrag(Grid& grid) : m_grid(grid) {}

    DragMode mode() const { return m_state.mode; }
    bool isDragging() const { return m_state.mode != DragMode::Idle; }
    const DragStart& state() const { return m_state; }

    // Starts a drag at a press; the mode is the hit test's.
    void press(const HitGeometry& geometry, int x, int y);
    // Follows the mouse: the moving end keeps to the anchor's row when the mouse is fewer
    // rows than columns away, else to its column (clamped to the grid); a light moved
    // whole keeps its length and stays inside the grid. Answers whether the rubber band
    // changed.
    bool move(const HitGeometry& geometry, int x, int y);
    // Ends the drag with its edit (each after an undo checkpoint): adds the light, moves
    // an end or the whole light; a click without a direction selects the pressed cell.
    DragOutcome release();
    // Esc: drops the drag; the release that follows changes nothing. Answers whether a
    // drag was dropped.
    bool cancel();
    // The grid is about to destroy light: the drag lets go of it.
    void lightDeleting(const Light& light);

    // The spec the rubber band stands for, once it has a direction: the new light (mode
    // 2), the light with its end moved (3, 4) or the light in its new place (5);
    // normalised in the grid's "Normalized" direction mode.
    std::optional<LightSpec> band() const;
    // The rectangles to outline: the band and its symmetrical partners, normalised and
    // each drawn once (an outline inverted twice would vanish).
    std::vector<LightSpec> bandOutlines() const;
    // "Adding light: ", "Moving light end: " or "Moving light body: " and the band's
    // description; empty while the band has no direction.
    std::string statusText() const;
    DragCursor cursor() const;

private:
    LightSpec rawBand() const;
    static GridPlace placeAt(const HitGeometry& geometry, int x, int y);

    Grid& m_grid;
    DragStart m_state;
    GridPlace m_pressed;
};

}  // namespace tessaran
