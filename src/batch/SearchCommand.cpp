// gridsmith --search: the word search without its window. Prints each match as the
// dictionary stores it, one a line, then the number of matches on standard error.

#include <charconv>
#include <filesystem>
#include <ostream>

#include "batch/BatchModes.h"
#include "batch/CommandLine.h"
#include "batch/DataFiles.h"
#include "batch/TextEncoding.h"
#include "dictionary/Dictionary.h"
#include "wordsearch/LetterMap.h"
#include "wordsearch/MatchEngine.h"
#include "wordsearch/MatchList.h"
#include "wordsearch/PatternExpansion.h"
#include "wordsearch/SearchRun.h"

namespace tessaran {
namespace {

constexpr const char* kUsage =
    "Usage: gridsmith --search PATTERN [options]\n"
    "Lists the dictionary's words that fit PATTERN, one a line, and their number on\n"
    "standard error.\n"
    "  -d, --dictionary FILE   dictionary to search (default: the installed words.lxd)\n"
    "      --shortest N        shortest word length searched (1 to 32, default 1)\n"
    "      --longest N         longest word length searched (1 to 32, default 32)\n"
    "      --at TEXT           what \"@\" in the pattern stands for\n"
    "      --hash TEXT         what \"#\" in the pattern stands for\n"
    "      --sorted            list alphabetically instead of in dictionary order\n";

bool parseLength(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int runSearchMode(const BatchArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine options = parseCommandLine(args, {
                                                                 {"dictionary", 'd', true},
                                                                 {"shortest", 0, true},
                                                                 {"longest", 0, true},
                                                                 {"at", 0, true},
                                                                 {"hash", 0, true},
                                                                 {"sorted", 0, false},
                                                                 {"help", 'h', false},
                                                             });
    if (!options.ok()) {
        err << "gridsmith --search: " << options.error << '\n' << kUsage;
        return 2;
    }
    if (options.has("help")) {
        out << kUsage;
        return 0;
    }
    if (options.positional.size() != 1) {
        err << "gridsmith --search: give one pattern\n" << kUsage;
        return 2;
    }

    MatchEngine engine;
    for (const char* name : {"shortest", "longest"}) {
        if (!options.has(name))
            continue;
        int value = 0;
        if (!parseLength(options.value(name), value)) {
            err << "gridsmith --search: --" << name << " needs a whole number, not \""
                << options.value(name) << "\"\n";
            return 2;
        }
        if (name[0] == 's')
            engine.setShortest(value);
        else
            engine.setLongest(value);
    }

    // The dictionary and its patterns are single-byte text; the terminal speaks UTF-8.
    std::string latin1[3];
    const std::string given[3] = {options.positional[0], options.value("at"),
                                  options.value("hash")};
    const char* const names[3] = {"the pattern", "--at", "--hash"};
    for (int i = 0; i < 3; ++i) {
        const auto converted = latin1FromUtf8(given[i]);
        if (!converted) {
            err << "gridsmith --search: " << names[i] << " \"" << given[i]
                << "\" is not UTF-8 text or holds a character beyond Latin-1, which no "
                   "dictionary holds\n";
            return 2;
        }
        latin1[i] = *converted;
    }

    Dictionary dictionary;
    const std::string file = options.has("dictionary")
                                 ? findNamedFile(options.value("dictionary")).string()
                                 : findDataFile("words.lxd").string();
    if (!dictionary.open(file)) {
        err << "gridsmith --search: " << file << ": " << kNoDictionaryCaption << '\n'
            << kNoDictionaryText << '\n';
        return 1;
    }
    if (!engine.compile(expandPattern(latin1[0], latin1[1], latin1[2]),
                        LetterMap::fromDictionary(dictionary))) {
        err << engine.errorText() << '\n';
        return 1;
    }

    MatchList matches(options.has("sorted"));
    SearchRun run(dictionary, engine);
    run.start();
    for (SearchRun::Step step = run.step(); step != SearchRun::Step::Complete; step = run.step()) {
        if (step == SearchRun::Step::Match)
            matches.add(run.matchBytes());
    }
    for (const std::string& match : matches.entries())
        out << utf8FromLatin1(match) << '\n';
    err << matches.size() << (matches.size() == 1 ? " match" : " matches") << '\n';
    return 0;
}

}  // namespace tessaran
