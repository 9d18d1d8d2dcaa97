#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/BatchGridView.h"
#include "grid/KillListWindows.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"

namespace tessaran {
namespace {

// The example grids others build on: each reads cleanly, writes back to the same bytes,
// and keeps the shape its description promises.
TEST(ExampleGrids, ReadCleanlyAndWriteBackUnchanged) {
    const std::filesystem::path folder = std::filesystem::path(TESSARAN_SOURCE_DIR) / "data/grids";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".tgr")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++seen;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        Grid grid;
        BatchGridView view;
        KillListWindows killList;
        grid.setObserver(&view);
        grid.setKillList(&killList);
        std::istringstream reader(text);
        ASSERT_EQ(GridFile::read(grid, reader), 0);
        std::ostringstream writer;
        GridFile::write(grid, writer);
        EXPECT_EQ(writer.str(), text);

        // Every light has its half-turn partner.
        for (const Light* light : grid.lights()) {
            const LightSpec s = light->spec();
            const LightSpec partner = LightSpec{grid.columns() - 1 - s.startColumn,
                                                grid.rows() - 1 - s.startRow,
                                                grid.columns() - 1 - s.endColumn,
                                                grid.rows() - 1 - s.endRow,
                                                -s.stepColumn,
                                                -s.stepRow}
                                          .normalised();
            EXPECT_NE(grid.matchLight(partner), nullptr);
        }
    }
    EXPECT_EQ(seen, 2);
}

}  // namespace
}  // namespace tessaran
