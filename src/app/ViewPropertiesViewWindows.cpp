#include "app/ViewPropertiesViewWindows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

#include "app/GridViewWindows.h"
#include "app/Settings.h"

namespace tessaran {

ViewPropertiesViewWindows::ViewPropertiesViewWindows(GridViewWindows& gridView, Settings& settings,
                                                     QWidget* parent)
    : PropertiesViewWindows(gridView, tr("View Properties"), parent), m_settings(settings) {
    setObjectName(QStringLiteral("viewProperties"));
    setTakesCheckpoints(false);
    DialogsWindows& dialogs = gridView.dialogs();

    m_zoom = new PVWEnumeration({tr("100%"), tr("150%"), tr("75%"), tr("50%")}, this);
    m_zoom->setObjectName(QStringLiteral("zoom"));
    m_arrows = new PVWEnumeration({tr("Never"), tr("If unching out of range"), tr("Always")}, this);
    m_arrows->setObjectName(QStringLiteral("arrowMode"));
    m_frequency = new PVWEnumeration({tr("Slow"), tr("Medium"), tr("Fast")}, this);
    m_frequency->setObjectName(QStringLiteral("fillSyncFrequency"));
    m_underunched = new PVWColourButton(dialogs, this);
    m_underunched->setObjectName(QStringLiteral("underunchedColour"));
    m_overunched = new PVWColourButton(dialogs, this);
    m_overunched->setObjectName(QStringLiteral("overunchedColour"));
    m_mainBranch = new PVWColourButton(dialogs, this);
    m_mainBranch->setObjectName(QStringLiteral("mainBranchFillingColour"));
    m_sideBranch = new PVWColourButton(dialogs, this);
    m_sideBranch->setObjectName(QStringLiteral("sideBranchFillingColour"));

    auto* layout = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    addRow(form, tr("Zoom To"), m_zoom);
    addRow(form, tr("Light Direction Arrows Shown"), m_arrows);
    addRow(form, tr("Filling Redisplay Frequency"), m_frequency);
    addRow(form, tr("Underunched Color:"), m_underunched);
    addRow(form, tr("Overunched Color:"), m_overunched);
    addRow(form, tr("Main Branch Filling Color:"), m_mainBranch);
    addRow(form, tr("Side Branch Filling Color:"), m_sideBranch);
    layout->addLayout(form);
    auto* save = new QPushButton(tr("&Save As Defaults"), this);
    save->setObjectName(QStringLiteral("saveAsDefaults"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ViewSettings& view = gridView.viewSettings();
    connect(m_zoom, &PVWEnumeration::chosen, this, [this, &view](int index) {
        changeView([&view, index] { view.zoomFactor = kZoomFactors[index]; });
        // The font samples of the other property windows follow the zoom.
        emit this->gridView().gridModified();
    });
    connect(m_arrows, &PVWEnumeration::chosen, this, [this, &view](int index) {
        changeView([&view, index] { view.arrowMode = static_cast<ArrowMode>(index); });
    });
    connect(m_frequency, &PVWEnumeration::chosen, this, [this](int index) {
        changeView([this, index] { m_settings.fillSyncFrequency = index; });
    });
    const auto colour = [this](PVWColourButton* button, Colour ViewSettings::*member) {
        connect(button, &PVWColourButton::chosen, this, [this, member](Colour chosen) {
            changeView(
                [this, member, chosen] { this->gridView().viewSettings().*member = chosen; });
        });
    };
    colour(m_underunched, &ViewSettings::underunchedColour);
    colour(m_overunched, &ViewSettings::overunchedColour);
    colour(m_mainBranch, &ViewSettings::mainBranchFillingColour);
    colour(m_sideBranch, &ViewSettings::sideBranchFillingColour);
    connect(save, &QPushButton::clicked, this,
            [this] { saveAsDefaultsWindows(this->gridView(), m_settings, &Settings::saveView); });
}

int ViewPropertiesViewWindows::zoomIndex(int zoomFactor) {
    for (size_t i = 0; i < std::size(kZoomFactors); ++i)
        if (kZoomFactors[i] == zoomFactor)
            return static_cast<int>(i);
    return 0;
}

int ViewPropertiesViewWindows::frequencyIndex(int fillSyncFrequency) {
    return fillSyncFrequency < 1 ? 0 : fillSyncFrequency == 1 ? 1 : 2;
}

void ViewPropertiesViewWindows::changeView(const std::function<void()>& change) {
    applyChange([this, &change] {
        change();
        gridView().viewChanged();
    });
}

void ViewPropertiesViewWindows::load() {
    const ViewSettings& view = gridView().viewSettings();
    m_zoom->setValue(zoomIndex(view.zoomFactor));
    m_arrows->setValue(static_cast<int>(view.arrowMode));
    m_frequency->setValue(frequencyIndex(m_settings.fillSyncFrequency));
    m_underunched->setColour(view.underunchedColour);
    m_overunched->setColour(view.overunchedColour);
    m_mainBranch->setColour(view.mainBranchFillingColour);
    m_sideBranch->setColour(view.sideBranchFillingColour);
}

}  // namespace tessaran
