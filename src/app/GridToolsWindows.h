#pragma once
// The Grid menu's tools: Unch Model, Statistics and Resize. Registers their
// commands with the grid window and runs them; owns the statistics window, which stays
// open beside the grid once shown.

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>

#include "app/GridStatisticsViewWindows.h"
#include "grid/FileReplace.h"

namespace tessaran {

class GridViewWindows;
class Settings;

// Tells the user (through the grid window) when a "Save As Defaults" could not write the
// settings file at iniPath; answers whether it was written.
bool checkDefaultsSaved(GridViewWindows& gridView, FileReplaceResult result,
                        const std::string& iniPath);

class GridToolsWindows : public QObject {
    Q_OBJECT
public:
    // gridView and settings must outlive this object; the commands are registered at once
    // and removed again when it goes.
    GridToolsWindows(GridViewWindows& gridView, Settings& settings, QObject* parent = nullptr);
    ~GridToolsWindows() override;

    // The commands, as the menu runs them.
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
