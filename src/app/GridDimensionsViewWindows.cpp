#include "app/GridDimensionsViewWindows.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "app/PropertiesViewWindows.h"
#include "app/Settings.h"

namespace tessaran {
namespace {

constexpr int kUnitIndex = static_cast<int>(DisplayDimension::UnitType);

QString label(int index) {
    return QString::fromLatin1(displayDimensionInfo(static_cast<DisplayDimension>(index)).label);
}

QString controlName(int index) {
    QString key =
        QString::fromLatin1(displayDimensionInfo(static_cast<DisplayDimension>(index)).key);
    // Settings keys in lower camel case: "CellWidth" is "cellWidth", "WHIndependent"
    // "whIndependent".
    for (qsizetype i = 0; i < key.size() && key[i].isUpper(); ++i) {
        if (i > 0 && (i + 1 >= key.size() || !key[i + 1].isUpper()))
            break;
        key[i] = key[i].toLower();
    }
    return key;
}

}  // namespace

GridDimensionsViewWindows::GridDimensionsViewWindows(GridViewWindows& gridView, Settings& settings,
                                                     QWidget* parent)
    : QDialog(parent),
      m_gridView(gridView),
      m_settings(settings),
      m_form(gridView.viewSettings().dimensions()) {
    setObjectName(QStringLiteral("gridDimensionsDialog"));
    setWindowTitle(tr("Grid Dimensions"));

    // Widths left, heights right: each pair (and each X and Y offset) on one row.
    auto* lengths = new QGroupBox(this);
    auto* lengthGrid = new QGridLayout(lengths);
    lengthGrid->setColumnMinimumWidth(2, 18);
    for (int i = 0; i < kLengthDimensionCount; ++i) {
        auto* box = new PVWCheckBox(label(i), lengths);
        box->setObjectName(controlName(i) + QStringLiteral("Box"));
        auto* spin = new PVWSpin(kEditLength, lengths);
        spin->setObjectName(controlName(i));
        spin->setAlignment(Qt::AlignRight);
        spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000")) +
                              32);
        m_boxes[i] = box;
        m_spins[i] = spin;
        const int row = i / 2;
        const int column = i % 2 * 3;
        lengthGrid->addWidget(box, row, column);
        lengthGrid->addWidget(spin, row, column + 1);

        connect(box, &PVWCheckBox::toggledByUser, this, [this, i](bool ticked) {
            m_form.setChecked(i, ticked);
            showForm();
        });
        connect(spin, &PVWSpin::edited, this, [this, i](const QString& text) {
            m_form.type(i, text.toStdString());
            showForm();
        });
        connect(spin, &PVWSpin::stepped, this, [this, i](int steps) {
            m_form.spin(i, steps);
            showForm();
        });
    }

    auto* choices = new QGroupBox(this);
    auto* choiceGrid = new QGridLayout(choices);
    choiceGrid->setColumnMinimumWidth(2, 18);
    for (int i = kLengthDimensionCount; i < kDisplayDimensionCount; ++i) {
        auto* box = new PVWCheckBox(label(i), choices);
        box->setObjectName(controlName(i) + QStringLiteral("Box"));
        QStringList texts;
        for (const char* text : dimensionChoiceTexts(static_cast<DisplayDimension>(i)))
            texts << tr(text);
        auto* list = new PVWEnumeration(texts, choices);
        list->setObjectName(controlName(i));
        m_boxes[i] = box;
        m_lists[i - kLengthDimensionCount] = list;
        const int k = i - kLengthDimensionCount;
        choiceGrid->addWidget(box, k / 2, k % 2 * 3);
        choiceGrid->addWidget(list, k / 2, k % 2 * 3 + 1);

        connect(box, &PVWCheckBox::toggledByUser, this, [this, i](bool ticked) {
            m_form.setChecked(i, ticked);
            showForm();
        });
        connect(list, &PVWEnumeration::chosen, this, [this, i](int value) {
            m_form.choose(i, value);
            showForm();
        });
    }

    auto* buttons = settingsDialogButtonsWindows(
        *this, [this] { apply(); }, [this] { saveAsDefaults(); },
        [this] {
            if (m_helpHandler)
                m_helpHandler(command::Dimensions);
        },
        &m_help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lengths);
    layout->addWidget(choices);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showForm();
}

void GridDimensionsViewWindows::setHelpHandler(std::function<void(int)> handler) {
    m_helpHandler = std::move(handler);
    m_help->setEnabled(static_cast<bool>(m_helpHandler));
}

void GridDimensionsViewWindows::showForm() {
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        m_boxes[i]->setTicked(m_form.isChecked(i));
        if (i < kLengthDimensionCount)
            m_spins[i]->showText(QString::fromStdString(m_form.text(i)));
        else
            m_lists[i - kLengthDimensionCount]->setValue(m_form.choice(i));
    }
}

void GridDimensionsViewWindows::apply() {
    DisplayDimensions& dimensions = m_gridView.viewSettings().dimensions();
    // Applying what is already in force is no edit: the grid keeps its undo and its
    // saved state.
    if (m_form.changes(dimensions)) {
        m_gridView.grid().checkpoint();
        m_form.apply(dimensions);
        m_gridView.viewChanged();
    }
    m_form.load(dimensions);
    showForm();
}

bool GridDimensionsViewWindows::saveAsDefaults() {
    apply();
    const bool saved = saveAsDefaultsWindows(m_gridView, m_settings, &Settings::saveDimensions);
    m_form.load(m_gridView.viewSettings().dimensions());
    showForm();
    return saved;
}

}  // namespace tessaran
