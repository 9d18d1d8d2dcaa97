// gridsmith --fill and --unch-fill: the Normal Fill and Unch Fill commands without a
// window. The fill runs with a headless GridView (progress on standard error when it is a
// terminal; a manual choice answers Abandon, as it does when no progress window is
// shown) and prints the result text the progress window would show.

#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <ostream>

#include "batch/BatchGridView.h"
#include "batch/BatchModes.h"
#include "batch/CommandLine.h"
#include "batch/DataFiles.h"
#include "batch/TextEncoding.h"
#include "dictionary/Dictionary.h"
#include "fill/FillEngine.h"
#include "fill/FillMethod.h"
#include "fill/FillOperations.h"
#include "fill/FillRandom.h"
#include "fill/FillReport.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"
#include "grid/GridView.h"
#include "grid/KillListWindows.h"
#include "grid/LightDescription.h"

namespace tessaran {
namespace {

constexpr const char* kDefaultDictionary = "words.lxd";

// Reports fill progress on a terminal: the light being filled and its level, at most a
// few times a second so that printing never slows the search. With a time limit it plays
// the user who presses Abandon once the limit has passed.
class BatchFillView : public BatchGridView {
public:
    BatchFillView(std::ostream& err, bool show, double timeLimit)
        : m_err(err), m_show(show), m_timeLimit(timeLimit), m_start(Clock::now()) {}
    ~BatchFillView() override { clearLine(); }

    int fillProgress(const FillView*, const Light* light, int level, int indicator) override {
        if (indicator == INT_MIN || !light)
            return 0;
        if (m_abandoned)
            return 3;
        if (++m_calls % 256 != 0)
            return 0;
        const Clock::time_point now = Clock::now();
        if (m_timeLimit > 0 && std::chrono::duration<double>(now - m_start).count() > m_timeLimit) {
            m_abandoned = true;
            return 3;
        }
        if (!m_show || now - m_last < std::chrono::milliseconds(200))
            return 0;
        m_last = now;
        m_shown = true;
        m_err << "\r\033[KLevel " << level << "  Light " << utf8FromLatin1(lightDescription(*light))
              << std::flush;
        return 0;
    }

    bool abandoned() const { return m_abandoned; }
    void clearLine() {
        if (m_shown)
            m_err << "\r\033[K" << std::flush;
        m_shown = false;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& m_err;
    bool m_show;
    double m_timeLimit;  // seconds; 0: none
    Clock::time_point m_start;
    Clock::time_point m_last;
    bool m_shown = false;
    bool m_abandoned = false;
    long m_calls = 0;
};

// The kill list dialog's normalisation: letters become their display characters, other
// characters are dropped.
std::string normalisedKillWord(const std::string& word, const Dictionary& dictionary) {
    std::string result;
    for (const char ch : word) {
        const int letter = dictionary.letterOf(static_cast<unsigned char>(ch));
        if (letter < dictionary.alphabetSize())
            result += dictionary.displayChar(letter);
    }
    return result;
}

Light* findLight(const Grid& grid, const std::string& label) {
    for (Light* light : grid.lights()) {
        const std::string description = lightDescription(*light);
        if (description == label)
            return light;
        const auto space = description.rfind(" (");
        if (space != std::string::npos && description.compare(0, space, label) == 0 &&
            label.size() == space)
            return light;
    }
    return nullptr;
}

void printUsage(std::ostream& out, const char* mode) {
    out << "Usage: gridsmith " << mode
        << " IN.tgr [-o OUT.tgr] [--dictionary FILE] [--start-light LABEL] [--seed N]\n"
           "           [--commit] [--kill WORD]... [--time-limit S] [--method "
           "standard|constraint]\n"
           "  -o, --output FILE     write the grid (with the fill only when --commit is given)\n"
           "  --dictionary FILE     dictionary to fill from (default: the grid's own, else "
        << kDefaultDictionary
        << ")\n"
           "  --start-light LABEL   fill this light first, e.g. 1a or \"1a (5)\"\n"
           "  --seed N              seed of the random first word (default: from the clock)\n"
           "  --commit              commit the fill into the light texts before writing\n"
           "  --kill WORD           never use WORD (may be repeated)\n"
           "  --time-limit S        abandon the fill after S seconds (default: no limit)\n"
           "  --method M            how the normal fill searches: standard (the default) or\n"
           "                        constraint; a grid that starts fills in Manual mode uses\n"
           "                        standard\n";
    if (std::string(mode) == "--unch-fill")
        out << "Runs a normal fill, then an unch fill that adjusts it through unchecked cells.\n";
}

int runFill(const BatchArgs& args, std::ostream& out, std::ostream& err, bool unch) {
    const char* mode = unch ? "--unch-fill" : "--fill";
    const ParsedCommandLine cl = parseCommandLine(args, {{"output", 'o', true},
                                                         {"dictionary", 0, true},
                                                         {"start-light", 0, true},
                                                         {"seed", 0, true},
                                                         {"commit", 0, false},
                                                         {"kill", 0, true},
                                                         {"time-limit", 0, true},
                                                         {"method", 0, true},
                                                         {"help", 'h', false}});
    if (!cl.ok()) {
        err << "gridsmith " << mode << ": " << cl.error << '\n';
        return 2;
    }
    if (cl.has("help")) {
        printUsage(out, mode);
        return 0;
    }
    if (cl.positional.size() != 1) {
        printUsage(err, mode);
        return 2;
    }
    const std::string input = cl.positional[0];

    uint32_t seed = 0;
    if (cl.has("seed")) {
        const std::string text = cl.value("seed");
        char* end = nullptr;
        const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
        if (text.empty() || *end || text[0] == '-' || value > UINT32_MAX) {
            err << "gridsmith " << mode << ": --seed needs a whole number from 0 to " << UINT32_MAX
                << '\n';
            return 2;
        }
        seed = static_cast<uint32_t>(value);
    } else {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        seed = FillRandom::seedFromClock(local.tm_min, local.tm_sec);
    }

    double timeLimit = 0;
    if (cl.has("time-limit")) {
        const std::string text = cl.value("time-limit");
        char* end = nullptr;
        timeLimit = std::strtod(text.c_str(), &end);
        if (text.empty() || *end || !(timeLimit > 0)) {
            err << "gridsmith " << mode << ": --time-limit needs a number of seconds above 0\n";
            return 2;
        }
    }

    FillMethod method = FillMethod::Standard;
    if (cl.has("method")) {
        const auto parsed = parseFillMethod(cl.value("method"));
        if (!parsed) {
            err << "gridsmith " << mode << ": --method needs standard or constraint\n";
            return 2;
        }
        method = *parsed;
    }

    KillListWindows killList;
    BatchFillView view(err, &err == &std::cerr && isatty(STDERR_FILENO), timeLimit);
    Grid grid;
    grid.setKillList(&killList);
    grid.setObserver(&view);
    grid.setDefaultDictionary(kDefaultDictionary);
    const int read = grid.readGrid(input);
    if (read != kGridFileOk) {
        err << "gridsmith " << mode << ": " << input << ": " << GridFile::readMessage(read) << '\n';
        if (!GridFile::readResultIsInformation(read))
            return 2;
    }

    std::string dictionaryName = grid.effectiveDictionary().value_or(kDefaultDictionary);
    if (cl.has("dictionary")) {
        const auto name = latin1FromUtf8(cl.value("dictionary"));
        dictionaryName = name.value_or(cl.value("dictionary"));
    }
    Dictionary& dictionary = Dictionary::instance();
    const std::string dictionaryPath = findNamedFile(dictionaryName).string();
    dictionary.open(dictionaryPath);
    if (!dictionary.requireValid([&](std::string_view caption, std::string_view text) {
            err << "gridsmith " << mode << ": " << caption << ": " << utf8FromLatin1(text) << " ("
                << dictionaryPath << ")\n";
        })) {
        return 2;
    }

    for (const std::string& word : cl.values("kill")) {
        const auto latin1 = latin1FromUtf8(word);
        if (!latin1) {
            err << "gridsmith " << mode << ": --kill " << word << ": not a Latin-1 text\n";
            return 2;
        }
        const std::string normalised = normalisedKillWord(*latin1, dictionary);
        if (!normalised.empty())
            killList.add(normalised);
    }

    Light* startLight = nullptr;
    if (cl.has("start-light")) {
        const auto label = latin1FromUtf8(cl.value("start-light"));
        startLight = label ? findLight(grid, *label) : nullptr;
        if (!startLight) {
            err << "gridsmith " << mode << ": no light " << cl.value("start-light") << '\n';
            return 2;
        }
    }

    FillRandom random(seed);
    int status = 0;
    {
        const std::time_t t0 = std::time(nullptr);
        const NormalFillOutcome outcome =
            runNormalFill(grid, dictionary, random, method, startLight);
        const std::time_t t1 = std::time(nullptr);
        view.clearLine();
        // An abandoned fill closes the progress window without a result, so only a note.
        if (view.abandoned()) {
            err << "gridsmith " << mode << ": time limit reached, fill abandoned\n";
            status = 1;
        } else {
            out << utf8FromLatin1(fillResultText(outcome.result, outcome.failedLight,
                                                 static_cast<long>(t1 - t0)))
                << '\n';
            status = outcome.result == 1 ? 0 : 1;
        }
        if (unch && status == 0) {
            FillEngine unchEngine(grid, dictionary, random);
            const std::time_t u0 = std::time(nullptr);
            const int result = unchEngine.unchFill();
            const std::time_t u1 = std::time(nullptr);
            view.clearLine();
            if (view.abandoned()) {
                err << "gridsmith " << mode << ": time limit reached, unch fill abandoned\n";
                status = 1;
            } else {
                out << fillResultText(result, nullptr, static_cast<long>(u1 - u0)) << '\n';
                status = result == 1 ? 0 : 1;
            }
        }
    }
    grid.refresh();

    if (cl.has("output")) {
        if (cl.has("commit"))
            commitFill(grid, dictionary);
        const std::string output = cl.value("output");
        if (grid.writeGrid(output) != kGridFileOk) {
            err << "gridsmith " << mode << ": " << output << ": " << GridFile::kWriteMessage
                << '\n';
            return 2;
        }
    }
    return status;
}

}  // namespace

int runFillMode(const BatchArgs& args, std::ostream& out, std::ostream& err) {
    return runFill(args, out, err, false);
}

int runUnchFillMode(const BatchArgs& args, std::ostream& out, std::ostream& err) {
    return runFill(args, out, err, true);
}

}  // namespace tessaran
