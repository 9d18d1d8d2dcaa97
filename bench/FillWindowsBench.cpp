// The cost of watching a fill: a Normal Fill run from the editor's window, with the
// progress window up and the grid redrawn at the highest redisplay frequency ("Fast"),
// against the batch fill of the same grid (the same engine with a silent observer, as
// gridsmith --fill runs it). Both use the same seed, so they make the same search; the
// bench checks that they end with the same letters.
//
//   bench_fill_windows [--runs N] [--dictionary FILE] GRID...
//
// Without grids it uses the quick grids of bench/grids. Runs on the offscreen platform
// unless QT_QPA_PLATFORM names another (xcb under xvfb-run shows real drawing costs).

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/EditorCommands.h"
#include "app/FillToolsWindows.h"
#include "app/GridViewWindows.h"
#include "app/RunningPropertiesViewWindows.h"
#include "app/TessaranAppWindows.h"
#include "app/TessaranFrameWindows.h"
#include "batch/BatchGridView.h"
#include "dictionary/Dictionary.h"
#include "fill/FillEngine.h"
#include "fill/FillRandom.h"
#include "grid/Cell.h"
#include "grid/Grid.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace tessaran;

constexpr std::uint32_t kSeed = 1;

// Every cell's filled letter, row by row.
std::string letters(const Grid& grid) {
    std::string out;
    for (int row = 0; row < grid.rows(); ++row)
        for (int column = 0; column < grid.columns(); ++column)
            out += static_cast<char>(grid.cellAt(row, column).filledLetter());
    return out;
}

// Processor time of the process: the machine may be shared, and both fills run on this
// one thread.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Run {
    double seconds = 0;
    double cpu = 0;
    int result = -1;
    std::string letters;
};

Run batchFill(const std::string& path, const std::string& dictionary) {
    BatchGridView view;
    Grid grid;
    grid.setObserver(&view);
    Run run;
    if (grid.readGrid(path) != 0)
        return run;
    grid.setDictionary(dictionary);
    Dictionary::instance().open(dictionary);
    FillRandom random(kSeed);
    const auto start = Clock::now();
    const double cpuStart = cpuSeconds();
    {
        FillEngine engine(grid, Dictionary::instance(), random);
        run.result = engine.normalFill(nullptr).result;
    }
    run.cpu = cpuSeconds() - cpuStart;
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.letters = letters(grid);
    grid.setObserver(nullptr);
    return run;
}

Run windowFill(TessaranAppWindows& editor, const std::string& path, const std::string& dictionary) {
    GridViewWindows& view = editor.gridView();
    RunningPropertiesViewWindows& progress = editor.fillTools().progress();
    Run run;
    if (!view.openFile(QString::fromStdString(path)))
        return run;
    view.grid().setDictionary(dictionary);
    view.random().setSeed(kSeed);
    progress.setSyncFrequency(2);
    QApplication::processEvents();
    const auto start = Clock::now();
    const double cpuStart = cpuSeconds();
    view.runCommand(command::NormalFill);
    run.cpu = cpuSeconds() - cpuStart;
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.result = progress.statusText().startsWith(QStringLiteral("Fill succeeded")) ? 1 : 0;
    run.letters = letters(view.grid());
    // Ok: the result has been read.
    if (auto* ok = progress.findChild<QPushButton*>(QStringLiteral("fillAbandon")))
        ok->click();
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int runs = 3;
    std::string dictionary = TESSARAN_BINARY_DIR "/src/app/words.lxd";
    std::vector<std::string> grids;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--dictionary" && i + 1 < argc)
            dictionary = argv[++i];
        else
            grids.push_back(arg);
    }
    if (grids.empty())
        for (const char* name : {"open5", "barred12", "british13", "british15", "american15"})
            grids.push_back(std::string(TESSARAN_SOURCE_DIR "/bench/grids/") + name + ".tgr");

    QApplication application(argc, argv);
    // Settings of its own, so that no tessaran.ini of the user's changes the fill.
    QTemporaryDir settingsFolder;
    TessaranAppWindows editor(
        QApplication::arguments().mid(0, 1), nullptr,
        settingsFolder.filePath(QStringLiteral("tessaran.ini")).toStdString());
    editor.show();
    QApplication::processEvents();

    std::printf("%-16s %9s %9s %6s %9s %9s %6s  %s\n", "grid", "batch s", "window s", "ratio",
                "batch cpu", "win cpu", "ratio", "same fill");
    bool allSame = true;
    for (const std::string& grid : grids) {
        std::vector<double> batch;
        std::vector<double> window;
        std::vector<double> batchCpu;
        std::vector<double> windowCpu;
        bool same = true;
        bool ok = true;
        for (int r = 0; r < runs; ++r) {
            const Run b = batchFill(grid, dictionary);
            const Run w = windowFill(editor, grid, dictionary);
            ok = ok && b.result == 1 && w.result == 1;
            same = same && b.letters == w.letters;
            batch.push_back(b.seconds);
            window.push_back(w.seconds);
            batchCpu.push_back(b.cpu);
            windowCpu.push_back(w.cpu);
        }
        const double mb = median(batch);
        const double mw = median(window);
        const double cb = median(batchCpu);
        const double cw = median(windowCpu);
        const std::string name = grid.substr(grid.find_last_of('/') + 1);
        std::printf("%-16s %9.3f %9.3f %6.2f %9.3f %9.3f %6.2f  %s%s\n", name.c_str(), mb, mw,
                    mb > 0 ? mw / mb : 0.0, cb, cw, cb > 0 ? cw / cb : 0.0, same ? "yes" : "NO",
                    ok ? "" : " (a fill failed)");
        allSame = allSame && same;
    }
    return allSame ? 0 : 1;
}
