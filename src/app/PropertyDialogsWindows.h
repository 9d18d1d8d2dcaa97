#pragma once
// The four property windows of the grid window (View, Grid, Cell and Light Properties):
// each is made the first time its command runs, stays open beside the grid and follows
// it. Made as a child of the grid window, it registers the commands' handlers there.

#include <QObject>
#include <QPointer>

namespace tessaran {

class CellPropertiesViewWindows;
class GridPropertiesViewWindows;
class GridViewWindows;
class LightPropertiesViewWindows;
class Settings;
class ViewPropertiesViewWindows;

class PropertyDialogsWindows : public QObject {
    Q_OBJECT
public:
    // settings writes the "Save As Defaults" groups and must outlive the windows.
    PropertyDialogsWindows(GridViewWindows& gridView, Settings& settings);
    ~PropertyDialogsWindows() override;

    // The windows, made (hidden) when first asked for.
    ViewPropertiesViewWindows& viewProperties();
    GridPropertiesViewWindows& gridProperties();
    CellPropertiesViewWindows& cellProperties();
    LightPropertiesViewWindows& lightProperties();

private:
    // Where the windows belong: the frame once the grid window sits in one, so that they
    // stay above it and close with it.
    QWidget* owner() const;

    GridViewWindows& m_gridView;
    Settings& m_settings;
    QPointer<ViewPropertiesViewWindows> m_view;
    QPointer<GridPropertiesViewWindows> m_grid;
    QPointer<CellPropertiesViewWindows> m_cell;
    QPointer<LightPropertiesViewWindows> m_light;
};

}  // namespace tessaran
