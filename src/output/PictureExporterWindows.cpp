#include "output/PictureExporterWindows.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSvgGenerator>

#include "grid/Grid.h"
#include "output/GridRenderer.h"
#include "output/PainterSurfaceWindows.h"
#include "output/RenderMetrics.h"
#include "output/ViewSettings.h"

namespace tessaran {

namespace {

constexpr int kTwipsPerInch = 1440;

RenderOptions exportOptions(bool includeNumbers, bool includeAnswers) {
    RenderOptions options;
    options.showNumbers = includeNumbers;
    options.showText = includeAnswers;
    return options;
}

std::string bytesOf(const QByteArray& array) {
    return std::string(array.constData(), static_cast<size_t>(array.size()));
}

struct ScreenResolution {
    int x = 96;
    int y = 96;
};

ScreenResolution screenResolution() {
    ScreenResolution resolution;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resolution.x = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
        resolution.y = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    }
    return resolution;
}

std::optional<std::string> drawBitmap(const char* format, const Grid& grid,
                                      const ViewSettings& settings, const RenderOptions& options) {
    const ScreenResolution dpi = screenResolution();
    const RenderMetrics metrics =
        computeRenderMetrics(settings, DeviceTechnology::RasterDisplay,
                             ScreenScale::forScreen(dpi.x, dpi.y, settings.zoomPercent()));
    const int width = metrics.pictureWidth(grid.columns());
    const int height = metrics.pictureHeight(grid.rows());
    if (width <= 0 || height <= 0)
        return std::nullopt;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi.x / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi.y / 0.0254)));
    {
        QPainter painter(&image);
        PainterSurfaceWindows surface(painter, DeviceTechnology::RasterDisplay, dpi.x, dpi.y);
        GridRenderer(grid, settings).paint(surface, options);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return std::nullopt;
    return bytesOf(bytes);
}

// Vector pictures are drawn like the metafile: one unit is one twip.
std::optional<std::string> drawVector(ExportKind kind, const Grid& grid,
                                      const ViewSettings& settings, const RenderOptions& options) {
    const RenderMetrics metrics =
        computeRenderMetrics(settings, DeviceTechnology::Metafile, ScreenScale{});
    const int width = metrics.pictureWidth(grid.columns());
    const int height = metrics.pictureHeight(grid.rows());
    if (width <= 0 || height <= 0)
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (kind == ExportKind::Svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(kTwipsPerInch);
        generator.setSize(QSize(width, height));
        generator.setViewBox(QRect(0, 0, width, height));
        generator.setTitle(QStringLiteral("Crossword grid"));
        QPainter painter;
        if (!painter.begin(&generator))
            return std::nullopt;
        PainterSurfaceWindows surface(painter, DeviceTechnology::Metafile, kTwipsPerInch,
                                      kTwipsPerInch);
        GridRenderer(grid, settings).paint(surface, options);
        painter.end();
    } else {
        QPdfWriter writer(&buffer);
        writer.setResolution(kTwipsPerInch);
        writer.setPageSize(QPageSize(QSizeF(width / 20.0, height / 20.0), QPageSize::Point,
                                     QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QStringLiteral("Crossword grid"));
        writer.setCreator(QStringLiteral("gridsmith"));
        QPainter painter;
        if (!painter.begin(&writer))
            return std::nullopt;
        PainterSurfaceWindows surface(painter, DeviceTechnology::Metafile, kTwipsPerInch,
                                      kTwipsPerInch);
        GridRenderer(grid, settings).paint(surface, options);
        painter.end();
    }
    buffer.close();
    if (bytes.isEmpty())
        return std::nullopt;
    return bytesOf(bytes);
}

QtMessageHandler g_qtDefaultHandler = nullptr;

// A batch run has no desktop session, so Qt's note that the session's runtime folder
// is missing says nothing to the user and only clutters the command's own messages.
void dropSessionNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_qtDefaultHandler)
        g_qtDefaultHandler(type, context, text);
}

}  // namespace

PictureExporterWindows::PictureExporterWindows() = default;
PictureExporterWindows::~PictureExporterWindows() = default;

void PictureExporterWindows::ensureApplication() const {
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!g_qtDefaultHandler)
        g_qtDefaultHandler = qInstallMessageHandler(dropSessionNotes);
    m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
}

bool PictureExporterWindows::draws(ExportKind kind) const {
    return kind == ExportKind::Bitmap || kind == ExportKind::Png || kind == ExportKind::Svg ||
           kind == ExportKind::Pdf;
}

std::optional<std::string> PictureExporterWindows::drawPicture(ExportKind kind, const Grid& grid,
                                                               const ViewSettings& settings,
                                                               bool includeNumbers,
                                                               bool includeAnswers) const {
    if (!draws(kind))
        return std::nullopt;
    ensureApplication();
    const RenderOptions options = exportOptions(includeNumbers, includeAnswers);
    switch (kind) {
        case ExportKind::Bitmap:
            return drawBitmap("BMP", grid, settings, options);
        case ExportKind::Png:
            return drawBitmap("PNG", grid, settings, options);
        default:
            return drawVector(kind, grid, settings, options);
    }
}

}  // namespace tessaran
