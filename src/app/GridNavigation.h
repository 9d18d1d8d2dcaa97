#pragma once
// Moving the selection with the keyboard, without the window: the caret along a light,
// the arrows, Tab and Shift+Tab from light to light or cell to cell, and Home, End,
// Page Up and Page Down jumping to the first or last light (or a corner cell).

#include "grid/Direction.h"

namespace tessaran {

class Cell;
class Grid;
class Light;

enum class NavigationKey { Left, Right, Up, Down, Tab, BackTab, Home, End, PageUp, PageDown };

// What is selected: a light with its caret, a cell, or nothing.
struct EditorSelection {
    Light* light = nullptr;
    int caret = 0;
    Cell* cell = nullptr;

    bool operator==(const EditorSelection&) const = default;
};

// The number of text positions of a light: one per cell, or as many as a cell's own text
// has characters. The caret runs from 0 to this.
int lightTextPositions(const Light& light);

// The selection after a navigation key. With a light selected, an arrow along the light
// (without Ctrl) first moves the caret one position in reading order while it stays on a
// position of the light; otherwise:
// - a light selected: an arrow along it selects the next light of its direction that
//   begins in the same row (column) that way, wrapping round; an arrow across it selects
//   the light of its direction nearest its middle cell in the next row (column) that has
//   one; Tab and Shift+Tab take the next (previous) light start in reading order,
//   switching between across and down when they wrap past the end (start) of the grid;
// - a cell selected: the arrows and Tab move to the next cell, wrapping round (Tab on to
//   the next row), and the jump keys select a corner cell;
// - nothing selected: Right, Down and Tab act as Home; Left, Up and Shift+Tab as Page
//   Down.
// Home and Page Up scan from the top-left, End and Page Down from the bottom-right, for
// the first cell that begins a light: Page Up and Page Down keep the selected light's
// direction; otherwise across is chosen from the top-left when there are across lights
// (or no down lights), and down otherwise. Without any lights they select a corner.
// A light selected by navigation has its caret at 0.
EditorSelection navigate(Grid& grid, const EditorSelection& current, NavigationKey key,
                         bool control = false);

}  // namespace tessaran
