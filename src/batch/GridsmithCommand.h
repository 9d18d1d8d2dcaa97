#pragma once
// gridsmith's batch mode: the headless face of the editor. Each mode is chosen by the
// first argument ("--check", ...) and runs through the same core code the windows call.

#include <iosfwd>
#include <string>
#include <vector>

#include "batch/BatchModes.h"

namespace tessaran {

// Runs one batch mode. args excludes the program name; args[0] names the mode. services
// lends the windowing layer's devices to the modes that draw pictures.
// Returns the process exit status: 0 only on success.
int runGridsmith(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const BatchServices& services = {});

// True when args asks for batch mode rather than the editor window.
bool isBatchInvocation(const std::vector<std::string>& args);

}  // namespace tessaran
