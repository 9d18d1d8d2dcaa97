#pragma once
// The device the grid renderer draws on. The renderer works out every rectangle and
// text position itself; a surface only fills rectangles and polygons and places text,
// in its own device units (pixels on a raster display, twips on a metafile or printer).

#include <cstdint>
#include <string_view>
#include <vector>

#include "grid/Colour.h"
#include "grid/Font.h"

namespace tessaran {

// What kind of device a surface stands for; it decides how lengths are scaled.
enum class DeviceTechnology {
    RasterDisplay,  // the screen or a screen-compatible bitmap: lengths in pixels
    Metafile,       // twips as logical units, y growing downward
    Printer,        // twips with y growing upward: vertical measures arrive negated
};

// Right and bottom are exclusive. A rectangle may come with left > right or top > bottom
// on a printer; fillRect implementations receive it normalised.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool isEmpty() const { return left >= right || top >= bottom; }
    bool operator==(const DeviceRect&) const = default;
};

struct DevicePoint {
    int x = 0;
    int y = 0;
    bool operator==(const DevicePoint&) const = default;
};

// Where the reference point lies relative to the drawn text.
enum class HorizontalAlign { Left, Right, Centre };
enum class VerticalAlign { Top, Bottom, Baseline };

// What is painted behind a text, in the box colour.
enum class TextBox {
    None,           // transparent
    Extent,         // the box the text itself takes (ascent to descent, its advance width)
    CharacterCell,  // half the widest character's width (rounded up) each side of the
                    // reference point, from ascent above to descent below the baseline
};

struct TextStyle {
    Colour colour = 0;  // of the letters; the font's own colour is not used
    HorizontalAlign horizontal = HorizontalAlign::Left;
    VerticalAlign vertical = VerticalAlign::Top;
    TextBox box = TextBox::None;
    Colour boxColour = 0;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual DeviceTechnology technology() const = 0;
    // Logical pixels per inch of the device; only a raster display's are used.
    virtual int pixelsPerInchX() const = 0;
    virtual int pixelsPerInchY() const = 0;

    // Fills the rectangle (never empty, never reversed) with a solid colour.
    virtual void fillRect(const DeviceRect& rect, Colour colour) = 0;
    // Fills a closed polygon with a solid colour.
    virtual void fillPolygon(const std::vector<DevicePoint>& points, Colour colour) = 0;
    // Draws single-byte (ISO 8859-1) text. The font's height and width are already in
    // device units.
    virtual void drawText(int x, int y, std::string_view latin1, const FontSpec& font,
                          const TextStyle& style) = 0;
    // Outlines the rectangle one unit wide by inverting what is there (exclusive-or with
    // white), so that outlining it again restores the drawing.
    virtual void invertOutline(const DeviceRect& rect) = 0;
    // Inverts every pixel of the rectangle the same way: what lies under it (a cell's
    // number) stays readable, and inverting again restores the drawing.
    virtual void invertRect(const DeviceRect& rect) = 0;
};

}  // namespace tessaran
