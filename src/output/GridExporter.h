#pragma once
// Builds every export kind of a grid and writes it to a file or a stream.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "output/GridOutput.h"

namespace tessaran {

class Grid;
class PictureExporter;
class ViewSettings;

struct ExportSwitches {
    bool includeNumbers = true;
    bool includeAnswers = true;
};

// The bytes of an export, or why there are none.
struct ExportData {
    std::string bytes;
    std::string error;  // empty on success
    bool ok() const { return error.empty(); }
};

// The kind named on a command line ("text", "answers", "exchange", "wmf", "bmp", "png",
// "svg", "pdf"), and the name of a kind.
std::optional<ExportKind> exportKindFromName(std::string_view name);
const char* exportKindName(ExportKind kind);

// The grid as a placeable metafile: drawn in twips without the editor's extras, holes
// left transparent.
std::string metafilePicture(const Grid& grid, const ViewSettings& settings,
                            const ExportSwitches& switches);

class GridExporter {
public:
    // pictures draws the kinds that need a real device; without it those kinds fail.
    GridExporter(const Grid& grid, const ViewSettings& settings,
                 const PictureExporter* pictures = nullptr);

    ExportData build(ExportKind kind, const ExportSwitches& switches) const;
    // Writes the bytes to out; false when building or the stream failed.
    bool write(ExportKind kind, const ExportSwitches& switches, std::ostream& out,
               std::string* error = nullptr) const;
    // Writes the export to path byte for byte. The file is replaced only when the whole
    // export was written: an existing file survives any failure.
    bool exportToFile(ExportKind kind, const std::string& path, const ExportSwitches& switches,
                      std::string* error = nullptr) const;

private:
    const Grid& m_grid;
    const ViewSettings& m_settings;
    const PictureExporter* m_pictures;
};

}  // namespace tessaran
