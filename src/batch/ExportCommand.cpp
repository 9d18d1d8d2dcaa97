// gridsmith --export KIND IN.tgr -o FILE [--no-numbers] [--no-answers] [--zoom PERCENT]
//
// Reads a grid file as the editor opens it, with the grid's own display dimensions,
// colours and fonts, and exports it as the Export command would to a file: the text
// grid, the answer list, the exchange text, the metafile picture, or (drawn by the
// windowing layer) a bitmap, PNG, SVG or PDF. "-o -" writes to standard output.

#include <ostream>
#include <string>

#include "batch/BatchDocument.h"
#include "batch/BatchModes.h"
#include "batch/CommandLine.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"
#include "output/GridExporter.h"
#include "output/ScreenScale.h"

namespace tessaran {

namespace {

constexpr const char* kUsage =
    "Usage: gridsmith --export KIND IN.tgr -o FILE [--no-numbers] [--no-answers] "
    "[--zoom 100|150|75|50]\n"
    "  KIND: text, answers, exchange, wmf, bmp, png, svg, pdf\n";

int usageError(std::ostream& err, const std::string& message) {
    err << "gridsmith --export: " << message << '\n' << kUsage;
    return 2;
}

}  // namespace

int runExportMode(const BatchArgs& args, std::ostream& out, std::ostream& err,
                  const BatchServices& services) {
    const ParsedCommandLine line = parseCommandLine(args, {{"output", 'o', true},
                                                           {"no-numbers", 0, false},
                                                           {"no-answers", 0, false},
                                                           {"zoom", 0, true}});
    if (!line.ok())
        return usageError(err, line.error);
    if (line.positional.size() != 2)
        return usageError(err, "give the kind and one grid file");
    const auto kind = exportKindFromName(line.positional[0]);
    if (!kind)
        return usageError(err, "unknown kind " + line.positional[0]);
    if (!line.has("output"))
        return usageError(err, "give the file to write with -o");
    int zoom = 100;
    if (line.has("zoom")) {
        const std::string text = line.value("zoom");
        zoom = !text.empty() && text.size() <= 3 &&
                       text.find_first_not_of("0123456789") == std::string::npos
                   ? std::stoi(text)
                   : -1;
        if (!isOfferedZoom(zoom))
            return usageError(err, "the zoom is one of 100, 150, 75 and 50");
    }

    BatchDocument document;
    Grid& grid = document.grid();
    BatchGridView& view = document.view();
    const int result = grid.readGrid(line.positional[1]);
    if (result != kGridFileOk) {
        err << line.positional[1] << ": " << GridFile::readMessage(result) << '\n';
        if (!GridFile::readResultIsInformation(result))
            return 1;
    }
    view.settings().zoomFactor = zoom;

    ExportSwitches switches;
    switches.includeNumbers = !line.has("no-numbers");
    switches.includeAnswers = !line.has("no-answers");
    const GridExporter exporter(grid, view.settings(), services.pictures);
    std::string reason;
    const std::string target = line.value("output");
    const bool written = target == "-" ? exporter.write(*kind, switches, out, &reason)
                                       : exporter.exportToFile(*kind, target, switches, &reason);
    if (!written) {
        err << "Exporting failed: " << reason << '\n';
        return 1;
    }
    return 0;
}

}  // namespace tessaran
