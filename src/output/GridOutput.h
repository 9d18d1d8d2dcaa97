#pragma once
// The grid's way out to other programs: export of the grid or its answers to the
// clipboard or a file. The grid window implements it; the formats themselves are the
// core's (GridExporter).

#include <string>

namespace tessaran {

// Data kinds with the numbers the export choices store; PNG, SVG and PDF are further
// renderings of the picture for today's documents and web pages.
enum class ExportKind {
    TextGrid = 0,
    AnswerList = 1,
    Picture = 4,  // placeable Windows metafile, in twips
    Bitmap = 5,   // BMP at the screen's scale for the zoom
    ExchangeText = 6,
    Png = 7,
    Svg = 8,
    Pdf = 9,
};

enum class ExportDestination { File = 0, Clipboard = 2 };

// The Export dialog's choices, kept by the grid window between uses of the command.
struct ExportChoices {
    ExportKind kind = ExportKind::Picture;
    ExportDestination destination = ExportDestination::Clipboard;
    bool includeAnswers = true;
    bool includeNumbers = true;
};

// The save dialog's filter ("Windows Metafiles (*.wmf)|*.wmf|All Files (*.*)|*.*") and
// default extension ("wmf") for a kind exported to a file.
const char* exportFileFilter(ExportKind kind);
const char* exportDefaultExtension(ExportKind kind);

// What the Export command says when the export fails.
inline constexpr const char* kExportFailedMessage = "Exporting failed";
inline constexpr const char* kExportFailedCaption = "Export Error";
inline constexpr const char* kExportFileDialogTitle = "Export To File";

class GridOutput {
public:
    virtual ~GridOutput() = default;
    // Builds the data and delivers it; false when anything failed (nothing else changes).
    virtual bool exportGrid(ExportDestination destination, const std::string& fileName,
                            ExportKind kind, bool includeNumbers, bool includeAnswers) = 0;
};

}  // namespace tessaran
