#pragma once
// The batch modes of gridsmith, one function each, in its own ...Command.cpp file.
// Each takes the arguments after the mode's name and returns the exit status.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaran {

using BatchArgs = std::vector<std::string>;

}  // namespace tessaran
