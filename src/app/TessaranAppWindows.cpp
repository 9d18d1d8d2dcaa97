#include "app/TessaranAppWindows.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <optional>
#include <string>

#include "app/DialogsWindows.h"
#include "app/GridViewWindows.h"
#include "app/Settings.h"
#include "app/TessaranFrameWindows.h"
#include "app/WordSearchToolsWindows.h"

namespace tessaran {

TessaranAppWindows::TessaranAppWindows(const QStringList& arguments, DialogsWindows* dialogs)
    : m_ownDialogs(dialogs ? nullptr : std::make_unique<DialogsWindows>()),
      m_dialogs(dialogs ? dialogs : m_ownDialogs.get()) {
    QCoreApplication::setApplicationName(QStringLiteral("Tessaran"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaran.gridsmith"));

    // The grid window first: it owns the grid and opens the file named on the command
    // line (a second argument is ignored), or makes a new grid.
    auto gridView = std::make_unique<GridViewWindows>(*m_dialogs);
    std::optional<std::string> path;
    if (arguments.size() > 1)
        path = QFile::encodeName(arguments.at(1)).toStdString();
    gridView->startWith(path);

    // The frame takes the grid window into its scroll area and so owns it.
    m_gridView = gridView.get();
    m_frame = std::make_unique<TessaranFrameWindow>(*gridView.release());
    m_frame->setWindowTitle(QStringLiteral("Tessaran"));
    m_gridView->stateChanged();  // the title for the grid just opened
    m_wordSearchTools = std::make_unique<WordSearchToolsWindows>(
        *m_gridView, m_frame.get(), defaultIniPath(),
        [frame = m_frame.get()](int context) { frame->showHelp(context); });
}

TessaranAppWindows::~TessaranAppWindows() {
    m_wordSearchTools.reset();
}

void TessaranAppWindows::show() {
    if (m_showMaximised)
        m_frame->showMaximized();
    else
        m_frame->show();
    m_gridView->setFocus();
}

}  // namespace tessaran
