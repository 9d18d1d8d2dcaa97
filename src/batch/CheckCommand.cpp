// gridsmith --check FILE [-o OUT]
//
// Reads a grid file as the editor opens it and reports the result: "OK" with the grid's
// size and light count, or the message the editor would show for the lowest flag set.
// The exit status is the reader's result code (0 only for a clean read). With -o the grid
// is written back in canonical form whenever it could be read (also after codes 16 and
// 32); a failed write adds 64 to the exit status.

#include <ostream>

#include "batch/BatchDocument.h"
#include "batch/BatchModes.h"
#include "batch/CommandLine.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"

namespace tessaran {

int runCheckMode(const BatchArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine line = parseCommandLine(args, {{"output", 'o', true}});
    if (!line.ok() || line.positional.size() != 1) {
        err << "gridsmith --check: " << (line.ok() ? "give exactly one grid file" : line.error)
            << "\nUsage: gridsmith --check FILE [-o OUT]\n";
        return 2;
    }
    BatchDocument document;
    Grid& grid = document.grid();

    const int result = grid.readGrid(line.positional[0]);
    if (result == kGridFileOk) {
        out << "OK " << grid.columns() << 'x' << grid.rows() << ", " << grid.lights().size()
            << " lights\n";
    } else {
        err << GridFile::readMessage(result) << '\n';
    }
    if (!line.has("output") || !GridFile::readResultIsInformation(result))
        return result;
    if (grid.writeGrid(line.value("output")) != kGridFileOk) {
        err << GridFile::kWriteMessage << '\n';
        return result | 64;
    }
    return result;
}

}  // namespace tessaran
