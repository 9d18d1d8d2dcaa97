#include "output/RenderMetrics.h"

#include <algorithm>

#include "output/ViewSettings.h"

namespace tessaran {

RenderMetrics computeRenderMetrics(const ViewSettings& settings, DeviceTechnology technology,
                                   ScreenScale scale) {
    if (technology != DeviceTechnology::RasterDisplay)
        scale = ScreenScale{};
    auto x = [&](DisplayDimension d) { return settings.dimension(d).scaled(scale.horizontal); };
    auto y = [&](DisplayDimension d) { return settings.dimension(d).scaled(scale.vertical); };
    using D = DisplayDimension;

    RenderMetrics m;
    m.scale = scale;
    m.cellWidth = x(D::CellWidth);
    m.cellHeight = y(D::CellHeight);
    m.ruleWidth = x(D::RuleWidth);
    m.ruleHeight = y(D::RuleHeight);
    const int barWidth = x(D::BarWidth);
    const int barHeight = y(D::BarHeight);
    const bool lopsided = settings.value(D::BarStyleLopsided) != 0;
    // The offset comes from the bar's own width, before the rule can widen it.
    m.barOffsetX = lopsided ? -barWidth : -((barWidth + m.ruleWidth) / 2);
    m.barOffsetY = lopsided ? -barHeight : -((barHeight + m.ruleHeight) / 2);
    m.barWidth = std::max(barWidth, m.ruleWidth);
    m.barHeight = std::max(barHeight, m.ruleHeight);
    m.borderWidth = std::max(x(D::BorderWidth), m.ruleWidth);
    m.borderHeight = std::max(y(D::BorderHeight), m.ruleHeight);
    m.numberOffsetX = x(D::NumberOffsetX);
    m.numberOffsetY = y(D::NumberOffsetY);
    m.textOffsetX = x(D::TextOffsetX);
    m.textOffsetY = y(D::TextOffsetY);

    const int average = (m.cellWidth + m.cellHeight) / 2;
    m.inset = average * 32 / 256;
    m.arrowSize = average * 48 / 256;
    m.margin = 2 * (m.inset + 1);
    return m;
}

FontSpec RenderMetrics::deviceFont(const FontSpec& font) const {
    FontSpec scaled = font;
    scaled.height = scaleFontLength(font.height, scale.vertical);
    scaled.width = scaleFontLength(font.width, scale.horizontal);
    return scaled;
}

ScreenScale deviceScale(const DrawingSurface& surface, int zoomPercent) {
    if (surface.technology() != DeviceTechnology::RasterDisplay)
        return {};
    return ScreenScale::forScreen(surface.pixelsPerInchX(), surface.pixelsPerInchY(), zoomPercent);
}

}  // namespace tessaran
