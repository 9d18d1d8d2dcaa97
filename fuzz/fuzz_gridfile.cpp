// Fuzz target for the grid file reader. Whatever the input, reading must not crash, and
// a grid that could be read must write out as a file that reads back cleanly and settles
// into a fixed point after one more round. Undo and redo run over the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "batch/BatchGridView.h"
#include "grid/KillListWindows.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"

namespace {

struct Session {
    tessaran::Grid grid;
    tessaran::BatchGridView view;
    tessaran::KillListWindows killList;
    Session() {
        grid.setObserver(&view);
        grid.setKillList(&killList);
    }
    int read(const std::string& text) {
        std::istringstream in(text);
        const int result = tessaran::GridFile::read(grid, in);
        grid.refresh();
        return result;
    }
    std::string write() {
        std::ostringstream out;
        if (tessaran::GridFile::write(grid, out) != 0)
            std::abort();
        return out.str();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    Session first;
    const int result = first.read(input);
    if (!tessaran::GridFile::readResultIsInformation(result))
        return 0;
    const std::string once = first.write();

    Session second;
    if (second.read(once) != 0)
        std::abort();
    const std::string twice = second.write();
    Session third;
    third.read(twice);
    if (third.write() != twice)
        std::abort();

    // Undo and redo swap the grid with its snapshot and back again.
    second.grid.checkpoint();
    second.grid.setDescription("edited");
    second.grid.undo();
    if (second.write() != twice)
        std::abort();
    second.grid.redo();
    if (second.grid.description() != "edited")
        std::abort();
    return 0;
}
