#include <iostream>
#include <string>
#include <vector>

#include "builder/LexiforgeCommand.h"

int main(int argc, char** argv) {
    return tessaran::runLexiforge(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
}
