#include <iostream>
#include <string>
#include <vector>

#include "app/GridsmithCommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (tessaran::isBatchInvocation(args)) return tessaran::runGridsmith(args, std::cout, std::cerr);
    std::cerr << "gridsmith: the editor window is not built yet; batch mode is available:\n";
    tessaran::runGridsmith({"--help"}, std::cerr, std::cerr);
    return 1;
}
