#pragma once
// lexiforge's batch mode: builds a dictionary file from a word list without a window.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaran {

// What lexiforge prints when a build ends.
inline constexpr const char* kBuildSucceededText =
    "Dictionary building successful. You may now use the\ndictionary with Tessaran.\n";
inline constexpr const char* kBuildFailedText =
    "Dictionary building failed. The resulting dictionary\ncannot be used with Tessaran.\n";

// Runs lexiforge on args (the program name excluded): the build's messages go to `out`,
// its errors to `err`, and, when `showProgress` is set (standard error is a terminal), a
// percentage indicator to `err` as well. Returns the exit status: 0 on success, 1 when
// the build or the mapping file failed, 2 for a bad command line.
int runLexiforge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 bool showProgress = false);

}  // namespace tessaran
