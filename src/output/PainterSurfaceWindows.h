#pragma once
// The drawing surface of the windowing layer: a QPainter on the grid window, an image,
// an SVG generator or a PDF writer. Fonts named after the Windows faces of the default
// settings are drawn with the installed faces that stand in for them.

#include <QFont>
#include <QPainter>

#include "output/DrawingSurface.h"

namespace tessaran {

// The Qt font for a font whose height and width are in the painter's units.
// pixelsPerInch sizes a font of height 0 (the device's default size, 9 points).
QFont qtFontWindows(const FontSpec& font, int pixelsPerInch);
QColor qtColourWindows(Colour colour);

class PainterSurfaceWindows : public DrawingSurface {
public:
    // The painter must stay active for the surface's life.
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

private:
    QPainter& m_painter;
    DeviceTechnology m_technology;
    int m_pixelsPerInchX;
    int m_pixelsPerInchY;
};

}  // namespace tessaran
