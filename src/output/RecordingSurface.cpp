#include "output/RecordingSurface.h"

namespace tessaran {

namespace {

bool contains(const DeviceRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

void RecordingSurface::fillRect(const DeviceRect& rect, Colour colour) {
    m_rects.push_back({rect, colour});
}

void RecordingSurface::fillPolygon(const std::vector<DevicePoint>& points, Colour colour) {
    m_polygons.push_back({points, colour});
}

void RecordingSurface::drawText(int x, int y, std::string_view latin1, const FontSpec& font,
                                const TextStyle& style) {
    m_texts.push_back({x, y, std::string(latin1), font, style});
}

void RecordingSurface::invertOutline(const DeviceRect& rect) {
    m_outlines.push_back(rect);
}

void RecordingSurface::invertRect(const DeviceRect& rect) {
    m_inversions.push_back(rect);
}

std::optional<Colour> RecordingSurface::colourAt(int x, int y) const {
    for (auto it = m_rects.rbegin(); it != m_rects.rend(); ++it)
        if (contains(it->rect, x, y))
            return it->colour;
    return std::nullopt;
}

int RecordingSurface::coverageAt(int x, int y) const {
    int count = 0;
    for (const FilledRect& filled : m_rects)
        if (contains(filled.rect, x, y))
            ++count;
    return count;
}

std::vector<std::string> RecordingSurface::textStrings() const {
    std::vector<std::string> strings;
    for (const DrawnText& text : m_texts)
        strings.push_back(text.text);
    return strings;
}

}  // namespace tessaran
