// Fuzz target for the settings file. Whatever bytes tessaran.ini holds, loading them into
// a grid and its view settings must not crash and must leave values the program can use;
// the file must come back byte for byte when nothing is changed, and a key written into it
// must read back as written.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/IniFile.h"
#include "app/Settings.h"
#include "batch/BatchGridView.h"
#include "grid/Grid.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    tessaran::IniFile ini = tessaran::IniFile::read(in);

    tessaran::Grid grid;
    tessaran::BatchGridView view;
    grid.setObserver(&view);
    tessaran::Settings settings(grid, view.settings(), "/nonexistent/tessaran.ini",
                                "/opt/tessaran");
    const auto result = settings.load(ini, {}, {1024, 768});
    if (grid.rows() < 1 || grid.rows() > 50 || grid.columns() < 1 || grid.columns() > 50)
        std::abort();
    if (view.settings().zoomFactor <= 0 || result.placement.width < 1 ||
        result.placement.height < 1 || result.placement.left >= 1024 || result.placement.top >= 768)
        std::abort();
    if (!grid.defaultDictionary() || grid.defaultDictionary()->empty())
        std::abort();

    std::ostringstream unchanged;
    ini.write(unchanged);
    if (unchanged.str() != input)
        std::abort();

    const std::string before = ini.readString("Lookup", "DDEService1", "", 511);
    ini.writeInt("View", "ZoomFactor", 75);
    ini.writeString("Filling", "Dictionary", " some words.lxd");
    if (ini.readInt("View", "ZoomFactor", 0) != 75 ||
        ini.value("Filling", "Dictionary") != " some words.lxd" ||
        ini.readString("Lookup", "DDEService1", "", 511) != before)
        std::abort();
    std::ostringstream written;
    ini.write(written);
    std::istringstream again(written.str());
    if (tessaran::IniFile::read(again).readInt("view", "zoomfactor", 0) != 75)
        std::abort();
    return 0;
}
