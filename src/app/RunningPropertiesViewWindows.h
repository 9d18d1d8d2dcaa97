#pragma once
// The fill progress window: shown while a Normal Fill or Unch Fill runs. It shows the
// level and light the fill reached, lets the user interrupt or abandon, and in manual mode
// offers the candidates of a light to choose from, kill or replace by a word of the
// user's own. It redraws the grid as the fill goes, as often as the redisplay frequency
// asks, and keeps the program answering by handling pending events at every report.
//
// The main frame stays disabled from the start of a fill until the user dismisses the
// result, so that nothing else changes the grid meanwhile.

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "app/GridViewWindows.h"
#include "fill/FillChoice.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessaran {

class RunningPropertiesViewWindows : public QWidget, public FillMonitorWindows {
    Q_OBJECT
public:
    enum class Running { Idle = 0, Running = 1, Abandoned = 2 };
    enum class Pressed { None, Next, Interrupt, Back, Abandon };

    // Attaches itself to gridView as its fill monitor; the frame is the window disabled
    // while a fill runs (gridView's own window when not given).
    explicit RunningPropertiesViewWindows(GridViewWindows& gridView, QWidget* frame = nullptr);
    ~RunningPropertiesViewWindows() override;

    // The redisplay frequency: 0 "Slow" shows placements made with full budget, 1
    // "Medium" also the first level of look-ahead, 2 "Fast" the second as well.
    // The program setting (View Properties' "Filling Redisplay Frequency").
    int syncFrequency() const { return m_gridView.settings().fillSyncFrequency; }
    void setSyncFrequency(int frequency) { m_gridView.settings().fillSyncFrequency = frequency; }
    // Where "Lookup" sends the selected word; without it the button stays disabled.
    void setLookup(std::function<void(const QString&)> lookup) { m_lookup = std::move(lookup); }

    Running running() const { return m_running; }
    QString statusText() const;
    // Whether a manual choice is open.
    bool choosing() const { return m_choosing; }
    // fillProgress calls since the window was created (tests).
    long progressCalls() const { return m_progressCalls; }

    // ---- FillMonitorWindows ----
    void fillStarting(FillKind kind) override;
    int fillProgress(const FillView* fillView, const Light* light, int level,
                     int indicator) override;
    int fillChoose(int slotCount, int target, int* scores, const Light* light, int level,
                   std::uint8_t* words, const std::uint8_t* pattern, int& chosen) override;
    void fillFinished(FillKind kind, int result, const Light* light, long seconds) override;

public slots:
    // The Edit menu's Copy while this window has the focus: the selected word.
    void copy();

signals:
    // A choice is open and waits for the user (tests answer it from here).
    void choiceOpened();
    // "Help" was pressed: the manual at this context.
    void helpRequested(int context);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A button was pressed: after the end of a fill any of them closes the window.
    void press(Pressed pressed);
    void dismiss();
    void showLight(const Light* light, int level);
    void lineSelected();
    void wordEdited();
    void killSelected();
    void lookup();
    // Next and Continue only for a word that fits the light.
    void updateTakeButtons();
    void endChoice();

    GridViewWindows& m_gridView;
    QPointer<QWidget> m_frame;
    int m_syncFrequency = 0;  // read from the settings as each fill starts
    std::function<void(const QString&)> m_lookup;

    Running m_running = Running::Idle;
    Pressed m_pressed = Pressed::None;
    bool m_choosing = false;
    long m_progressCalls = 0;
    // Screen updates and event handling during a fill: at most once per this interval.
    static constexpr qint64 kUpdateMilliseconds = 20;
    QElapsedTimer m_clock;
    qint64 m_nextUpdate = 0;
    // The open choice: the light's length and pattern.
    int m_choiceLength = 0;
    std::vector<std::uint8_t> m_choicePattern;

    QLabel* m_level;
    QLabel* m_light;
    QLabel* m_status;
    QListWidget* m_candidates;
    QLineEdit* m_selectedWord;
    QPushButton* m_lookupButton;
    QPushButton* m_killButton;
    QPushButton* m_nextButton;
    QPushButton* m_interruptButton;
    QPushButton* m_backButton;
    QPushButton* m_abandonButton;
    QPushButton* m_helpButton;
};

}  // namespace tessaran
