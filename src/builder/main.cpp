#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "builder/LexiforgeCommand.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        args.push_back("--help");  // the builder window is not built yet
    return tessaran::runLexiforge(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
