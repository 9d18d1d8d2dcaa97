#include "app/TessaranAppWindows.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <string>
#include <vector>

#include "app/DialogsWindows.h"
#include "app/DictionaryLookupWindows.h"
#include "app/ExportWindows.h"
#include "app/FillToolsWindows.h"
#include "app/GridToolsWindows.h"
#include "app/GridViewWindows.h"
#include "app/HelpWindows.h"
#include "app/PrintWindows.h"
#include "app/PropertyDialogsWindows.h"
#include "app/ResourcesWindows.h"
#include "app/RunningPropertiesViewWindows.h"
#include "app/TessaranFrameWindows.h"
#include "app/WordSearchToolsWindows.h"
#include "grid/GridFile.h"

namespace tessaran {

TessaranAppWindows::TessaranAppWindows(const QStringList& arguments, DialogsWindows* dialogs,
                                       std::optional<std::string> iniPath)
    : m_ownDialogs(dialogs ? nullptr : std::make_unique<DialogsWindows>()),
      m_dialogs(dialogs ? dialogs : m_ownDialogs.get()) {
    QCoreApplication::setApplicationName(QStringLiteral("Tessaran"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaran.gridsmith"));
    initResourcesWindows();

    // The grid window first: it owns the grid and the settings, which open the file named
    // on the command line (a second argument is ignored) or make a new grid.
    auto gridView = std::make_unique<GridViewWindows>(
        *m_dialogs, iniPath ? std::move(*iniPath) : defaultIniPath());
    std::vector<std::string> gridArguments;
    if (arguments.size() > 1)
        gridArguments.push_back(QFile::encodeName(arguments.at(1)).toStdString());
    ScreenSize screen{1024, 768};
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen = {primary->geometry().width(), primary->geometry().height()};
    const SettingsLoadResult loaded = gridView->start(gridArguments, screen);
    m_startReadResult = loaded.gridReadResult;

    // The frame takes the grid window into its scroll area and so owns it.
    m_gridView = gridView.get();
    m_frame = std::make_unique<TessaranFrameWindow>(*gridView.release());
    m_gridView->stateChanged();  // the title for the grid just opened
    // The property windows register their commands; the grid window owns them.
    new PropertyDialogsWindows(*m_gridView, m_gridView->settings());
    m_export = std::make_unique<ExportCommandWindows>(*m_gridView);
    m_print = std::make_unique<PrintCommandWindows>(*m_gridView);

    const WindowPlacement& p = loaded.placement;
    m_frame->applyPlacement(false, QRect(p.left, p.top, p.width, p.height));
    m_showMaximised = p.maximised;
    m_frame->setPlacementStore([this](bool maximised, const QRect& geometry) {
        m_gridView->settings().saveWindow(
            {maximised, geometry.left(), geometry.top(), geometry.width(), geometry.height()});
    });
    m_frame->setHelpHandler([this](int context) {
        HelpWindows& window = help();
        if (context == TessaranFrameWindow::kHelpContents)
            window.showContents();
        else if (context == TessaranFrameWindow::kHelpOnHelp)
            window.showHowToUseHelp();
        else
            window.showContext(context);
        window.show();
        window.raise();
        window.activateWindow();
    });

    // The Grid menu's Dimensions, Unch Model, Statistics and Resize.
    m_gridTools = std::make_unique<GridToolsWindows>(*m_gridView, m_gridView->settings());
    m_gridTools->setHelpHandler([this](int context) {
        HelpWindows& window = help();
        window.showContext(context);
        window.show();
        window.raise();
    });

    // The help handler the tool windows share.
    const auto showHelp = [this](int context) {
        HelpWindows& window = help();
        window.showContext(context);
        window.show();
        window.raise();
    };

    // The Filling menu's progress window, Filling Properties and the Kill List.
    m_fillTools = std::make_unique<FillToolsWindows>(*m_gridView, m_frame.get(), showHelp);

    // The Filling menu's Word Search and the Edit menu's Lookup.
    m_wordSearchTools = std::make_unique<WordSearchToolsWindows>(*m_gridView, m_frame.get(),
                                                                 m_gridView->settings(), showHelp);
    // The fill progress window's Lookup goes through the same lookup as the Edit menu's.
    m_fillTools->progress().setLookup(
        [this](const QString& word) { m_wordSearchTools->lookup().lookUpText(word); });
}

TessaranAppWindows::~TessaranAppWindows() {
    m_wordSearchTools.reset();
    m_fillTools.reset();
}

HelpWindows& TessaranAppWindows::help() {
    if (!m_help)
        m_help = std::make_unique<HelpWindows>();
    return *m_help;
}

void TessaranAppWindows::show() {
    if (m_showMaximised)
        m_frame->showMaximized();
    else
        m_frame->show();
    m_gridView->setFocus();
    // A grid named on the command line that could not be read is not passed over in
    // silence: the new grid in its place would look like a lost file.
    if (m_startReadResult > 0) {
        const bool information = GridFile::readResultIsInformation(m_startReadResult);
        m_gridView->showMessage(QString::fromLatin1(GridFile::kReadCaption),
                                QString::fromLatin1(GridFile::readMessage(m_startReadResult)),
                                MessageButtons::Ok,
                                information ? MessageIcon::Information : MessageIcon::Exclamation);
        m_startReadResult = -1;
    }
}

}  // namespace tessaran
