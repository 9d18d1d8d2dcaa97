#include "batch/GridsmithCommand.h"

#include <ostream>

#include "batch/BatchModes.h"



namespace tessaran {
namespace {


using ModeFunction = int (*)(const BatchArgs&, std::ostream&, std::ostream&);
using ServiceModeFunction = int (*)(const BatchArgs&, std::ostream&, std::ostream&,
                                    const BatchServices&);

struct Mode {
    const char* name;
    const char* usage;
    ModeFunction run;
    ServiceModeFunction runWithServices = nullptr;  // for modes that need the windowing layer
};

// One row per batch mode; the usage lines make up --help.
const Mode kModes[] = {
    {"--help", "--help                          this text", nullptr},
    {"--version", "--version                       the program's version", nullptr},
    {"--check", "--check FILE [-o OUT]           read a grid file, report, write it back", runCheckMode},
    {"--export",
     "--export KIND IN.tgr -o FILE [--no-numbers] [--no-answers] [--zoom 100|150|75|50]\n"
     "                                  export a grid: text, answers, exchange, wmf, bmp, png,\n"
     "                                  svg or pdf",
     nullptr, runExportMode},
    {"--new", "--new COLUMNSxROWS [--symmetry N] [--all-lights] -o OUT\n"
              "                                  make a new grid file", runNewMode},
    {"--stats", "--stats FILE                    print a grid's statistics", runStatsMode},
    {"--search", "--search PATTERN [options]      list the dictionary's words that fit PATTERN",
     runSearchMode},
    {"--fill", "--fill IN.tgr [-o OUT.tgr] [...] normal fill (--fill --help for options)",
     runFillMode},
    {"--unch-fill", "--unch-fill IN.tgr [...]        normal fill, then unch fill", runUnchFillMode},
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

int runGridsmith(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const BatchServices& services) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printHelp(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << "gridsmith " TESSARAN_VERSION "\n";
        return 0;
    }
    for (const Mode& mode : kModes) {
        if (args[0] != mode.name)
            continue;
        const BatchArgs modeArgs(args.begin() + 1, args.end());
        if (mode.runWithServices)
            return mode.runWithServices(modeArgs, out, err, services);
        if (mode.run)
            return mode.run(modeArgs, out, err);
    }
    err << "gridsmith: unknown mode " << args[0] << " (see gridsmith --help)\n";
    return 2;
}

}  // namespace tessaran
