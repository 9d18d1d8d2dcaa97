#include "app/GridsmithCommand.h"

#include <ostream>

#include "app/BatchModes.h"



namespace tessaran {
namespace {


using ModeFunction = int (*)(const BatchArgs&, std::ostream&, std::ostream&);

struct Mode {
    const char* name;
    const char* usage;
    ModeFunction run;
};

// One row per batch mode; the usage lines make up --help.
const Mode kModes[] = {
    {"--help", "--help                          this text", nullptr},
    {"--version", "--version                       the program's version", nullptr},
    {"--check", "--check FILE [-o OUT]           read a grid file, report, write it back", runCheckMode},
    {"--new", "--new COLUMNSxROWS [--symmetry N] [--all-lights] -o OUT\n"
              "                                  make a new grid file", runNewMode},
    {"--stats", "--stats FILE                    print a grid's statistics", runStatsMode},
    {"--search", "--search PATTERN [options]      list the dictionary's words that fit PATTERN",
     runSearchMode},
};

void printHelp(std::ostream& out) {
    out << "Usage: gridsmith [grid.tgr]        the editor\n"
           "       gridsmith MODE [options]     batch mode, one of:\n";
    for (const Mode& mode : kModes) out << "  " << mode.usage << '\n';
}

}  // namespace

bool isBatchInvocation(const std::vector<std::string>& args) {
    return !args.empty() && args[0].size() > 1 && args[0][0] == '-';
}

int runGridsmith(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printHelp(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << "gridsmith " TESSARAN_VERSION "\n";
        return 0;
    }
    for (const Mode& mode : kModes) {
        if (mode.run && args[0] == mode.name)
            return mode.run(BatchArgs(args.begin() + 1, args.end()), out, err);
    }
    err << "gridsmith: unknown mode " << args[0] << " (see gridsmith --help)\n";
    return 2;
}

}  // namespace tessaran
