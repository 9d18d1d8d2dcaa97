// Pictures of the editor for the README: the example grids, empty and filled. Taken only
// when TESSARAN_SCREENSHOT_DIR names a folder (take_screenshots.sh runs this under
// xvfb-run); the assertions hold on any platform.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"

namespace tessaran {
namespace {

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
        editor.trigger(command::NormalFill);
        ASSERT_TRUE(editor.dialogs.messages.empty());
        ASSERT_EQ(editor.grid().lightStatistics().open, 0) << name;
        editor.trigger(command::CommitFill);
        editor.view().clearSelection();
        QCoreApplication::processEvents();
        const QString filled = folder + QStringLiteral("/%1-filled.png").arg(QLatin1String(name));
        ASSERT_TRUE(editor.frame().grab().save(filled));
    }
}

}  // namespace
}  // namespace tessaran
