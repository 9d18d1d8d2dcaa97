// Whole-process fill benchmark: runs `gridsmith --fill` on each grid with each dictionary
// and each fill method several times, pinned to one core, and reports whether the fill succeeded,
// the median wall time (start-up and dictionary load included), the peak resident memory of the
// process, and how common the fill's words are: the share of them that SCOWL lists at
// size 35 or below (any spelling), and the words that it does not.
//
//   fill_benchmark [--runs N] [--gridsmith PATH] [--dictionary FILE]... [--scowl DIR]
//                  [--method standard|constraint]... [--timeout S] GRID...
//
// Without grids it runs every .tgr file of bench/grids; without --dictionary, every
// dictionary shipped beside gridsmith and the one the build makes with the builder's
// defaults from a plain word list (bench/plain-words.lxd); without --method, both methods.

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

extern char** environ;

namespace {

// One way of filling: the dictionary and any further gridsmith --fill options. The table
// of runs is every grid with every variant.
struct Variant {
    std::string label;
    std::string dictionary;
    std::vector<std::string> options;
};

struct RunResult {
    bool succeeded = false;
    bool timedOut = false;
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time: what the fill cost on a busy machine
    long peakKilobytes = 0;
    std::string output;  // the first line the process wrote
};

std::filesystem::path scratchFile(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("fill-bench-" + std::to_string(::getpid()) + "-" + name);
}

// Runs `args` with its standard output in a file and its errors discarded, killing it
// after `timeout` seconds.
RunResult runProcess(std::vector<std::string> args, double timeout) {
    RunResult result;
    const auto outputPath = scratchFile("out.txt");
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        result.output = "cannot start " + args[0];
        return result;
    }
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            break;
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed > timeout && !result.timedOut) {
            result.timedOut = true;
            kill(pid, SIGKILL);
        }
        usleep(500);
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.peakKilobytes = usage.ru_maxrss;
    result.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::ifstream in(outputPath);
    std::getline(in, result.output);
    std::filesystem::remove(outputPath);
    result.succeeded = !result.timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Fills `grid` and saves the committed fill as `filled`.
RunResult runFill(const std::string& gridsmith, const std::string& grid, const Variant& variant,
                  const std::string& filled, double timeout) {
    std::vector<std::string> args = {gridsmith, "--fill",   grid, "--seed",
                                     "1",       "--commit", "-o", filled};
    if (!variant.dictionary.empty()) {
        args.push_back("--dictionary");
        args.push_back(variant.dictionary);
    }
    args.insert(args.end(), variant.options.begin(), variant.options.end());
    RunResult result = runProcess(args, timeout);
    result.succeeded = result.succeeded && result.output.rfind("Fill succeeded", 0) == 0;
    return result;
}

// The answers of a filled grid in capitals, from its answer list ("1<tab>WORD (4)").
std::vector<std::string> answersOf(const std::string& gridsmith, const std::string& filled) {
    const std::string list = scratchFile("answers.txt").string();
    std::vector<std::string> words;
    if (!runProcess({gridsmith, "--export", "answers", filled, "-o", list}, 60).succeeded)
        return words;
    std::ifstream in(list);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        std::string word;
        for (std::size_t i = tab + 1; i < line.size() && line[i] != '('; ++i)
            if (std::isalpha(static_cast<unsigned char>(line[i])))
                word += static_cast<char>(std::toupper(static_cast<unsigned char>(line[i])));
        if (!word.empty())
            words.push_back(word);
    }
    std::filesystem::remove(list);
    return words;
}

// The words SCOWL lists at size 35 or below in any spelling, in capitals; empty when the
// lists are not installed.
std::unordered_set<std::string> commonWords(const std::string& folder) {
    std::unordered_set<std::string> words;
    for (const char* list : {"english-words", "british-words", "american-words"}) {
        for (int size : {10, 20, 35}) {
            std::ifstream in(folder + "/" + list + "." + std::to_string(size));
            for (std::string entry; std::getline(in, entry);) {
                if (std::all_of(entry.begin(), entry.end(),
                                [](unsigned char c) { return std::isalpha(c) && c < 128; })) {
                    for (char& c : entry)
                        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                    words.insert(entry);
                }
            }
        }
    }
    return words;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    double timeout = 120;
    std::string gridsmith = TESSARAN_BINARY_DIR "/src/app/gridsmith";
    std::string scowl = "/usr/share/dict/scowl";
    std::vector<std::string> dictionaries;
    std::vector<std::string> methods;
    std::vector<std::string> grids;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--timeout" && i + 1 < argc)
            timeout = std::atof(argv[++i]);
        else if (arg == "--gridsmith" && i + 1 < argc)
            gridsmith = argv[++i];
        else if (arg == "--dictionary" && i + 1 < argc)
            dictionaries.push_back(argv[++i]);
        else if (arg == "--method" && i + 1 < argc)
            methods.push_back(argv[++i]);
        else if (arg == "--scowl" && i + 1 < argc)
            scowl = argv[++i];
        else
            grids.push_back(arg);
    }
    if (grids.empty()) {
        for (const auto& entry :
             std::filesystem::directory_iterator(TESSARAN_SOURCE_DIR "/bench/grids"))
            if (entry.path().extension() == ".tgr")
                grids.push_back(entry.path().string());
        std::sort(grids.begin(), grids.end());
    }
    if (dictionaries.empty()) {
        const auto folder = std::filesystem::path(gridsmith).parent_path();
        for (const char* name : {"words.lxd", "words-american.lxd", "words-names.lxd"})
            if (std::filesystem::exists(folder / name))
                dictionaries.push_back((folder / name).string());
        const std::filesystem::path plain = TESSARAN_BINARY_DIR "/bench/plain-words.lxd";
        if (std::filesystem::exists(plain))
            dictionaries.push_back(plain.string());
    }
    if (methods.empty())
        methods = {"standard", "constraint"};
    if (dictionaries.empty())
        dictionaries.push_back("");  // the grid's own
    std::vector<Variant> variants;
    for (const std::string& dictionary : dictionaries) {
        const std::string name = dictionary.empty()
                                     ? "(grid's own)"
                                     : std::filesystem::path(dictionary).filename().string();
        for (const std::string& method : methods)
            variants.push_back({name + " " + method, dictionary, {"--method", method}});
    }
    const std::unordered_set<std::string> common = commonWords(scowl);
    const std::string filled = scratchFile("filled.tgr").string();

    // One core, as the aims are stated for one core.
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    CPU_SET(0, &cpus);
    sched_setaffinity(0, sizeof cpus, &cpus);

    std::printf("%-20s %-30s %-9s %9s %9s %9s %9s %7s  %s\n", "grid", "dictionary and method",
                "success", "median s", "max s", "cpu s", "peak MiB", "common",
                "uncommon words (or the result)");
    for (const std::string& grid : grids) {
        for (const Variant& variant : variants) {
            std::vector<double> times;
            std::vector<double> cpuTimes;
            long peak = 0;
            int successes = 0;
            std::string text;
            bool filledOnce = false;
            for (int r = 0; r < runs; ++r) {
                const RunResult result = runFill(gridsmith, grid, variant, filled, timeout);
                times.push_back(result.seconds);
                cpuTimes.push_back(result.cpuSeconds);
                peak = std::max(peak, result.peakKilobytes);
                successes += result.succeeded;
                filledOnce = filledOnce || result.succeeded;
                text = result.timedOut ? "timed out" : result.output;
                if (result.timedOut)
                    break;  // a grid that times out once will again
            }
            std::sort(times.begin(), times.end());
            const double median = times[times.size() / 2];
            std::sort(cpuTimes.begin(), cpuTimes.end());
            const double cpuMedian = cpuTimes[cpuTimes.size() / 2];
            std::string share = "-";
            if (filledOnce && !common.empty()) {
                // The seed is fixed, so every successful run leaves the same fill.
                const std::vector<std::string> words = answersOf(gridsmith, filled);
                std::string uncommon;
                for (const std::string& word : words)
                    if (!common.count(word))
                        uncommon += (uncommon.empty() ? "" : " ") + word;
                const long known =
                    std::count_if(words.begin(), words.end(),
                                  [&](const std::string& word) { return common.count(word); });
                if (!words.empty()) {
                    std::ostringstream percent;
                    percent.precision(0);
                    percent << std::fixed << 100.0 * static_cast<double>(known) / words.size()
                            << "%";
                    share = percent.str();
                    text = uncommon;
                }
            }
            std::printf("%-20s %-30s %4d/%-4d %9.3f %9.3f %9.3f %9.1f %7s  %s\n",
                        std::filesystem::path(grid).filename().c_str(), variant.label.c_str(),
                        successes, static_cast<int>(times.size()), median, times.back(), cpuMedian,
                        peak / 1024.0, share.c_str(), text.c_str());
            std::fflush(stdout);
        }
    }
    std::filesystem::remove(filled);
    return 0;
}
