#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "builder/LexiforgeCommand.h"
#ifdef LEXIFORGE_WITH_WINDOWS
#include "builder/DMApplication.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty())
        return tessaran::runLexiforge(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
#ifdef LEXIFORGE_WITH_WINDOWS
    if (tessaran::DMApplication::displayAvailable())
        return tessaran::DMApplication::run(argc, argv);
    std::cerr << "lexiforge: no display to open the builder window on; batch mode is "
                 "available:\n";
#else
    std::cerr << "lexiforge: this build has no builder window; batch mode is available:\n";
#endif
    tessaran::runLexiforge({"--help"}, std::cerr, std::cerr, false);
    return 1;
}
