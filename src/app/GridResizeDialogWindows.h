#pragma once
// "Grid Resize": how many columns and rows to add or delete at the selected cell.

#include <QDialog>

#include "app/GridResizeRequest.h"

class QRadioButton;
class QSpinBox;

namespace tessaran {

class GridResizeDialogWindows : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaximumCount = 999;  // three digits

    explicit GridResizeDialogWindows(QWidget* parent = nullptr);

    // The counts and actions as chosen.
    GridResizeRequest request() const;

private:
    QSpinBox* m_columns;
    QSpinBox* m_rows;
    QRadioButton* m_columnActions[3];
    QRadioButton* m_rowActions[3];
};

}  // namespace tessaran
