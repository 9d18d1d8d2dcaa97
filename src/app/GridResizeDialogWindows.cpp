#include "app/GridResizeDialogWindows.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessaran {
namespace {

QSpinBox* makeCount(QWidget* parent, const QString& name) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(0, GridResizeDialogWindows::kMaximumCount);
    spin->setValue(0);
    return spin;
}

QGroupBox* makeActions(QWidget* parent, const QString& title, const char* const texts[3],
                       const char* const names[3], QRadioButton* buttons[3]) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new QRadioButton(QObject::tr(texts[i]), group);
        buttons[i]->setObjectName(QString::fromLatin1(names[i]));
        layout->addWidget(buttons[i]);
    }
    buttons[0]->setChecked(true);
    return group;
}

ResizeAction chosenAction(QRadioButton* const buttons[3]) {
    if (buttons[2]->isChecked())
        return ResizeAction::Delete;
    if (buttons[1]->isChecked())
        return ResizeAction::AddAfter;
    return ResizeAction::AddBefore;
}

}  // namespace

GridResizeDialogWindows::GridResizeDialogWindows(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("gridResizeDialog"));
    setWindowTitle(tr("Grid Resize"));

    m_columns = makeCount(this, QStringLiteral("columns"));
    m_rows = makeCount(this, QStringLiteral("rows"));

    static const char* const kColumnTexts[3] = {"Add cells to left of selection",
                                                "Add cells to right of selection",
                                                "Delete cells at and to right of selection"};
    static const char* const kColumnNames[3] = {"addLeft", "addRight", "deleteColumns"};
    static const char* const kRowTexts[3] = {"Add cells above selection",
                                             "Add cells below selection",
                                             "Delete cells at and below selection"};
    static const char* const kRowNames[3] = {"addAbove", "addBelow", "deleteRows"};

    auto* columnForm = new QFormLayout;
    columnForm->addRow(tr("Number of columns:"), m_columns);
    auto* columnGroup =
        makeActions(this, tr("Column Action"), kColumnTexts, kColumnNames, m_columnActions);
    auto* rowForm = new QFormLayout;
    rowForm->addRow(tr("Number of rows:"), m_rows);
    auto* rowGroup = makeActions(this, tr("Row Action"), kRowTexts, kRowNames, m_rowActions);

    auto* columnSide = new QVBoxLayout;
    columnSide->addLayout(columnForm);
    columnSide->addWidget(columnGroup);
    auto* rowSide = new QVBoxLayout;
    rowSide->addLayout(rowForm);
    rowSide->addWidget(rowGroup);
    auto* sides = new QHBoxLayout;
    sides->addLayout(columnSide);
    sides->addLayout(rowSide);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

GridResizeRequest GridResizeDialogWindows::request() const {
    GridResizeRequest request;
    request.columns = m_columns->value();
    request.columnAction = chosenAction(m_columnActions);
    request.rows = m_rows->value();
    request.rowAction = chosenAction(m_rowActions);
    return request;
}

}  // namespace tessaran
