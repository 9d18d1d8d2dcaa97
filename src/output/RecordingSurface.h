#pragma once
// A drawing surface that remembers what was drawn, for checking the renderer without
// a real device: the list of operations, and the colour and coverage of a point as the
// rectangle fills left it.

#include <optional>
#include <string>
#include <vector>

#include "output/DrawingSurface.h"

namespace tessaran {

class RecordingSurface : public DrawingSurface {
public:
    struct FilledRect {
        DeviceRect rect;
        Colour colour = 0;
    };
    struct FilledPolygon {
        std::vector<DevicePoint> points;
        Colour colour = 0;
    };
    struct DrawnText {
        int x = 0;
        int y = 0;
        std::string text;
        FontSpec font;
        TextStyle style;
    };

    explicit RecordingSurface(DeviceTechnology technology = DeviceTechnology::RasterDisplay,
                              int pixelsPerInch = 96)
        : m_technology(technology), m_pixelsPerInch(pixelsPerInch) {}

    DeviceTechnology technology() const override { return m_technology; }
    int pixelsPerInchX() const override { return m_pixelsPerInch; }
    int pixelsPerInchY() const override { return m_pixelsPerInch; }
    void fillRect(const DeviceRect& rect, Colour colour) override;
    void fillPolygon(const std::vector<DevicePoint>& points, Colour colour) override;
    void drawText(int x, int y, std::string_view latin1, const FontSpec& font,
                  const TextStyle& style) override;
    void invertOutline(const DeviceRect& rect) override;
    void invertRect(const DeviceRect& rect) override;

    const std::vector<FilledRect>& rects() const { return m_rects; }
    const std::vector<FilledPolygon>& polygons() const { return m_polygons; }
    const std::vector<DrawnText>& texts() const { return m_texts; }
    const std::vector<DeviceRect>& outlines() const { return m_outlines; }
    const std::vector<DeviceRect>& inversions() const { return m_inversions; }

    // The colour of the last rectangle that covered the pixel at (x, y), if any.
    std::optional<Colour> colourAt(int x, int y) const;
    // How many rectangles covered the pixel at (x, y).
    int coverageAt(int x, int y) const;
    // The texts drawn, in order.
    std::vector<std::string> textStrings() const;

private:
    DeviceTechnology m_technology;
    int m_pixelsPerInch;
    std::vector<FilledRect> m_rects;
    std::vector<FilledPolygon> m_polygons;
    std::vector<DrawnText> m_texts;
    std::vector<DeviceRect> m_outlines;
    std::vector<DeviceRect> m_inversions;
};

}  // namespace tessaran
