#include "app/GridOutputWindows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <memory>

#include "app/GridViewWindows.h"
#include "output/GridExporter.h"

namespace tessaran {

namespace {

QByteArray byteArrayOf(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

GridOutputWindows::GridOutputWindows(GridViewWindows& view) : m_view(view) {
    m_view.grid().setOutput(this);
}

GridOutputWindows::~GridOutputWindows() {
    if (m_view.grid().output() == this)
        m_view.grid().setOutput(nullptr);
}

QMimeData* GridOutputWindows::clipboardData(ExportKind kind, bool includeNumbers,
                                            bool includeAnswers) const {
    const GridExporter exporter(m_view.grid(), m_view.viewSettings(), &m_pictures);
    const ExportSwitches switches{includeNumbers, includeAnswers};
    auto build = [&](ExportKind what) { return exporter.build(what, switches); };

    auto data = std::make_unique<QMimeData>();
    switch (kind) {
        case ExportKind::TextGrid:
        case ExportKind::AnswerList:
        case ExportKind::ExchangeText: {
            const ExportData text = build(kind);
            if (!text.ok())
                return nullptr;
            // Cell texts are Latin-1, as the grid file holds them.
            data->setText(
                QString::fromLatin1(text.bytes.data(), static_cast<qsizetype>(text.bytes.size())));
            break;
        }
        case ExportKind::Picture:
        case ExportKind::Svg: {
            // Programs that paste drawings today take SVG; the metafile goes alongside for
            // those that still read it.
            const ExportData svg = build(ExportKind::Svg);
            const ExportData metafile = build(ExportKind::Picture);
            if (!svg.ok() || !metafile.ok())
                return nullptr;
            data->setData(QString::fromLatin1(kSvgMimeType), byteArrayOf(svg.bytes));
            data->setData(QString::fromLatin1(kMetafileMimeType), byteArrayOf(metafile.bytes));
            break;
        }
        case ExportKind::Bitmap:
        case ExportKind::Png: {
            const ExportData png = build(ExportKind::Png);
            if (!png.ok())
                return nullptr;
            QImage image;
            if (!image.loadFromData(byteArrayOf(png.bytes), "PNG"))
                return nullptr;
            data->setImageData(image);
            break;
        }
        case ExportKind::Pdf: {
            const ExportData pdf = build(ExportKind::Pdf);
            if (!pdf.ok())
                return nullptr;
            data->setData(QString::fromLatin1(kPdfMimeType), byteArrayOf(pdf.bytes));
            break;
        }
    }
    return data.release();
}

bool GridOutputWindows::exportGrid(ExportDestination destination, const std::string& fileName,
                                   ExportKind kind, bool includeNumbers, bool includeAnswers) {
    if (destination == ExportDestination::File) {
        const GridExporter exporter(m_view.grid(), m_view.viewSettings(), &m_pictures);
        return exporter.exportToFile(kind, fileName, {includeNumbers, includeAnswers});
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    QMimeData* data = clipboardData(kind, includeNumbers, includeAnswers);
    if (!data)
        return false;
    clipboard->setMimeData(data);  // the clipboard takes ownership
    return true;
}

}  // namespace tessaran
