#include "builder/LexiforgeCommand.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include "batch/CommandLine.h"
#include "batch/DataFiles.h"
#include "batch/TextEncoding.h"
#include "builder/AlphabetMapping.h"
#include "builder/BuilderFields.h"
#include "builder/DictionaryBuilder.h"
#include "builder/DictionaryMaintainer.h"

namespace tessaran {
namespace {

const std::vector<OptionSpec> kOptions = {
    {"input", 'i', true},       {"output", 'o', true}, {"map", 'm', true},
    {"description", 'd', true}, {"min", 0, true},      {"max", 0, true},
    {"sort", 0, false},         {"no-sort", 0, false}, {"commonality", 'c', true},
    {"unique", 'u', false},     {"help", 'h', false},  {"version", 0, false},
};

constexpr const char* kUsage =
    "Usage: lexiforge                                 the dictionary builder window\n"
    "       lexiforge --input WORDS.txt [options]     build a dictionary without a window\n"
    "Options:\n"
    "  -i, --input FILE        word list, one word per line (required)\n"
    "  -o, --output FILE       dictionary to write (default: the word list's name with .lxd)\n"
    "  -m, --map FILE          alphabet mapping file (default: the installed default.lxm)\n"
    "  -d, --description TEXT  description stored in the dictionary (79 characters at most)\n"
    "      --min N             shortest word length kept, 1..31 (default 1)\n"
    "      --max N             longest word length kept, 1..31 (default 31)\n"
    "      --sort              order each length by commonality, dropping duplicates (default)\n"
    "      --no-sort           keep the word list's order and every duplicate\n"
    "  -u, --unique            keep only the first of words with the same letters after\n"
    "                          mapping (with --no-sort: a list already in the order wanted)\n"
    "  -c, --commonality N     commonality setting -20..20 for sorting (default 0)\n"
    "  -h, --help              this text\n"
    "      --version           the program's version\n";

// Reports the build on the command line: messages on standard output, errors on
// standard error, and the percentage on standard error when it is a terminal.
class BatchMaintainer : public DictionaryMaintainer {
public:
    BatchMaintainer(std::ostream& out, std::ostream& err, bool showProgress)
        : m_out(out), m_err(err), m_showProgress(showProgress) {}

    bool progress(int percent) override {
        if (m_showProgress && percent != m_shown) {
            m_err << "\r" << percent << "%  " << std::flush;
            m_shown = percent;
        }
        return true;
    }
    void message(std::string_view format, std::string_view argument) override {
        clearProgress();
        m_out << formatText(format, argument) << std::flush;
    }
    void error(std::string_view format, std::string_view argument) override {
        clearProgress();
        m_err << formatText(format, argument) << std::flush;
    }
    void clearProgress() {
        if (m_shown >= 0)
            m_err << "\r      \r";
        m_shown = -1;
    }

private:
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_showProgress;
    int m_shown = -1;
};

std::optional<int> parseInteger(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, code] = std::from_chars(text.data(), end, value);
    if (code != std::errc() || stop != end || text.empty())
        return std::nullopt;
    return value;
}

}  // namespace

int runLexiforge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 bool showProgress) {
    const ParsedCommandLine command = parseCommandLine(args, kOptions);
    if (!command.ok()) {
        err << "lexiforge: " << command.error << " (see lexiforge --help)\n";
        return 2;
    }
    if (command.has("help")) {
        out << kUsage;
        return 0;
    }
    if (command.has("version")) {
        out << "lexiforge " TESSARAN_VERSION "\n";
        return 0;
    }
    if (!command.positional.empty()) {
        err << "lexiforge: unexpected argument " << command.positional.front()
            << " (see lexiforge --help)\n";
        return 2;
    }
    const std::string input = command.value("input");
    if (input.empty()) {
        err << "lexiforge: --input names the word list to build from (see lexiforge --help)\n";
        return 2;
    }

    BuildOptions options;
    const std::pair<const char*, int*> numbers[] = {{"min", &options.minLength},
                                                    {"max", &options.maxLength},
                                                    {"commonality", &options.commonality}};
    for (const auto& [name, target] : numbers) {
        if (!command.has(name))
            continue;
        const std::optional<int> value = parseInteger(command.value(name));
        if (!value) {
            err << "lexiforge: --" << name << " needs a whole number, not \"" << command.value(name)
                << "\"\n";
            return 2;
        }
        *target = *value;
    }
    // The same limits as the builder window's fields.
    options.commonality = effectiveCommonality(options.commonality);
    for (int* length : {&options.minLength, &options.maxLength})
        *length = effectiveLength(*length);
    const std::optional<std::string> description = latin1FromUtf8(command.value("description"));
    if (!description) {
        err << "lexiforge: the description must be UTF-8 text in the Latin-1 range\n";
        return 2;
    }
    options.description = description->substr(0, 79);
    options.sort = !command.has("no-sort");
    options.unique = command.has("unique");
    if (command.has("sort") && command.has("no-sort")) {
        err << "lexiforge: --sort and --no-sort contradict each other\n";
        return 2;
    }

    std::string output = command.value("output");
    if (output.empty())
        output = dictionaryNameFor(input);
    const std::string map = command.has("map") ? findNamedFile(command.value("map")).string()
                                               : findDataFile("default.lxm").string();

    AlphabetMapping mapping;
    const MappingReadResult mapped = mapping.readFile(map);
    if (!mapped.success) {
        err << mappingErrorText(mapped) << " (" << map << ")\n";
        return 1;
    }

    BatchMaintainer monitor(out, err, showProgress);
    DictionaryBuilder builder(monitor, mapping, options);
    const bool built = builder.build(input, output);
    monitor.clearProgress();
    if (!built) {
        err << kBuildFailedText;
        return 1;
    }
    out << kBuildSucceededText;
    return 0;
}

}  // namespace tessaran
