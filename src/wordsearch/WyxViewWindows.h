#pragma once
// The Word Search window: a pattern box, Start / Stop / Continue, the count and progress
// of a run, the matches, and the buttons that act on them (Commit into the attached light,
// Lookup, Export to the clipboard, Setup of the search's settings). The run scans the
// dictionary a cursor call at a time and lets the events run in between, so Stop, Close
// and the other buttons reach it while it runs.

#include <QAbstractListModel>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "wordsearch/MatchEngine.h"
#include "wordsearch/WyxSettings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;

namespace tessaran {

class GridViewWindows;
class Light;
class SearchRun;
class WyxProgressBar;

// The run states; the numbers are the ones the help and tests speak of.
enum class WyxRunState {
    Disabled = 0,  // the pattern does not compile, or there is no valid dictionary
    Ready = 1,
    Running = 2,
    Stopped = 3,  // resumable
    Closing = 4,  // the window was closed during a run; resumable
};

// The matches as the list shows them: the words' stored bytes (Latin-1), in dictionary
// order or, sorted, in alphabetical order with equal words in the order they came.
class WyxMatchModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void clear();
    // Adds words in the order they arrived; sorted, merges them into place keeping the
    // selection and current item on their words.
    void add(std::vector<std::string> words, bool sorted);
    const std::string& word(int row) const { return m_words[static_cast<size_t>(row)]; }
    const std::vector<std::string>& words() const { return m_words; }

private:
    std::vector<std::string> m_words;
};

class WyxViewWindows : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 4250;

    // settingsPath is wyx.ini, read now and written only by the properties' "Save As
    // Defaults".
    WyxViewWindows(GridViewWindows& gridView, std::string settingsPath, QWidget* parent = nullptr);
    ~WyxViewWindows() override;

    // Works for light (or none): the caption names it, the pattern box takes its cells'
    // typed text (unchanged without a light), all selected, and the pattern is compiled.
    void attach(Light* light);
    Light* attachedLight() const { return m_light; }

    // Compiles the pattern box's text with the expansions against the grid's dictionary.
    // A run under way or stopped is given up: the new pattern starts afresh.
    void recompile();
    // Recompiles when the grid's dictionary is no longer the one compiled against.
    void dictionaryMayHaveChanged();

    WyxRunState runState() const { return m_state; }
    // The Start / Stop / Continue button's action in the current state.
    void startStopContinue();

    // The buttons' actions; each acts only when it is enabled and answers whether it did.
    bool commit();
    bool lookup();
    bool exportMatches();
    // The editor's Copy while the keyboard focus is in this window: Export.
    Q_INVOKABLE bool copy() { return exportMatches(); }

    // How often, in milliseconds, a run lets waiting events in between its cursor calls
    // (0: after every call). Letting them in costs far more than a call, so by default
    // it happens often enough for Stop and Close to feel immediate and no more.
    void setEventInterval(int milliseconds) { m_eventInterval = milliseconds; }
    static constexpr int kDefaultEventInterval = 15;

    // Where Lookup sends the selected match; without it the button stays disabled.
    void setLookup(std::function<bool(const QString&)> lookup);

    const WyxSettings& settings() const { return m_settings; }
    const std::string& settingsPath() const { return m_settingsPath; }
    // The properties' OK: lengths into the engine (clamped), fonts onto the pattern box
    // and the list, then recompile.
    void applySettings(const WyxSettings& settings);
    // Opens the properties dialog through the grid window's dialog seam.
    void openProperties();

    QString patternText() const;
    void setPatternText(const QString& text);
    // The earlier patterns, newest first.
    QStringList patternHistory() const;
    // The matches in list order, as shown.
    QStringList matches() const;
    WyxMatchModel& matchModel() { return *m_model; }
    const MatchEngine& engine() const { return m_engine; }
    WyxProgressBar& progressBar() { return *m_progress; }

signals:
    void helpRequested(int context);
    // The run went from one state to another.
    void runStateChanged(tessaran::WyxRunState state);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void run();
    void flushMatches();
    void setState(WyxRunState state);
    void updateButtons();
    void updateCaption();
    std::vector<int> selectedRows() const;
    void focusPattern();

    GridViewWindows& m_gridView;
    std::string m_settingsPath;
    WyxSettings m_settings;
    MatchEngine m_engine;
    std::unique_ptr<SearchRun> m_run;
    std::vector<std::string> m_pending;  // matches not yet in the list
    Light* m_light = nullptr;
    WyxRunState m_state = WyxRunState::Disabled;
    int m_eventInterval = kDefaultEventInterval;
    bool m_stopRequested = false;
    bool m_abandonRun = false;
    bool m_patternChanging = false;
    std::string m_compiledFor;  // the dictionary the pattern was compiled against
    std::string m_alertedFor;   // the invalid dictionary already complained of
    std::function<bool(const QString&)> m_lookup;

    QComboBox* m_pattern;
    QPushButton* m_start;
    QLabel* m_count;
    WyxProgressBar* m_progress;
    QGroupBox* m_matchesGroup;
    QListView* m_list;
    WyxMatchModel* m_model;
    QPushButton* m_commit;
    QPushButton* m_lookupButton;
    QPushButton* m_export;
    QPushButton* m_help;
    QPushButton* m_setup;
    QPushButton* m_close;
};

}  // namespace tessaran
