#pragma once
// The measures one drawing uses, in device units: the display dimensions scaled for the
// device, the bar offsets and drawn widths derived from them, and the screen extras'
// sizes. Vertical measures are kept positive here; a printer's upward y axis is applied
// when the renderer hands coordinates to the surface.

#include "grid/Font.h"
#include "output/DrawingSurface.h"
#include "output/ScreenScale.h"

namespace tessaran {

class ViewSettings;

struct RenderMetrics {
    int cellWidth = 0;
    int cellHeight = 0;
    int ruleWidth = 0;
    int ruleHeight = 0;
    // Drawn widths: max(bar, rule) and max(border, rule).
    int barWidth = 0;
    int barHeight = 0;
    int borderWidth = 0;   // B
    int borderHeight = 0;  // H
    // Where a bar starts relative to the cell's right (bottom) edge: negative, so that a
    // centred bar straddles the rule's centre line and a lopsided one ends at the edge.
    int barOffsetX = 0;
    int barOffsetY = 0;
    int numberOffsetX = 0;
    int numberOffsetY = 0;
    int textOffsetX = 0;
    int textOffsetY = 0;
    // Screen extras: the average cell size's fractions and the margin around the grid.
    int inset = 0;
    int arrowSize = 0;
    int margin = 0;
    ScreenScale scale;

    // The grid picture: 2 x B + columns x cell width - rule width (likewise down).
    int pictureWidth(int columns) const {
        return 2 * borderWidth + columns * cellWidth - ruleWidth;
    }
    int pictureHeight(int rows) const { return 2 * borderHeight + rows * cellHeight - ruleHeight; }
    // A font stored in twips, in device units: on a raster display the height and width
    // are divided by the divisors with half a divisor added away from zero.
    FontSpec deviceFont(const FontSpec& font) const;
};

// Lengths are divided by the scale's divisors on a raster display and used as they are
// on a metafile or printer.
RenderMetrics computeRenderMetrics(const ViewSettings& settings, DeviceTechnology technology,
                                   ScreenScale scale);

// The scale a raster device draws at for the settings' zoom; 1 on any other device.
ScreenScale deviceScale(const DrawingSurface& surface, int zoomPercent);

}  // namespace tessaran
