#include "builder/LexiforgeCommand.h"

#include <ostream>

namespace tessaran {

int runLexiforge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        out << "Usage: lexiforge --input WORDS.txt --output WORDS.lxd [options]\n";
        return 0;
    }
    err << "lexiforge: unknown option " << args[0] << " (see lexiforge --help)\n";
    return 2;
}

}  // namespace tessaran
