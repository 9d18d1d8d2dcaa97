#pragma once
// "Grid Aspect Ratio": the size of a new grid and whether it starts with every light.

#include <QDialog>

#include <functional>

class QRadioButton;
class QSpinBox;

namespace tessaran {

class GridAspectRatioDialogWindows : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinimumSize = 1;
    static constexpr int kMaximumSize = 50;

    GridAspectRatioDialogWindows(int columns, int rows, bool allLights, QWidget* parent = nullptr);

    // The values as typed (up to three digits; the spin buttons keep to 1 to 50).
    int typedColumns() const;
    int typedRows() const;
    // The values a new grid takes: clamped to 1 to 50.
    int columns() const;
    int rows() const;
    bool allLights() const;

    // Pressing "&Save As Defaults" calls this with the values as typed.
    void setSaveAsDefaults(std::function<void(int columns, int rows, bool allLights)> f) {
        m_saveAsDefaults = std::move(f);
    }

private:
    QSpinBox* m_columns;
    QSpinBox* m_rows;
    QRadioButton* m_noLights;
    QRadioButton* m_allLights;
    std::function<void(int, int, bool)> m_saveAsDefaults;
};

}  // namespace tessaran
