#pragma once
// "Unch Model": the grid's limits on unchecked cells for light lengths 1 to 15, the
// longest run of unches, four ready-made models, and "Save As Defaults". A modal dialog
// over UnchModelForm; Apply and OK change the grid at once.

#include <QDialog>

#include <array>
#include <functional>

#include "app/UnchModelForm.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tessaran {

class GridViewWindows;
class Settings;

class UnchModelViewWindows : public QDialog {
    Q_OBJECT
public:
    // Edits the grid of gridView; settings writes the guidelines group. Both must outlive
    // the dialog.
    UnchModelViewWindows(GridViewWindows& gridView, Settings& settings, QWidget* parent = nullptr);

    const UnchModelForm& form() const { return m_form; }

    // "&Apply": the fields go to the grid.
    void apply();
    // "&Save As Defaults": apply, then the grid's model becomes the program's default and
    // is written to the settings file. Answers whether the file was written; when it was
    // not, the user is told.
    bool saveAsDefaults();

    // Called with the help context when "&Help" is pressed; without one the button is
    // disabled.
    void setHelpHandler(std::function<void(int context)> handler);

private:
    void showForm();

    GridViewWindows& m_gridView;
    Settings& m_settings;
    UnchModelForm m_form;
    std::array<QLineEdit*, UnchModelForm::kLengths> m_min{};
    std::array<QLineEdit*, UnchModelForm::kLengths> m_max{};
    QLineEdit* m_consecutive = nullptr;
    QCheckBox* m_customized = nullptr;
    QPushButton* m_help = nullptr;
    std::function<void(int)> m_helpHandler;
};

}  // namespace tessaran
