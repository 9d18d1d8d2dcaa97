#pragma once
// The filling windows of one grid window: the fill progress window, Filling Properties
// and the Kill List. Made once when the editor is assembled; registers the commands that
// open them and routes their Help buttons.

#include <functional>
#include <memory>

class QWidget;

namespace tessaran {

class FillingPropertiesViewWindows;
class GridViewWindows;
class KillListViewWindows;
class RunningPropertiesViewWindows;

class FillToolsWindows {
public:
    // frame is the window disabled while a fill runs; help shows the manual at a context.
    FillToolsWindows(GridViewWindows& gridView, QWidget* frame,
                     std::function<void(int context)> help = {});
    ~FillToolsWindows();
    FillToolsWindows(const FillToolsWindows&) = delete;
    FillToolsWindows& operator=(const FillToolsWindows&) = delete;

    RunningPropertiesViewWindows& progress() { return *m_progress; }
    FillingPropertiesViewWindows& fillingProperties() { return *m_filling; }
    KillListViewWindows& killList() { return *m_killList; }

private:
    GridViewWindows& m_gridView;
    std::unique_ptr<RunningPropertiesViewWindows> m_progress;
    std::unique_ptr<FillingPropertiesViewWindows> m_filling;
    std::unique_ptr<KillListViewWindows> m_killList;
};

}  // namespace tessaran
