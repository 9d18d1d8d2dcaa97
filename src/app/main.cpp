#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "batch/GridsmithCommand.h"
#ifdef TESSARAN_WITH_WINDOWS
#include <QApplication>

#include "app/TessaranAppWindows.h"
#include "output/PictureExporterWindows.h"
#endif

namespace {

// Whether a window can be shown: an X or Wayland display, or a platform named outright.
bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (tessaran::isBatchInvocation(args)) {
        tessaran::BatchServices services;
#ifdef TESSARAN_WITH_WINDOWS
        const tessaran::PictureExporterWindows pictures;
        services.pictures = &pictures;
#endif
        return tessaran::runGridsmith(args, std::cout, std::cerr, services);
    }
    if (!displayAvailable()) {
        std::cerr << "gridsmith: no display to show the editor on (DISPLAY and WAYLAND_DISPLAY "
                     "are not set).\nThe batch commands work without one:\n";
        tessaran::runGridsmith({"--help"}, std::cerr, std::cerr);
        return 1;
    }
#ifdef TESSARAN_WITH_WINDOWS
    QApplication application(argc, argv);
    tessaran::TessaranAppWindows editor(QApplication::arguments());
    editor.show();
    return QApplication::exec();
#else
    std::cerr << "gridsmith: this build has no windows; the batch commands:\n";
    tessaran::runGridsmith({"--help"}, std::cerr, std::cerr);
    return 1;
#endif
}
