#pragma once
// lexiforge's batch mode: builds a dictionary file from a word list without a window.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaran {

// Runs lexiforge on args (the program name excluded). Returns the exit status.
int runLexiforge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tessaran
