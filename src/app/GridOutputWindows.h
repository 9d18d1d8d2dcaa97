#pragma once
// The grid's export delivered by the editor: to a file through the core's exporters, or
// to the clipboard with each kind under the types other programs paste: the text kinds
// as plain text, the picture as SVG and as metafile bytes, bitmaps as an image.

#include <QString>

#include <string>

#include "output/GridOutput.h"
#include "output/PictureExporterWindows.h"

class QMimeData;

namespace tessaran {

class GridViewWindows;

// The MIME type under which the metafile picture's bytes go to the clipboard.
inline constexpr const char* kMetafileMimeType = "image/x-wmf";
inline constexpr const char* kSvgMimeType = "image/svg+xml";
inline constexpr const char* kPdfMimeType = "application/pdf";

class GridOutputWindows : public GridOutput {
public:
    // Attaches itself to the grid window's grid; detaches when destroyed.
    explicit GridOutputWindows(GridViewWindows& view);
    ~GridOutputWindows() override;
    GridOutputWindows(const GridOutputWindows&) = delete;
    GridOutputWindows& operator=(const GridOutputWindows&) = delete;

    bool exportGrid(ExportDestination destination, const std::string& fileName, ExportKind kind,
                    bool includeNumbers, bool includeAnswers) override;

    // What the clipboard would receive, or nullptr when the data could not be built.
    QMimeData* clipboardData(ExportKind kind, bool includeNumbers, bool includeAnswers) const;

private:
    GridViewWindows& m_view;
    PictureExporterWindows m_pictures;
};

}  // namespace tessaran
