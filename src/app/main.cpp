#include <iostream>
#include <string>
#include <vector>

#include "batch/GridsmithCommand.h"
#ifdef TESSARAN_WITH_WINDOWS
#include "output/PictureExporterWindows.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    tessaran::BatchServices services;
#ifdef TESSARAN_WITH_WINDOWS
    const tessaran::PictureExporterWindows pictures;
    services.pictures = &pictures;
#endif
    if (tessaran::isBatchInvocation(args))
        return tessaran::runGridsmith(args, std::cout, std::cerr, services);
    std::cerr << "gridsmith: the editor window is not built yet; batch mode is available:\n";
    tessaran::runGridsmith({"--help"}, std::cerr, std::cerr);
    return 1;
}
