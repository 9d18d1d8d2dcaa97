// Dictionary figures: how long lexiforge's build of a word list takes, how long one full
// pass over every word of every length takes through the cursors (nextByPatternWhole,
// and nextByPattern on an all-wildcard pattern), the words per length, and the peak
// memory of the process.
//
// Usage: bench_dictionary [WORDLIST] [--map FILE] [--repeat N] [--all-lines]
// The word list defaults to Debian's British English list; like the default dictionary,
// only lines made of ASCII letters, apostrophes, hyphens, full stops and blanks are used
// unless --all-lines is given.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "builder/AlphabetMapping.h"
#include "builder/DictionaryBuilder.h"
#include "builder/DictionaryMaintainer.h"
#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool plainWord(const std::string& line) {
    return !line.empty() && std::all_of(line.begin(), line.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '\'' || c == '-' ||
               c == '.' || c == ' ';
    });
}

class QuietMaintainer : public tessaran::DictionaryMaintainer {
public:
    void error(std::string_view format, std::string_view argument) override {
        std::cerr << formatText(format, argument);
    }
};

// Words read by one pass over every length; `pattern` selects the read.
long fullPass(tessaran::Dictionary& dictionary, bool whole) {
    using namespace tessaran;
    std::vector<lxd::LetterIndex> any(lxd::kMaxSlotCount + 1, lxd::kAnyLetter);
    long words = 0;
    InputEngine cursor(dictionary);
    for (int length = 1; length < dictionary.slotCount(); ++length) {
        any[length] = lxd::kNoLetter;
        if (cursor.startPattern(any.data(), length)) {
            for (;;) {
                const lxd::LetterIndex* letters =
                    whole ? cursor.nextByPatternWhole() : cursor.nextByPattern();
                if (!letters)
                    continue;
                if (letters[0] == lxd::kNoLetter)
                    break;
                ++words;
            }
        }
        any[length] = lxd::kAnyLetter;
    }
    return words;
}

struct Timing {
    double best = 0;
    double median = 0;
};

template <typename Work>
Timing timeRuns(int repeat, Work work) {
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(millisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

}  // namespace

int main(int argc, char** argv) {
    std::string wordList = "/usr/share/dict/british-english";
    std::string map = TESSARAN_SOURCE_DIR "/data/default.lxm";
    int repeat = 5;
    bool allLines = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--map" && i + 1 < argc) {
            map = argv[++i];
        } else if (arg == "--repeat" && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--all-lines") {
            allLines = true;
        } else {
            wordList = arg;
        }
    }

    std::ifstream in(wordList, std::ios::binary);
    if (!in) {
        std::cerr << "bench_dictionary: cannot read " << wordList << "\n";
        return 1;
    }
    std::string kept;
    long lines = 0;
    for (std::string line; std::getline(in, line);) {
        if (!allLines && !plainWord(line))
            continue;
        kept += line + "\n";
        ++lines;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tessaran-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string input = (folder / "words.txt").string();
    const std::string output = (folder / "words.lxd").string();
    std::ofstream(input, std::ios::binary) << kept;

    tessaran::AlphabetMapping mapping;
    if (!mapping.readFile(map).success) {
        std::cerr << "bench_dictionary: cannot read the mapping " << map << "\n";
        return 1;
    }
    tessaran::BuildOptions options;
    options.description = "benchmark";
    bool built = true;
    const Timing build = timeRuns(std::min(repeat, 3), [&]() {
        QuietMaintainer monitor;
        tessaran::DictionaryBuilder builder(monitor, mapping, options);
        built = builder.build(input, output) && built;
    });
    if (!built)
        return 1;

    tessaran::Dictionary dictionary;
    const Clock::time_point openStart = Clock::now();
    if (!dictionary.open(output)) {
        std::cerr << "bench_dictionary: the built dictionary does not open\n";
        return 1;
    }
    const double openTime = millisecondsSince(openStart);
    long wholeWords = 0;
    long patternWords = 0;
    const Timing whole = timeRuns(repeat, [&]() { wholeWords = fullPass(dictionary, true); });
    const Timing pattern = timeRuns(repeat, [&]() { patternWords = fullPass(dictionary, false); });

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("word list            %s (%ld lines used)\n", wordList.c_str(), lines);
    std::printf("dictionary           %ju bytes, %ju entries, %ld words stored\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(output)),
                static_cast<std::uintmax_t>(dictionary.entries()), wholeWords);
    std::printf("build                best %.1f ms, median %.1f ms\n", build.best, build.median);
    std::printf("open                 %.2f ms\n", openTime);
    std::printf("full pass, whole     best %.2f ms, median %.2f ms (%ld words)\n", whole.best,
                whole.median, wholeWords);
    std::printf("full pass, pattern   best %.2f ms, median %.2f ms (%ld words)\n", pattern.best,
                pattern.median, patternWords);
    std::printf("peak memory          %ld KiB (maximum resident set of the whole run)\n",
                usage.ru_maxrss);
    std::printf("words per length (entries, before duplicates are dropped):\n");
    for (int length = 1; length < dictionary.slotCount(); ++length)
        std::printf("  %2d: %u\n", length, dictionary.wordCount(length));
    std::filesystem::remove_all(folder);
    return wholeWords == patternWords ? 0 : 1;
}
