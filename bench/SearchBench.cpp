// Times full scans of a dictionary by the word search for the shapes that matter: a
// plain template, a pure anagram, a star template, an anagram with a template and a
// star, and a subpattern. Each scan runs the way the window drives it, one cursor call
// at a time, from the shortest length to the longest.
//
//   bench_search [--dictionary FILE] [--repeat N]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "wordsearch/LetterMap.h"
#include "wordsearch/MatchEngine.h"
#include "wordsearch/SearchRun.h"

namespace {

struct Case {
    const char* what;
    const char* pattern;
};

const Case kCases[] = {
    {"plain template", ".l.ea.y"}, {"pure anagram", ";aeinrst"},
    {"star template", "a*z"},      {"anagram, template and star", "c*;rate*"},
    {"subpattern", "*(;tea)*"},
};

// Processor time of this thread: what a scan costs, whatever else the machine runs.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    std::string file = TESSARAN_BINARY_DIR "/src/app/words.lxd";
    int repeat = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--dictionary") {
            file = argv[i + 1];
        } else if (option == "--repeat") {
            repeat = std::max(1, std::atoi(argv[i + 1]));
        } else {
            std::fprintf(stderr, "usage: %s [--dictionary FILE] [--repeat N]\n", argv[0]);
            return 2;
        }
    }

    tessaran::Dictionary dictionary;
    if (!dictionary.open(file)) {
        std::fprintf(stderr, "%s: not a valid dictionary\n", file.c_str());
        return 1;
    }
    const tessaran::LetterMap letters = tessaran::LetterMap::fromDictionary(dictionary);
    std::printf("%s, best and median of %d full scans (wall clock; thread processor time)\n",
                file.c_str(), repeat);
    std::printf("%-28s %-10s %8s %9s %8s %8s %8s %8s\n", "shape", "pattern", "matches", "examined",
                "best", "median", "cpu best", "cpu med");
    for (const Case& c : kCases) {
        tessaran::MatchEngine engine;
        if (!engine.compile(c.pattern, letters)) {
            std::fprintf(stderr, "%s: %s\n", c.pattern, std::string(engine.errorText()).c_str());
            return 1;
        }
        std::vector<double> times;
        std::vector<double> cpuTimes;
        long matches = 0;
        long examined = 0;
        for (int r = 0; r < repeat; ++r) {
            tessaran::SearchRun run(dictionary, engine);
            const double cpuBegin = threadMilliseconds();
            const auto begin = std::chrono::steady_clock::now();
            run.start();
            while (run.step() != tessaran::SearchRun::Step::Complete) {
            }
            const auto end = std::chrono::steady_clock::now();
            examined = run.totalWordsExamined();
            times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
            cpuTimes.push_back(threadMilliseconds() - cpuBegin);
            matches = run.matchCount();
        }
        std::sort(times.begin(), times.end());
        std::sort(cpuTimes.begin(), cpuTimes.end());
        std::printf("%-28s %-10s %8ld %9ld %8.2f %8.2f %8.2f %8.2f\n", c.what, c.pattern, matches,
                    examined, times.front(), times[times.size() / 2], cpuTimes.front(),
                    cpuTimes[cpuTimes.size() / 2]);
    }
    return 0;
}
