// Times the grid window's painting: a whole 50x50 grid with every light and a letter in
// every cell at 150 %, and the repaint after typing one letter, which covers only the
// cells that changed. Runs on the offscreen platform unless QT_QPA_PLATFORM says
// otherwise.
//
//   bench_paint [--repeat N]

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/DialogsWindows.h"
#include "app/GridViewWindows.h"
#include "app/TessaranAppWindows.h"
#include "app/TessaranFrameWindows.h"

namespace {

// Processor time of this thread: what painting costs, however busy the machine is.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of one render of region (the whole window when empty) into image.
double timeRender(tessaran::GridViewWindows& view, QImage& image, const QRegion& region) {
    const double start = threadMilliseconds();
    view.render(&image, QPoint(), region);
    return threadMilliseconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
    int repeat = 50;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--repeat") {
            repeat = std::max(1, std::atoi(argv[i + 1]));
        } else {
            std::fprintf(stderr, "usage: %s [--repeat N]\n", argv[0]);
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // Start-up: the application built on the example grid, shown and painted once.
    double startup = 0;
    {
        const auto start = std::chrono::steady_clock::now();
        tessaran::DialogsWindows startDialogs;
        tessaran::TessaranAppWindows editor(
            {QStringLiteral("gridsmith"),
             QStringLiteral(TESSARAN_SOURCE_DIR "/data/grids/blocked15.tgr")},
            &startDialogs, std::string(TESSARAN_BINARY_DIR "/bench/paint-bench.ini"));
        editor.show();
        editor.frame().grab();
        startup =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }

    tessaran::DialogsWindows dialogs;
    tessaran::GridViewWindows view(dialogs);
    tessaran::Grid& grid = view.grid();
    grid.setting(tessaran::GridSetting::Symmetry).setDefault(0);
    grid.newGrid(50, 50, true);
    for (tessaran::Light* light : grid.lights()) {
        if (light->direction() != tessaran::Direction::Across)
            continue;
        std::string text;
        for (int i = 0; i < light->length(); ++i)
            text += static_cast<char>('A' + (i * 7 + light->firstCell().row()) % 26);
        light->setText(text);
    }
    grid.refresh();
    view.viewSettings().zoomFactor = 150;
    view.viewChanged();
    view.resize(view.sizeHint());
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);

    timeRender(view, image, QRegion());  // fonts and caches warm up
    std::vector<double> whole;
    for (int i = 0; i < repeat; ++i)
        whole.push_back(timeRender(view, image, QRegion()));

    // Typing one letter: the window marks only the changed cells for repainting.
    std::vector<double> typed;
    int cells = 0;
    for (int i = 0; i < repeat; ++i) {
        tessaran::Light* light = grid.lightOf(grid.cellAt(25, 0), tessaran::Direction::Across);
        light->placeText(grid.cellAt(25, 25), std::string(1, static_cast<char>('A' + i % 26)));
        grid.refresh();
        const QRegion changed = view.lastChangedRegion();
        cells = static_cast<int>(changed.rectCount());
        typed.push_back(timeRender(view, image, changed));
    }

    std::printf("start-up to a painted window: %6.1f ms (wall clock, in process)\n", startup);
    std::printf("grid window %dx%d px, 50x50 cells, 150 %%\n", view.width(), view.height());
    std::printf("whole grid painted:        %8.2f ms processor time (median of %d)\n",
                median(whole), repeat);
    std::printf("repaint after one letter:  %8.2f ms processor time (%d cell%s repainted)\n",
                median(typed), cells, cells == 1 ? "" : "s");
    return 0;
}
