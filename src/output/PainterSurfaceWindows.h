#pragma once
// The drawing surface of the windowing layer: a QPainter on the grid window, an image,
// an SVG generator or a PDF writer. Fonts named after the Windows faces of the default
// settings are drawn with the installed faces that stand in for them.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <deque>
#include <optional>

#include "output/DrawingSurface.h"

namespace tessaran {

// The Qt font for a font whose height and width are in the painter's units.
// pixelsPerInch sizes a font of height 0 (the device's default size, 9 points).
QFont qtFontWindows(const FontSpec& font, int pixelsPerInch);
QColor qtColourWindows(Colour colour);

class PainterSurfaceWindows : public DrawingSurface {
public:
    // The painter must stay active for the surface's life, and keep the clip it has now
    // (drawing outside that clip is skipped early).
    PainterSurfaceWindows(QPainter& painter, DeviceTechnology technology, int pixelsPerInchX,
                          int pixelsPerInchY);

    DeviceTechnology technology() const override { return m_technology; }
    int pixelsPerInchX() const override { return m_pixelsPerInchX; }
    int pixelsPerInchY() const override { return m_pixelsPerInchY; }
    void fillRect(const DeviceRect& rect, Colour colour) override;
    void fillPolygon(const std::vector<DevicePoint>& points, Colour colour) override;
    void drawText(int x, int y, std::string_view latin1, const FontSpec& font,
                  const TextStyle& style) override;
    void invertOutline(const DeviceRect& rect) override;
    void invertRect(const DeviceRect& rect) override;

private:
    struct CachedFont {
        FontSpec spec;
        QFont font;
        QFontMetricsF metrics;
    };
    const CachedFont& cachedFont(const FontSpec& font);

    QPainter& m_painter;
    DeviceTechnology m_technology;
    int m_pixelsPerInchX;
    int m_pixelsPerInchY;
    std::deque<CachedFont> m_fonts;  // stable references as it grows
    const CachedFont* m_currentFont = nullptr;
    std::optional<Colour> m_textColour;
    // The painter's clip when the surface was made: drawing wholly outside it is skipped.
    std::optional<QRectF> m_clipBounds;
};

}  // namespace tessaran
