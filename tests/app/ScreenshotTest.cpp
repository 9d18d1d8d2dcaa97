// Pictures of the editor for the README: the example grids, empty and filled. Taken only
// when TESSARAN_SCREENSHOT_DIR names a folder (take_screenshots.sh runs this under
// xvfb-run); the assertions hold on any platform.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include <ctime>
#include <QImage>
#include <QPixmap>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"

namespace tessaran {
namespace {

// Stands in for the progress window: abandons a fill that runs past its time.
class TimedFillMonitor : public FillMonitorWindows {
public:
    explicit TimedFillMonitor(int seconds) : m_deadline(std::time(nullptr) + seconds) {}
    void fillStarting(FillKind) override {}
    int fillProgress(const FillView*, const Light*, int, int) override {
        return std::time(nullptr) > m_deadline ? 3 : 0;
    }
    int fillChoose(int, int, int*, const Light*, int, std::uint8_t*, const std::uint8_t*,
                   int&) override {
        return 3;
    }
    void fillFinished(FillKind, int result, const Light*, long) override { this->result = result; }
    int result = -1;

private:
    std::time_t m_deadline;
};

TEST(Screenshots, EditorWithTheExampleGridsEmptyAndFilled) {
    const QString folder = qEnvironmentVariable("TESSARAN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "TESSARAN_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
    for (const char* name : {"blocked15", "barred12"}) {
        EditorFixture editor(
            {QStringLiteral("gridsmith"), exampleGrid((std::string(name) + ".tgr").c_str())});
        editor.grid().setDefaultDictionary(TESSARAN_BINARY_DIR "/src/app/words.lxd");
        editor.frame().resize(760, 640);
        editor.frame().show();
        QCoreApplication::processEvents();
        // A light selected, as a setter would have it.
        editor.view().selectLight(editor.grid().lights().front());
        QCoreApplication::processEvents();
        const QString empty = folder + QStringLiteral("/%1-empty.png").arg(QLatin1String(name));
        ASSERT_TRUE(editor.frame().grab().save(empty));

        editor.grid().setDictionary(std::nullopt);
        // The fully checked barred grid may not fill in reasonable time from the shipped
        // dictionary; then the picture shows how far the fill got.
        TimedFillMonitor monitor(20);
        editor.view().setFillMonitor(&monitor);
        editor.trigger(command::NormalFill);
        ASSERT_TRUE(editor.dialogs.messages.empty());
        if (std::string(name) == "blocked15") {
            EXPECT_EQ(editor.grid().lightStatistics().open, 0);
        }
        editor.trigger(command::CommitFill);
        editor.view().clearSelection();
        QCoreApplication::processEvents();
        const QString filled = folder + QStringLiteral("/%1-filled.png").arg(QLatin1String(name));
        ASSERT_TRUE(editor.frame().grab().save(filled));
    }
}

}  // namespace
}  // namespace tessaran
