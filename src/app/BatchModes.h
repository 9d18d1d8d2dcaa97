#pragma once
// The batch modes of gridsmith, one function each, in its own ...Command.cpp file.
// Each takes the arguments after the mode's name and returns the exit status.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaran {

using BatchArgs = std::vector<std::string>;

// --check FILE [-o OUT]: reads a grid file, reports the reader's result, optionally
// writes the grid back in canonical form.
int runCheckMode(const BatchArgs& args, std::ostream& out, std::ostream& err);
// gridsmith --search PATTERN [...]: the word search, one match a line.
int runSearchMode(const BatchArgs& args, std::ostream& out, std::ostream& err);

// --new COLUMNSxROWS [--symmetry N] [--all-lights] -o OUT: writes a new grid file.
int runNewMode(const BatchArgs& args, std::ostream& out, std::ostream& err);

// --stats FILE: prints the grid statistics of a grid file.
int runStatsMode(const BatchArgs& args, std::ostream& out, std::ostream& err);

}  // namespace tessaran
