// gridsmith --new COLUMNSxROWS [--symmetry N] [--all-lights] -o OUT.tgr
//
// Makes a new grid as the editor's New command does: every cell a block, or with
// --all-lights every row and column one full light. --symmetry stores the grid's own
// symmetry type (0 to 9) in the file; without it the grid follows the program default.

#include <charconv>
#include <ostream>

#include "batch/BatchDocument.h"
#include "batch/BatchModes.h"
#include "batch/CommandLine.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"

namespace tessaran {
namespace {

constexpr const char* kUsage =
    "Usage: gridsmith --new COLUMNSxROWS [--symmetry N] [--all-lights] -o OUT.tgr\n";

// A whole decimal number within [low, high], or nothing.
std::optional<int> boundedInteger(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

int runNewMode(const BatchArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine line = parseCommandLine(
        args, {{"output", 'o', true}, {"symmetry", 0, true}, {"all-lights", 0, false}});
    auto fail = [&err](const std::string& message) {
        err << "gridsmith --new: " << message << '\n' << kUsage;
        return 2;
    };
    if (!line.ok())
        return fail(line.error);
    if (line.positional.size() != 1)
        return fail("give the size as COLUMNSxROWS");
    if (!line.has("output"))
        return fail("give the output file with -o");

    const std::string& size = line.positional[0];
    const size_t x = size.find_first_of("xX");
    const auto columns =
        x == std::string::npos
            ? std::nullopt
            : boundedInteger(std::string_view(size).substr(0, x), 1, Grid::kMaxSize);
    const auto rows = x == std::string::npos
                          ? std::nullopt
                          : boundedInteger(std::string_view(size).substr(x + 1), 1, Grid::kMaxSize);
    if (!columns || !rows)
        return fail("size " + size + " is not COLUMNSxROWS with each from 1 to 50");
    std::optional<int> symmetry;
    if (line.has("symmetry")) {
        symmetry = boundedInteger(line.value("symmetry"), 0, 9);
        if (!symmetry)
            return fail("symmetry " + line.value("symmetry") + " is not 0 to 9");
    }

    BatchDocument document;
    Grid& grid = document.grid();
    grid.newGrid(*columns, *rows, false);
    // The lights are laid after the symmetry is set, since it decides their partners.
    if (symmetry)
        grid.setting(GridSetting::Symmetry).setOverride(*symmetry);
    if (line.has("all-lights"))
        grid.restart(true);

    const std::string path = line.value("output");
    if (grid.writeGrid(path) != kGridFileOk) {
        err << GridFile::kWriteMessage << ": " << path << '\n';
        return 1;
    }
    out << "Wrote " << path << ": " << grid.columns() << 'x' << grid.rows() << ", "
        << grid.lights().size() << " lights\n";
    return 0;
}

}  // namespace tessaran
