#include "app/GridPropertiesViewWindows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/GridViewWindows.h"
#include "app/Settings.h"

namespace tessaran {
namespace {

// Wires a colour or font of the view settings to its box and button: ticking overrides
// the default with the value shown, unticking returns to the default, choosing overrides.
template <typename T, typename Button, typename Chosen>
void wireOverridable(PropertiesViewWindows* window, PVWCheckBox* box, Button* button,
                     OverridableValue<T>& value, Chosen chosenSignal,
                     const std::function<void(const std::function<void()>&)>& change) {
    QObject::connect(box, &PVWCheckBox::toggledByUser, window, [&value, change](bool ticked) {
        change([&value, ticked] { value.setOverridden(ticked); });
    });
    QObject::connect(button, chosenSignal, window, [&value, change](const T& chosen) {
        change([&value, chosen] { value.setOverride(chosen); });
    });
}

}  // namespace

GridPropertiesViewWindows::GridPropertiesViewWindows(GridViewWindows& gridView, Settings& settings,
                                                     QWidget* parent)
    : PropertiesViewWindows(gridView, tr("Grid Properties"), parent), m_settings(settings) {
    setObjectName(QStringLiteral("gridProperties"));
    DialogsWindows& dialogs = gridView.dialogs();
    auto* layout = new QVBoxLayout(this);

    m_description = new PVWEdit(kMaxDescription, this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setMinimumWidth(m_description->fontMetrics().averageCharWidth() * 36);
    auto* top = new QGridLayout;
    top->setColumnStretch(1, 1);
    addRow(top, tr("Description:"), m_description);
    layout->addLayout(top);

    QGridLayout* form = nullptr;
    QPushButton* saveNumbering = nullptr;
    layout->addWidget(addGroup(tr("Automatic Numbering"), QStringLiteral("numberingGroup"), &form,
                               &saveNumbering));
    addSetting(form, GridSetting::Numbering, tr("Numbering:"), QStringLiteral("numbering"),
               new PVWEnumeration({tr("Enabled"), tr("Disabled")}));
    addSetting(form, GridSetting::NumberPosition, tr("Number Posn:"),
               QStringLiteral("numberPosition"),
               new PVWEnumeration({tr("First Cell"), tr("Top Left Cell")}));
    QGridLayout* numberingForm = form;

    QPushButton* saveEditing = nullptr;
    layout->addWidget(addGroup(tr("Editing"), QStringLiteral("editingGroup"), &form, &saveEditing));
    QGridLayout* editingForm = form;
    addSetting(form, GridSetting::DirectionMode, tr("Direction Mode:"),
               QStringLiteral("directionMode"),
               new PVWEnumeration({tr("Normalized"), tr("Unnormalized")}));
    addSetting(form, GridSetting::Symmetry, tr("Symmetry:"), QStringLiteral("symmetry"),
               new PVWSymmetry);
    addSetting(form, GridSetting::CheckingMode, tr("Checking Mode:"),
               QStringLiteral("checkingMode"),
               new PVWEnumeration({tr("Unconstrained"), tr("100%")}));

    QPushButton* saveAppearance = nullptr;
    layout->addWidget(
        addGroup(tr("Appearance"), QStringLiteral("appearanceGroup"), &form, &saveAppearance));
    m_backgroundBox = new PVWCheckBox(tr("Background:"));
    m_backgroundBox->setObjectName(QStringLiteral("backgroundBox"));
    m_background = new PVWColourButton(dialogs);
    m_background->setObjectName(QStringLiteral("background"));
    addRow(form, m_backgroundBox, m_background);
    m_foregroundBox = new PVWCheckBox(tr("Foreground:"));
    m_foregroundBox->setObjectName(QStringLiteral("foregroundBox"));
    m_foreground = new PVWColourButton(dialogs);
    m_foreground->setObjectName(QStringLiteral("foreground"));
    addRow(form, m_foregroundBox, m_foreground);
    m_numberFontBox = new PVWCheckBox(tr("Number font:"));
    m_numberFontBox->setObjectName(QStringLiteral("numberFontBox"));
    m_numberFont = new PVWFontButton(dialogs);
    m_numberFont->setObjectName(QStringLiteral("numberFont"));
    addRow(form, m_numberFontBox, m_numberFont);
    m_textFontBox = new PVWCheckBox(tr("Text font:"));
    m_textFontBox->setObjectName(QStringLiteral("textFontBox"));
    m_textFont = new PVWFontButton(dialogs);
    m_textFont->setObjectName(QStringLiteral("textFont"));
    addRow(form, m_textFontBox, m_textFont);
    addSetting(form, GridSetting::BlockType, tr("Block type:"), QStringLiteral("blockType"),
               new PVWEnumeration({tr("Foreground"), tr("Hole")}));
    alignForms({numberingForm, editingForm, form});
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const auto change = [this](const std::function<void()>& c) { changeGrid(c); };
    ViewSettings& view = gridView.viewSettings();
    wireOverridable(this, m_backgroundBox, m_background, view.backgroundColour(),
                    &PVWColourButton::chosen, change);
    wireOverridable(this, m_foregroundBox, m_foreground, view.foregroundColour(),
                    &PVWColourButton::chosen, change);
    wireOverridable(this, m_numberFontBox, m_numberFont, view.numberFont(), &PVWFontButton::chosen,
                    change);
    wireOverridable(this, m_textFontBox, m_textFont, view.textFont(), &PVWFontButton::chosen,
                    change);

    connect(m_description, &PVWEdit::edited, this, [this](const QString& text) {
        changeGrid(
            [this, text] {
                Grid& grid = this->gridView().grid();
                if (text.isEmpty())
                    grid.setDescription(std::nullopt);
                else
                    grid.setDescription(text.left(kMaxDescription).toLatin1().toStdString());
            },
            m_description);
    });
    connect(m_description, &PVWEdit::finished, this, [this] { endTyping(); });

    const auto save = [this](QPushButton* button, FileReplaceResult (Settings::*group)()) {
        connect(button, &QPushButton::clicked, this,
                [this, group] { saveAsDefaultsWindows(this->gridView(), m_settings, group); });
    };
    save(saveNumbering, &Settings::saveNumbering);
    save(saveEditing, &Settings::saveEditing);
    save(saveAppearance, &Settings::saveAppearance);
}

void GridPropertiesViewWindows::addSetting(QGridLayout* form, GridSetting setting,
                                           const QString& label, const QString& name,
                                           PVWEnumeration* list) {
    auto* box = new PVWCheckBox(label);
    box->setObjectName(name + QStringLiteral("Box"));
    list->setObjectName(name);
    addRow(form, box, list);
    m_settingRows.push_back({setting, box, list});
    GridDimension& value = gridView().grid().setting(setting);
    connect(box, &PVWCheckBox::toggledByUser, this, [this, &value](bool ticked) {
        changeGrid([&value, ticked] { value.setOverridden(ticked); });
    });
    connect(list, &PVWEnumeration::chosen, this, [this, &value](int chosen) {
        changeGrid([&value, chosen] { value.setOverride(chosen); });
    });
}

void GridPropertiesViewWindows::changeGrid(const std::function<void()>& change,
                                           const QObject* typing) {
    applyChange(
        [this, &change] {
            change();
            // Numbering settings renumber, the block type and the colours and fonts
            // change every cell's look.
            gridView().grid().refresh();
            gridView().viewChanged();
        },
        typing);
}

void GridPropertiesViewWindows::load() {
    const Grid& grid = gridView().grid();
    const ViewSettings& view = gridView().viewSettings();
    if (!isTyping(m_description))
        m_description->showText(QString::fromLatin1(grid.description().value_or(std::string())));
    for (const SettingRow& row : m_settingRows) {
        row.box->setTicked(grid.setting(row.setting).isOverridden());
        row.list->setValue(grid.settingValue(row.setting));
    }
    m_backgroundBox->setTicked(view.backgroundColour().isOverridden());
    m_background->setColour(view.backgroundColour().value());
    m_foregroundBox->setTicked(view.foregroundColour().isOverridden());
    m_foreground->setColour(view.foregroundColour().value());
    const ScreenScale scale = screenScale();
    m_numberFontBox->setTicked(view.numberFont().isOverridden());
    m_numberFont->setScale(scale);
    m_numberFont->setFont(view.numberFont().value());
    m_textFontBox->setTicked(view.textFont().isOverridden());
    m_textFont->setScale(scale);
    m_textFont->setFont(view.textFont().value());
}

}  // namespace tessaran
