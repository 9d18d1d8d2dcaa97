#pragma once
// The word search window and the dictionary lookup of one grid window. Made once when the
// editor is assembled: registers the Word Search and Lookup commands, makes the word
// search window on first use, and keeps it attached to the selected light and compiled
// against the grid's dictionary.

#include <QPointer>

#include <functional>
#include <memory>
#include <string>

#include "wordsearch/WyxViewWindows.h"

class QWidget;

namespace tessaran {

class DictionaryLookupWindows;
class GridViewWindows;
class Settings;

class WordSearchToolsWindows {
public:
    // frame parents the word search window; settings gives the lookup table and the
    // folder of wyx.ini (beside tessaran.ini); help shows the manual at a context.
    WordSearchToolsWindows(GridViewWindows& gridView, QWidget* frame, const Settings& settings,
                           std::function<void(int context)> help = {});
    ~WordSearchToolsWindows();
    WordSearchToolsWindows(const WordSearchToolsWindows&) = delete;
    WordSearchToolsWindows& operator=(const WordSearchToolsWindows&) = delete;

    DictionaryLookupWindows& lookup() { return *m_lookup; }
    // The word search window, or nullptr before its first use.
    WyxViewWindows* wordSearch() const { return m_wordSearch; }
    // The Word Search command: makes the window when needed, attaches it to the selected
    // light (or none) and brings it up.
    void showWordSearch();

private:
    GridViewWindows& m_gridView;
    QWidget* m_frame;
    std::string m_wyxIniPath;
    std::function<void(int)> m_help;
    std::unique_ptr<DictionaryLookupWindows> m_lookup;
    QPointer<WyxViewWindows> m_wordSearch;
};

}  // namespace tessaran
