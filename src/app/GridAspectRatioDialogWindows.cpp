#include "app/GridAspectRatioDialogWindows.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaran {
namespace {

// Takes any three-digit entry, but its arrows step only within the grid sizes.
class GridSizeSpinBox : public QSpinBox {
public:
    explicit GridSizeSpinBox(QWidget* parent) : QSpinBox(parent) {
        setRange(0, 999);
        setAccelerated(true);
    }
    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps, GridAspectRatioDialogWindows::kMinimumSize,
                            GridAspectRatioDialogWindows::kMaximumSize));
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() < GridAspectRatioDialogWindows::kMaximumSize)
            enabled |= StepUpEnabled;
        if (value() > GridAspectRatioDialogWindows::kMinimumSize)
            enabled |= StepDownEnabled;
        return enabled;
    }
};

int clampSize(int value) {
    return std::clamp(value, GridAspectRatioDialogWindows::kMinimumSize,
                      GridAspectRatioDialogWindows::kMaximumSize);
}

}  // namespace

GridAspectRatioDialogWindows::GridAspectRatioDialogWindows(int columns, int rows, bool allLights,
                                                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("gridAspectRatioDialog"));
    setWindowTitle(tr("Grid Aspect Ratio"));

    m_columns = new GridSizeSpinBox(this);
    m_columns->setObjectName(QStringLiteral("columns"));
    m_columns->setValue(columns);
    m_rows = new GridSizeSpinBox(this);
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setValue(rows);

    auto* sizes = new QFormLayout;
    sizes->addRow(tr("Number of columns:"), m_columns);
    sizes->addRow(tr("Number of rows:"), m_rows);

    auto* startWith = new QGroupBox(tr("Start with"), this);
    m_noLights = new QRadioButton(tr("No lights"), startWith);
    m_noLights->setObjectName(QStringLiteral("noLights"));
    m_allLights = new QRadioButton(tr("All lights"), startWith);
    m_allLights->setObjectName(QStringLiteral("allLights"));
    (allLights ? m_allLights : m_noLights)->setChecked(true);
    auto* startLayout = new QVBoxLayout(startWith);
    startLayout->addWidget(m_noLights);
    startLayout->addWidget(m_allLights);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* saveDefaults =
        buttons->addButton(tr("&Save As Defaults"), QDialogButtonBox::ActionRole);
    saveDefaults->setObjectName(QStringLiteral("saveAsDefaults"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(saveDefaults, &QPushButton::clicked, this, [this] {
        if (m_saveAsDefaults)
            m_saveAsDefaults(typedColumns(), typedRows(), this->allLights());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sizes);
    layout->addWidget(startWith);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int GridAspectRatioDialogWindows::typedColumns() const {
    return m_columns->value();
}

int GridAspectRatioDialogWindows::typedRows() const {
    return m_rows->value();
}

int GridAspectRatioDialogWindows::columns() const {
    return clampSize(typedColumns());
}

int GridAspectRatioDialogWindows::rows() const {
    return clampSize(typedRows());
}

bool GridAspectRatioDialogWindows::allLights() const {
    return m_allLights->isChecked();
}

}  // namespace tessaran
