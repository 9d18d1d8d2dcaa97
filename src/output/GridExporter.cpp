#include "output/GridExporter.h"

#include <ostream>

#include "grid/FileReplace.h"
#include "grid/Grid.h"
#include "output/GridRenderer.h"
#include "output/MetafileSurface.h"
#include "output/PictureExporter.h"
#include "output/RenderMetrics.h"
#include "output/TextExport.h"
#include "output/ViewSettings.h"

namespace tessaran {

namespace {

struct KindName {
    ExportKind kind;
    const char* name;
};

const KindName kKindNames[] = {
    {ExportKind::TextGrid, "text"},
    {ExportKind::AnswerList, "answers"},
    {ExportKind::ExchangeText, "exchange"},
    {ExportKind::Picture, "wmf"},
    {ExportKind::Bitmap, "bmp"},
    {ExportKind::Png, "png"},
    {ExportKind::Svg, "svg"},
    {ExportKind::Pdf, "pdf"},
};

}  // namespace

const char* exportFileFilter(ExportKind kind) {
    switch (kind) {
        case ExportKind::Picture:
            return "Windows Metafiles (*.wmf)|*.wmf|All Files (*.*)|*.*";
        case ExportKind::Bitmap:
            return "Windows Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*";
        case ExportKind::Png:
            return "PNG Images (*.png)|*.png|All Files (*.*)|*.*";
        case ExportKind::Svg:
            return "SVG Drawings (*.svg)|*.svg|All Files (*.*)|*.*";
        case ExportKind::Pdf:
            return "PDF Documents (*.pdf)|*.pdf|All Files (*.*)|*.*";
        case ExportKind::TextGrid:
        case ExportKind::AnswerList:
        case ExportKind::ExchangeText:
            break;
    }
    return "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
}

const char* exportDefaultExtension(ExportKind kind) {
    switch (kind) {
        case ExportKind::Picture:
            return "wmf";
        case ExportKind::Bitmap:
            return "bmp";
        case ExportKind::Png:
            return "png";
        case ExportKind::Svg:
            return "svg";
        case ExportKind::Pdf:
            return "pdf";
        case ExportKind::TextGrid:
        case ExportKind::AnswerList:
        case ExportKind::ExchangeText:
            break;
    }
    return "txt";
}

std::optional<ExportKind> exportKindFromName(std::string_view name) {
    for (const KindName& entry : kKindNames)
        if (name == entry.name)
            return entry.kind;
    return std::nullopt;
}

const char* exportKindName(ExportKind kind) {
    for (const KindName& entry : kKindNames)
        if (kind == entry.kind)
            return entry.name;
    return "unknown";
}

std::string metafilePicture(const Grid& grid, const ViewSettings& settings,
                            const ExportSwitches& switches) {
    const RenderMetrics metrics =
        computeRenderMetrics(settings, DeviceTechnology::Metafile, ScreenScale{});
    MetafileSurface surface(metrics.pictureWidth(grid.columns()),
                            metrics.pictureHeight(grid.rows()));
    RenderOptions options;
    options.showText = switches.includeAnswers;
    options.showNumbers = switches.includeNumbers;
    GridRenderer(grid, settings).paint(surface, options);
    return surface.placeableFile();
}

GridExporter::GridExporter(const Grid& grid, const ViewSettings& settings,
                           const PictureExporter* pictures)
    : m_grid(grid), m_settings(settings), m_pictures(pictures) {}

ExportData GridExporter::build(ExportKind kind, const ExportSwitches& switches) const {
    ExportData data;
    switch (kind) {
        case ExportKind::TextGrid:
            data.bytes = textGrid(m_grid, switches.includeNumbers, switches.includeAnswers);
            return data;
        case ExportKind::AnswerList:
            data.bytes = answerList(m_grid);
            return data;
        case ExportKind::ExchangeText:
            data.bytes = exchangeText(m_grid);
            return data;
        case ExportKind::Picture:
            data.bytes = metafilePicture(m_grid, m_settings, switches);
            return data;
        case ExportKind::Bitmap:
        case ExportKind::Png:
        case ExportKind::Svg:
        case ExportKind::Pdf:
            break;
    }
    if (!m_pictures || !m_pictures->draws(kind)) {
        data.error = std::string("drawing a ") + exportKindName(kind) +
                     " picture needs the windowing layer, which this program was built without";
        return data;
    }
    if (m_grid.rows() == 0 || m_grid.columns() == 0) {
        data.error = "the grid has no cells to draw";
        return data;
    }
    auto picture = m_pictures->drawPicture(kind, m_grid, m_settings, switches.includeNumbers,
                                           switches.includeAnswers);
    if (!picture) {
        data.error = std::string("the ") + exportKindName(kind) + " picture could not be drawn";
        return data;
    }
    data.bytes = std::move(*picture);
    return data;
}

bool GridExporter::write(ExportKind kind, const ExportSwitches& switches, std::ostream& out,
                         std::string* error) const {
    const ExportData data = build(kind, switches);
    if (!data.ok()) {
        if (error)
            *error = data.error;
        return false;
    }
    out.write(data.bytes.data(), static_cast<std::streamsize>(data.bytes.size()));
    out.flush();
    if (!out) {
        if (error)
            *error = "writing failed";
        return false;
    }
    return true;
}

bool GridExporter::exportToFile(ExportKind kind, const std::string& path,
                                const ExportSwitches& switches, std::string* error) const {
    const ExportData data = build(kind, switches);
    if (!data.ok()) {
        if (error)
            *error = data.error;
        return false;
    }
    switch (replaceFile(path, data.bytes)) {
        case FileReplaceResult::Done:
            return true;
        case FileReplaceResult::CannotCreate:
            if (error)
                *error = "cannot create a file beside " + path;
            return false;
        case FileReplaceResult::WriteFailed:
            break;
    }
    if (error)
        *error = "writing " + path + " failed";
    return false;
}

}  // namespace tessaran
