#pragma once
// "Grid Dimensions": the fourteen lengths that shape the drawn grid in a unit of the
// user's choice, and the unit, width/height locking, bar style and grid alignment, each
// with its override box. A modal dialog over GridDimensionsForm; Apply and OK change the
// grid window's dimensions at once.

#include <QDialog>

#include <array>
#include <functional>

#include "app/GridDimensionsForm.h"

class QPushButton;

namespace tessaran {

class GridViewWindows;
class PVWCheckBox;
class PVWEnumeration;
class PVWSpin;
class Settings;

class GridDimensionsViewWindows : public QDialog {
    Q_OBJECT
public:
    // The longest text a length's edit takes (all that is read of it).
    static constexpr int kEditLength = 31;

    // Edits the dimensions of gridView; settings writes the dimensions group. Both must
    // outlive the dialog.
    GridDimensionsViewWindows(GridViewWindows& gridView, Settings& settings,
                              QWidget* parent = nullptr);

    const GridDimensionsForm& form() const { return m_form; }
    // The controls of a dimension (index as DisplayDimension).
    PVWCheckBox* box(int index) const { return m_boxes.at(index); }
    PVWSpin* spin(int index) const { return m_spins.at(index); }
    PVWEnumeration* list(int index) const { return m_lists.at(index - kLengthDimensionCount); }

    // "&Apply": an undo checkpoint when anything changes, then the dimensions, and the grid
    // window lays itself out and redraws.
    void apply();
    // "&Save As Defaults": apply, then every dimension's value becomes its default and all
    // eighteen are written to the settings file. Answers whether the file was written.
    bool saveAsDefaults();

    void setHelpHandler(std::function<void(int context)> handler);

private:
    void showForm();

    GridViewWindows& m_gridView;
    Settings& m_settings;
    GridDimensionsForm m_form;
    std::array<PVWCheckBox*, kDisplayDimensionCount> m_boxes{};
    std::array<PVWSpin*, kLengthDimensionCount> m_spins{};
    std::array<PVWEnumeration*, kDisplayDimensionCount - kLengthDimensionCount> m_lists{};
    QPushButton* m_help = nullptr;
    std::function<void(int)> m_helpHandler;
};

}  // namespace tessaran
