#include "app/UnchModelViewWindows.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "app/PropertiesViewWindows.h"
#include "app/Settings.h"

namespace tessaran {
namespace {

constexpr int kRowsPerColumn = 5;
constexpr int kFieldLength = 4;

QLineEdit* makeField(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(kFieldLength);
    // Wide enough for the longest entry and no wider, whatever the font.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

void showText(QLineEdit* edit, const std::string& value) {
    // Only a real change: the edit being typed in keeps its caret.
    if (edit->text() != text(value))
        edit->setText(text(value));
}

}  // namespace

UnchModelViewWindows::UnchModelViewWindows(GridViewWindows& gridView, Settings& settings,
                                           QWidget* parent)
    : QDialog(parent), m_gridView(gridView), m_settings(settings), m_form(gridView.grid()) {
    setObjectName(QStringLiteral("unchModelDialog"));
    setWindowTitle(tr("Unch Model"));

    auto* unching = new QGroupBox(tr("Unching"), this);
    auto* rows = new QGridLayout(unching);
    rows->setHorizontalSpacing(6);
    for (int length = 1; length <= UnchModelForm::kLengths; ++length) {
        const int row = (length - 1) % kRowsPerColumn;
        const int column = (length - 1) / kRowsPerColumn * 6;
        auto* lengthLabel = new QLabel(QString::number(length), unching);
        lengthLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lengthLabel->setMinimumWidth(
            lengthLabel->fontMetrics().horizontalAdvance(QStringLiteral("15")) + 4);
        QLineEdit* min = makeField(unching, QStringLiteral("min%1").arg(length));
        QLineEdit* max = makeField(unching, QStringLiteral("max%1").arg(length));
        m_min[length - 1] = min;
        m_max[length - 1] = max;
        rows->addWidget(lengthLabel, row, column);
        rows->addWidget(new QLabel(tr("Min:"), unching), row, column + 1);
        rows->addWidget(min, row, column + 2);
        rows->addWidget(new QLabel(tr("Max:"), unching), row, column + 3);
        rows->addWidget(max, row, column + 4);
        if ((length - 1) / kRowsPerColumn < 2)
            rows->setColumnMinimumWidth(column + 5, 14);
        connect(min, &QLineEdit::textEdited, this, [this, length](const QString& typed) {
            m_form.setMinText(length, typed.toStdString());
            m_form.setCustomized(true, m_gridView.grid());
            showForm();
        });
        connect(max, &QLineEdit::textEdited, this, [this, length](const QString& typed) {
            m_form.setMaxText(length, typed.toStdString());
            m_form.setCustomized(true, m_gridView.grid());
            showForm();
        });
    }

    m_consecutive = makeField(this, QStringLiteral("consecutive"));
    connect(m_consecutive, &QLineEdit::textEdited, this, [this](const QString& typed) {
        m_form.setConsecutiveText(typed.toStdString());
        m_form.setCustomized(true, m_gridView.grid());
        showForm();
    });
    auto* consecutiveLabel = new QLabel(tr("Maximum Consecutive Unches:"), this);
    consecutiveLabel->setBuddy(m_consecutive);

    m_customized = new QCheckBox(tr("Customized"), this);
    m_customized->setObjectName(QStringLiteral("customized"));
    connect(m_customized, &QCheckBox::clicked, this, [this](bool checked) {
        m_form.setCustomized(checked, m_gridView.grid());
        showForm();
    });

    auto* limits = new QHBoxLayout;
    limits->addWidget(consecutiveLabel);
    limits->addWidget(m_consecutive);
    limits->addSpacing(24);
    limits->addWidget(m_customized);
    limits->addStretch(1);

    auto* presets = new QGroupBox(tr("Presets"), this);
    auto* presetLayout = new QHBoxLayout(presets);
    const std::pair<UnchPreset, const char*> presetButtons[] = {
        {UnchPreset::None, "presetNone"},
        {UnchPreset::Blocked, "presetBlocked"},
        {UnchPreset::XimeneanBarred, "presetXimeneanBarred"},
        {UnchPreset::FullyChecked, "presetFullyChecked"},
    };
    for (const auto& [preset, name] : presetButtons) {
        auto* button =
            new QPushButton(QString::fromLatin1(unchPresetValues(preset).caption), presets);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        presetLayout->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, preset = preset] {
            m_form.choosePreset(preset);
            showForm();
        });
    }

    auto* buttons = settingsDialogButtonsWindows(
        *this, [this] { apply(); }, [this] { saveAsDefaults(); },
        [this] {
            if (m_helpHandler)
                m_helpHandler(command::UnchModel);
        },
        &m_help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(unching);
    layout->addLayout(limits);
    layout->addWidget(presets);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showForm();
}

void UnchModelViewWindows::setHelpHandler(std::function<void(int)> handler) {
    m_helpHandler = std::move(handler);
    m_help->setEnabled(static_cast<bool>(m_helpHandler));
}

void UnchModelViewWindows::showForm() {
    for (int length = 1; length <= UnchModelForm::kLengths; ++length) {
        showText(m_min[length - 1], m_form.minText(length));
        showText(m_max[length - 1], m_form.maxText(length));
    }
    showText(m_consecutive, m_form.consecutiveText());
    m_customized->setChecked(m_form.isCustomized());
}

void UnchModelViewWindows::apply() {
    // The lights are as they were, so the grid window would repaint no cell of its own
    // accord; but the arrows that show each light's unching may all have changed.
    if (m_form.apply(m_gridView.grid()))
        m_gridView.viewChanged();
    showForm();
}

bool UnchModelViewWindows::saveAsDefaults() {
    apply();
    const bool saved = saveAsDefaultsWindows(m_gridView, m_settings, &Settings::saveGuidelines);
    // The grid's own model is now the default: the fields stay, "Customized" clears.
    m_form.setCustomized(false, m_gridView.grid());
    showForm();
    return saved;
}

}  // namespace tessaran
