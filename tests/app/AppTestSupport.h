#pragma once
// Shared vocabulary of the editor's window tests: an editor on the offscreen platform
// with scripted dialogs, and quick ways to reach its commands and files.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "ScriptedDialogsWindows.h"
#include "app/GridViewWindows.h"
#include "app/TessaranAppWindows.h"
#include "app/TessaranFrameWindows.h"
#include "grid/Cell.h"
#include "grid/Grid.h"

namespace tessaran {

inline QString exampleGrid(const char* name) {
    return QStringLiteral(TESSARAN_SOURCE_DIR "/data/grids/") + QString::fromLatin1(name);
}

// A file's bytes, or nothing when it cannot be read.
inline std::string readFile(const QString& path) {
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A new 3x3 grid of lights, every cell holding a letter the fill placed and nobody
// committed: what the save and export warnings are about.
inline void fillWithUncommittedLetters(Grid& grid) {
    grid.newGrid(3, 3, true);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            grid.cellAt(row, column).setFilledLetter(0);
    grid.refresh();
}

class EditorFixture {
public:
    // The settings file lives in a folder of the test's own, so no test sees another's
    // defaults.
    explicit EditorFixture(QStringList arguments = {QStringLiteral("gridsmith")})
        : app(arguments, &dialogs, QFile::encodeName(temp.filePath("tessaran.ini")).toStdString()) {
    }

    GridViewWindows& view() { return app.gridView(); }
    Grid& grid() { return app.gridView().grid(); }
    TessaranFrameWindow& frame() { return app.frame(); }
    QAction* action(int number) { return frame().commandAction(number); }
    // Triggers the command's action as the menu or accelerator would.
    void trigger(int number) {
        frame().updateCommandStates();
        action(number)->trigger();
    }
    QString title() { return frame().windowTitle(); }
    QString tempPath(const char* name) { return temp.filePath(QString::fromLatin1(name)); }

    QTemporaryDir temp;
    ScriptedDialogsWindows dialogs;
    TessaranAppWindows app;
};

// Each window is laid out whole: no label, button or list narrower than it needs, none
// outside the window. With TESSARAN_SCREENSHOT_DIR set, each is saved there as a picture.
inline void checkLayout(QWidget& window, const char* file) {
    window.show();
    QCoreApplication::processEvents();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible() ||
            (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLabel*>(control) &&
             !qobject_cast<QComboBox*>(control)))
            continue;
        EXPECT_GE(control->width(), control->minimumSizeHint().width())
            << file << " " << control->objectName().toStdString();
        EXPECT_TRUE(
            window.rect().contains(QRect(control->mapTo(&window, QPoint(0, 0)), control->size())))
            << file << " " << control->objectName().toStdString();
    }
    const QString folder = qEnvironmentVariable("TESSARAN_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + QLatin1String(file));
}

}  // namespace tessaran

// Readable QString values in test failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
