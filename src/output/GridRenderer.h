#pragma once
// Draws a grid onto any drawing surface: the screen, a bitmap, a metafile, a page.
// Everything is a filled rectangle or a single text, cell by cell, so that rules are
// exact hair-lines at any resolution. On screen it also draws what only an editor
// needs: margins, graticule lines, provisional letters, clash highlighting, light
// direction arrows and the selection.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "grid/Colour.h"
#include "grid/LightPosition.h"
#include "output/DrawingSurface.h"
#include "output/RenderMetrics.h"

namespace tessaran {

class Cell;
class CellMap;
class Grid;
class Light;
class ViewSettings;

// The caller's switches for one drawing.
struct RenderOptions {
    // The editor's own view: honoured only on a raster display.
    bool interactive = false;
    // Letters and numbers outside the editor (exports and printing).
    bool showText = false;
    bool showNumbers = false;
    // The window background was already cleared, so the margins need no painting.
    bool erased = false;
    // Limits the screen margins only.
    DeviceRect updateRect{0, 0, 32767, 32767};
    // The system window colour, around the grid and in holes on screen.
    Colour windowColour = rgb(255, 255, 255);
    // Outlined on screen: a selected light, or else a selected cell.
    const Light* selectedLight = nullptr;
    const Cell* selectedCell = nullptr;
    // The insertion mark in the selected light: a text position of it, or -1 for none.
    int caret = -1;
    // Outlined last, each rectangle once: a light being added or moved and its partners.
    std::vector<LightSpec> rubberBand;
    // The display character of a letter index of the dictionary, for provisional letters
    // of automatic filling; without it they are not drawn.
    std::function<std::string(std::uint8_t letter)> letterText;
};

class GridRenderer {
public:
    GridRenderer(const Grid& grid, const ViewSettings& settings);

    // Draws the whole grid. With interactive on a raster display the grid sits one margin
    // in from the top-left corner; otherwise its picture starts at the origin.
    void paint(DrawingSurface& surface, const RenderOptions& options);

    // The fast path while a fill runs: redraws, with an opaque box, the letter of every
    // cell whose shown text, fixed letter or filled letter changed since the last call
    // (or since the last paint). Screen only.
    void redisplayFillLetters(DrawingSurface& surface, const RenderOptions& options);

    // The box that a light's arrow and selection outline use, in screen units.
    DeviceRect lightBox(const Light& light, const RenderMetrics& metrics) const;
    DeviceRect cellBox(const Cell& cell, const RenderMetrics& metrics) const;
    DeviceRect specBox(const LightSpec& spec, const RenderMetrics& metrics) const;
    // The insertion mark: a bar across the light at the leading edge of the text position
    // caret (within a cell of several characters, that character's share of the cell);
    // past the last position, at the trailing edge of the last cell. It lies one pixel
    // inside the cell's box, clear of the selection outline.
    DeviceRect caretBox(const Light& light, int caret, const RenderMetrics& metrics) const;

private:
    struct LetterRecord {
        int kind = 3;  // 0 shown text, 1 fixed letter, 2 filled letter, 3 none
        std::string text;
        bool operator==(const LetterRecord&) const = default;
    };
    class Painter;

    // What a cell shows as its letters: its shown text, or on screen a provisional letter
    // of a running fill.
    static LetterRecord letterRecord(const Cell& cell, const RenderOptions& options, bool screen);
    void resetSnapshot();

    const Grid& m_grid;
    const ViewSettings& m_settings;
    int m_snapshotRows = -1;
    int m_snapshotColumns = -1;
    std::vector<LetterRecord> m_snapshot;
};

}  // namespace tessaran
