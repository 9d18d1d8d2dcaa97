#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "builder/LexiforgeCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << "lexiforge: the builder window is not built yet; batch mode is available:\n";
        tessaran::runLexiforge({"--help"}, std::cerr, std::cerr, false);
        return 1;
    }
    return tessaran::runLexiforge(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
