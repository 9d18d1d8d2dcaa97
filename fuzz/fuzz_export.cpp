// Fuzz target for the exports: any grid file that can be read, with whatever display
// dimensions, colours and fonts it carries, must export as text, answers, exchange text
// and metafile without crashing, and the metafile's records must fill it exactly.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "batch/BatchGridView.h"
#include "grid/KillListWindows.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"
#include "output/GridExporter.h"
#include "output/GridRenderer.h"
#include "output/RecordingSurface.h"
#include "output/TextExport.h"

namespace {

std::uint32_t dwordAt(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tessaran::Grid grid;
    tessaran::BatchGridView view;
    tessaran::KillListWindows killList;
    grid.setObserver(&view);
    grid.setKillList(&killList);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (!tessaran::GridFile::readResultIsInformation(tessaran::GridFile::read(grid, in)))
        return 0;
    grid.refresh();

    const std::string text = tessaran::textGrid(grid, true, true);
    if (text.size() != static_cast<size_t>(1 + 3 * grid.rows()) * (3 + 5 * grid.columns()))
        std::abort();
    (void)tessaran::answerList(grid);
    (void)tessaran::exchangeText(grid);

    const std::string wmf = tessaran::metafilePicture(grid, view.settings(), {});
    // The placeable header, then the metafile whose header states its size in words.
    if (wmf.size() < 22 + 18 + 6 || dwordAt(wmf, 0) != 0x9AC6CDD7u ||
        dwordAt(wmf, 22 + 6) * 2 != wmf.size() - 22)
        std::abort();

    // The screen drawing with every extra, on a recording surface.
    tessaran::RecordingSurface screen;
    tessaran::RenderOptions options;
    options.interactive = true;
    view.settings().arrowMode = tessaran::ArrowMode::Always;
    tessaran::GridRenderer renderer(grid, view.settings());
    renderer.paint(screen, options);
    renderer.redisplayFillLetters(screen, options);
    return 0;
}
