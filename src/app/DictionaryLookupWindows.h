#pragma once
// The dictionary lookup's ways on Linux, for the grid window's Lookup command, the word
// search's Lookup button and the fill progress window's:
//   - service and topic: a method call on the session bus (see busMethodFor) with the word
//     as its one string argument, answered within ten seconds;
//   - window title and command: under X11, the word goes on the clipboard and the window
//     with that title gets the command (X11WindowCommandWindows);
//   - command line: the program started directly, the word one of its arguments.
// The failure message goes through the grid window's dialog seam.

#include <QObject>
#include <QString>

#include "app/DictionaryLookup.h"

namespace tessaran {

class GridViewWindows;

class DictionaryLookupWindows : public QObject, public DictionaryLookup {
    Q_OBJECT
public:
    // Registers the Lookup command with the grid window for as long as this object lives.
    explicit DictionaryLookupWindows(GridViewWindows& gridView, QObject* parent = nullptr);
    ~DictionaryLookupWindows() override;

    // The grid window's Lookup: the selected light's word, nothing without one.
    void lookUpSelectedLight();
    // A word shown by a window (Latin-1 as the model keeps it).
    bool lookUpText(const QString& word);

    // Plain text on the clipboard for the windows' copy commands.
    static void putTextOnClipboard(const QString& text);

    ServiceCallResult callService(const std::string& service, const std::string& topic,
                                  const std::string& word) override;
    bool sendWindowCommand(const std::string& title, int command, const std::string& word) override;
    bool runCommand(const std::vector<std::string>& arguments) override;

protected:
    void reportFailure() override;

private:
    GridViewWindows& m_gridView;
};

}  // namespace tessaran
