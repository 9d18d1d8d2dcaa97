#pragma once
// The editor application: builds the grid window (which opens the grid named on the
// command line, or a new one), the frame around it and the services it uses, in the
// start-up order, and shows the frame.

#include <QStringList>

#include <memory>
#include <optional>
#include <string>

namespace tessaran {

class DialogsWindows;
class FillToolsWindows;
class GridToolsWindows;
class ExportCommandWindows;
class PrintCommandWindows;
class GridViewWindows;
class HelpWindows;
class TessaranFrameWindow;
class WordSearchToolsWindows;

class TessaranAppWindows {
public:
    // arguments as QCoreApplication::arguments() gives them: the program, then an
    // optional grid file (further arguments are ignored). dialogs, when given, replaces
    // the real dialogs (tests) and must outlive the application; iniPath, when given,
    // replaces the settings file's usual place.
    explicit TessaranAppWindows(const QStringList& arguments, DialogsWindows* dialogs = nullptr,
                                std::optional<std::string> iniPath = std::nullopt);
    ~TessaranAppWindows();
    TessaranAppWindows(const TessaranAppWindows&) = delete;
    TessaranAppWindows& operator=(const TessaranAppWindows&) = delete;

    GridViewWindows& gridView() { return *m_gridView; }
    FillToolsWindows& fillTools() { return *m_fillTools; }
    TessaranFrameWindow& frame() { return *m_frame; }
    WordSearchToolsWindows& wordSearchTools() { return *m_wordSearchTools; }
    DialogsWindows& dialogs() { return *m_dialogs; }
    HelpWindows& help();
    GridToolsWindows& gridTools() { return *m_gridTools; }

    // Shows the frame as its placement says (maximised or not), then says so when the grid
    // named on the command line could not be read.
    void show();

private:
    std::unique_ptr<DialogsWindows> m_ownDialogs;
    DialogsWindows* m_dialogs;
    std::unique_ptr<TessaranFrameWindow> m_frame;
    GridViewWindows* m_gridView = nullptr;  // owned by the frame through its scroll area
    std::unique_ptr<HelpWindows> m_help;    // made when first asked for
    // Declared after the frame, so that it goes first and its windows with it.
    std::unique_ptr<GridToolsWindows> m_gridTools;
    // Commands carried out by windows of their own; they go before the frame does.
    std::unique_ptr<ExportCommandWindows> m_export;
    std::unique_ptr<PrintCommandWindows> m_print;
    std::unique_ptr<FillToolsWindows> m_fillTools;  // declared after the frame: goes first
    std::unique_ptr<WordSearchToolsWindows> m_wordSearchTools;  // goes before the frame
    bool m_showMaximised = false;
    int m_startReadResult = -1;  // the command line's grid file, as read at start-up
};

}  // namespace tessaran
