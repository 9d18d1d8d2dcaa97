#pragma once
// The Grid menu's tools: Dimensions, Unch Model, Statistics and Resize. Registers their
// commands with the grid window and runs them; owns the statistics window, which stays
// open beside the grid once shown.

#include <QObject>
#include <QPointer>

#include <functional>

#include "app/GridStatisticsViewWindows.h"

namespace tessaran {

class GridViewWindows;
class Settings;

class GridToolsWindows : public QObject {
    Q_OBJECT
public:
    // gridView and settings must outlive this object; the commands are registered at once
    // and removed again when it goes.
    GridToolsWindows(GridViewWindows& gridView, Settings& settings, QObject* parent = nullptr);
    ~GridToolsWindows() override;

    // The commands, as the menu runs them.
    void dimensions();
    void unchModel();
    void statistics();
    void resize();

    // The statistics window, once Statistics has been chosen.
    GridStatisticsViewWindows* statisticsWindow() const { return m_statistics; }

    // Who shows help for the dialogs' "&Help" buttons (a help context number).
    void setHelpHandler(std::function<void(int context)> handler);

private:
    GridViewWindows& m_gridView;
    Settings& m_settings;
    QPointer<GridStatisticsViewWindows> m_statistics;
    std::function<void(int)> m_help;
};

}  // namespace tessaran
