#include "output/PainterSurfaceWindows.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <QString>

#include <cmath>

namespace tessaran {

namespace {

// The Windows faces of the default fonts and the faces installed in their place, which
// keep the weight and size asked for.
QString installedFace(const std::string& face) {
    const QString name = QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
    static const struct {
        const char* windows;
        const char* installed;
    } kFaces[] = {
        {"System", "DejaVu Sans"},
        {"Small Fonts", "DejaVu Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& entry : kFaces)
        if (name.compare(QLatin1String(entry.windows), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.installed);
    return name.isEmpty() ? QStringLiteral("DejaVu Sans") : name;
}

}  // namespace

QColor qtColourWindows(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

QFont qtFontWindows(const FontSpec& spec, int pixelsPerInch) {
    QFont font(installedFace(spec.faceName));
    font.setWeight(
        static_cast<QFont::Weight>(spec.weight > 0 ? std::clamp(spec.weight, 1, 1000) : 400));
    font.setItalic(spec.italic != 0);
    font.setUnderline(spec.underline != 0);
    font.setStrikeOut(spec.strikeOut != 0);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (spec.height < 0) {
        // A negative height is the em size.
        font.setPixelSize(std::max(1, -spec.height));
    } else if (spec.height > 0) {
        // A positive height is the whole character cell, ascent plus descent.
        font.setPixelSize(spec.height);
        const qreal cell = QFontMetricsF(font).height();
        if (cell > 0)
            font.setPixelSize(
                std::max(1, static_cast<int>(std::lround(spec.height * spec.height / cell))));
    } else {
        font.setPixelSize(std::max(1, 12 * pixelsPerInch / 96));
    }
    return font;
}

PainterSurfaceWindows::PainterSurfaceWindows(QPainter& painter, DeviceTechnology technology,
                                             int pixelsPerInchX, int pixelsPerInchY)
    : m_painter(painter),
      m_technology(technology),
      m_pixelsPerInchX(pixelsPerInchX),
      m_pixelsPerInchY(pixelsPerInchY) {
    if (painter.hasClipping())
        m_clipBounds = painter.clipBoundingRect();
}

void PainterSurfaceWindows::fillRect(const DeviceRect& rect, Colour colour) {
    const QRect area(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (m_clipBounds && !m_clipBounds->intersects(area))
        return;
    m_painter.fillRect(area, qtColourWindows(colour));
}

void PainterSurfaceWindows::fillPolygon(const std::vector<DevicePoint>& points, Colour colour) {
    QPolygon polygon;
    for (const DevicePoint& point : points)
        polygon << QPoint(point.x, point.y);
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(qtColourWindows(colour));
    m_painter.drawPolygon(polygon);
    m_painter.restore();
}

const PainterSurfaceWindows::CachedFont& PainterSurfaceWindows::cachedFont(const FontSpec& font) {
    // A drawing uses two or three fonts for thousands of texts: each is made once.
    for (const CachedFont& cached : m_fonts)
        if (cached.spec == font)
            return cached;
    const QFont qtFont = qtFontWindows(font, m_pixelsPerInchY);
    m_fonts.push_back({font, qtFont, QFontMetricsF(qtFont, m_painter.device())});
    return m_fonts.back();
}

void PainterSurfaceWindows::drawText(int x, int y, std::string_view latin1, const FontSpec& font,
                                     const TextStyle& style) {
    const QString text = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
    const CachedFont& cached = cachedFont(font);
    const QFont& qtFont = cached.font;
    const QFontMetricsF& metrics = cached.metrics;
    const qreal width = metrics.horizontalAdvance(text);
    qreal left = x;
    if (style.horizontal == HorizontalAlign::Right)
        left = x - width;
    if (style.horizontal == HorizontalAlign::Centre)
        left = x - width / 2;
    qreal baseline = y;
    if (style.vertical == VerticalAlign::Top)
        baseline = y + metrics.ascent();
    if (style.vertical == VerticalAlign::Bottom)
        baseline = y - metrics.descent();

    // Texts wholly outside the area being repainted cost shaping for nothing.
    if (m_clipBounds) {
        const qreal reach = std::max(width, metrics.maxWidth());
        const QRectF extent(left - reach, baseline - metrics.ascent(), width + 2 * reach,
                            metrics.ascent() + metrics.descent());
        if (!m_clipBounds->intersects(extent))
            return;
    }
    if (style.box == TextBox::Extent) {
        m_painter.fillRect(
            QRectF(left, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent()),
            qtColourWindows(style.boxColour));
    } else if (style.box == TextBox::CharacterCell) {
        const qreal half = std::ceil(metrics.maxWidth() / 2);
        m_painter.fillRect(QRectF(x - half, baseline - metrics.ascent(), 2 * half,
                                  metrics.ascent() + metrics.descent()),
                           qtColourWindows(style.boxColour));
    }
    // The painter's font and pen change only when they must: a grid draws thousands of
    // texts in two or three fonts and colours.
    if (m_currentFont != &cached) {
        m_painter.setFont(qtFont);
        m_currentFont = &cached;
    }
    if (!m_textColour || *m_textColour != style.colour) {
        m_painter.setPen(qtColourWindows(style.colour));
        m_textColour = style.colour;
    }
    m_painter.drawText(QPointF(left, baseline), text);
}

void PainterSurfaceWindows::invertOutline(const DeviceRect& rect) {
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white);
    pen.setWidth(0);  // one device pixel at any scale
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(
        QRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1));
    m_painter.restore();
}

void PainterSurfaceWindows::invertRect(const DeviceRect& rect) {
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                       Qt::white);
    m_painter.restore();
}

}  // namespace tessaran
