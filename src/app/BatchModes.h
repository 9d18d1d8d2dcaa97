#pragma once
// The batch modes of gridsmith, one function each, in its own ...Command.cpp file.
// Each takes the arguments after the mode's name and returns the exit status.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaran {

using BatchArgs = std::vector<std::string>;

// gridsmith --fill IN.tgr [-o OUT.tgr] [...]: Normal Fill, printing its result text.
int runFillMode(const BatchArgs& args, std::ostream& out, std::ostream& err);
// gridsmith --unch-fill IN.tgr [-o OUT.tgr] [...]: Normal Fill followed by Unch Fill.
int runUnchFillMode(const BatchArgs& args, std::ostream& out, std::ostream& err);

}  // namespace tessaran
