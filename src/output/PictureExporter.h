#pragma once
// Pictures that need a real raster or vector device (bitmaps, PNG, SVG, PDF) are drawn
// by the windowing layer; the core's exporter reaches it through this interface.

#include <optional>
#include <string>

#include "output/GridOutput.h"

namespace tessaran {

class Grid;
class ViewSettings;

class PictureExporter {
public:
    virtual ~PictureExporter() = default;
    // Whether this exporter draws the kind.
    virtual bool draws(ExportKind kind) const = 0;
    // The file's bytes of the grid drawn as kind, without the editor's extras: numbers
    // when includeNumbers, letters when includeAnswers. Nothing when drawing failed.
    virtual std::optional<std::string> drawPicture(ExportKind kind, const Grid& grid,
                                                   const ViewSettings& settings,
                                                   bool includeNumbers,
                                                   bool includeAnswers) const = 0;
};

}  // namespace tessaran
