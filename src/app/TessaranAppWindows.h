#pragma once
// The editor application: builds the grid window (which opens the grid named on the
// command line, or a new one), the frame around it and the services it uses, in the
// start-up order, and shows the frame.

#include <QStringList>

#include <memory>

namespace tessaran {

class DialogsWindows;
class GridViewWindows;
class TessaranFrameWindow;
class WordSearchToolsWindows;

class TessaranAppWindows {
public:
    // arguments as QCoreApplication::arguments() gives them: the program, then an
    // optional grid file (further arguments are ignored). dialogs, when given, replaces
    // the real dialogs (tests) and must outlive the application.
    explicit TessaranAppWindows(const QStringList& arguments, DialogsWindows* dialogs = nullptr);
    ~TessaranAppWindows();
    TessaranAppWindows(const TessaranAppWindows&) = delete;
    TessaranAppWindows& operator=(const TessaranAppWindows&) = delete;

    GridViewWindows& gridView() { return *m_gridView; }
    TessaranFrameWindow& frame() { return *m_frame; }
    WordSearchToolsWindows& wordSearchTools() { return *m_wordSearchTools; }
    DialogsWindows& dialogs() { return *m_dialogs; }

    // Shows the frame as its placement says (maximised or not).
    void show();

private:
    std::unique_ptr<DialogsWindows> m_ownDialogs;
    DialogsWindows* m_dialogs;
    std::unique_ptr<TessaranFrameWindow> m_frame;
    GridViewWindows* m_gridView = nullptr;  // owned by the frame through its scroll area
    std::unique_ptr<WordSearchToolsWindows> m_wordSearchTools;  // goes before the frame
    bool m_showMaximised = false;
};

}  // namespace tessaran
