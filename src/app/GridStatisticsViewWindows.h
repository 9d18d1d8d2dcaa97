#pragma once
// "Grid Statistics": the grid's size, its lights, checked and unchecked cells, the lights
// that break the unch model and the spread of light lengths. A tool window beside the grid
// that recomputes itself whenever the grid changes.

#include <QWidget>

#include <array>
#include <functional>

#include "grid/GridStatistics.h"

class QPushButton;

namespace tessaran {

class GridViewWindows;

class GridStatisticsViewWindows : public QWidget {
    Q_OBJECT
public:
    explicit GridStatisticsViewWindows(GridViewWindows& gridView, QWidget* parent = nullptr);

    // Shows and raises the window, with the figures of the grid as it is now.
    void showWindow();
    // Recomputes every field (the grid window calls it after each change while the window
    // is open).
    void recompute();

    // The text a field shows (the distribution's bars as the window draws them).
    QString fieldText(StatisticsField field) const;

    void setHelpHandler(std::function<void(int context)> handler);

    // The character the window draws for one bar of the distribution.
    static QChar barCharacter() { return QChar(0x2588); }
    // A statistics text as the window shows it.
    static QString displayText(const std::string& text);

private:
    GridViewWindows& m_gridView;
    std::array<QWidget*, kStatisticsFieldCount> m_fields{};
    QPushButton* m_help = nullptr;
    std::function<void(int)> m_helpHandler;
};

}  // namespace tessaran
