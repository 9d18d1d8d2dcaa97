#include "app/LightPropertiesViewWindows.h"

#include "app/GridViewWindows.h"
#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"
#include "grid/LightDescription.h"

namespace tessaran {

std::string LightPropertiesViewWindows::lightText(std::string_view typed) {
    std::string text(typed);
    while (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

LightPropertiesViewWindows::LightPropertiesViewWindows(GridViewWindows& gridView, QWidget* parent)
    : SelectionPropertiesViewWindows<Light>(gridView, tr("Light Properties"), parent) {
    setObjectName(QStringLiteral("lightProperties"));
    DialogsWindows& dialogs = gridView.dialogs();

    m_numberBox = named(new PVWCheckBox(tr("Number:"), this), "numberBox");
    m_number = named(new PVWEdit(kMaxEdit, this), "number");
    m_textFontBox = named(new PVWCheckBox(tr("Text font:"), this), "textFontBox");
    m_textFont = named(new PVWFontButton(dialogs, this), "textFont");
    m_backgroundBox = named(new PVWCheckBox(tr("Background:"), this), "backgroundBox");
    m_background = named(new PVWColourButton(dialogs, this), "background");
    m_text = named(new PVWEdit(kMaxEdit, this), "text");

    addRow(form(), m_numberBox, m_number);
    addRow(form(), m_textFontBox, m_textFont);
    addRow(form(), m_backgroundBox, m_background);
    addRow(form(), tr("Text:"), m_text);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 28);

    bindEdit(m_numberBox, m_number, &Light::setNumber, &Light::clearNumber);
    bind(m_textFontBox, m_textFont, &Light::setTextFont, &Light::clearTextFont);
    bind(m_backgroundBox, m_background, &Light::setBackgroundColour, &Light::clearBackgroundColour);
    bindEdit(m_text,
             [](Light& light, const std::string& typed) { light.setText(lightText(typed)); });
}

Light* LightPropertiesViewWindows::selected() {
    return gridView().selectedLight();
}

QString LightPropertiesViewWindows::titleFor(const Light& light) const {
    return tr("Light Properties - ") + QString::fromLatin1(lightDescription(light));
}

void LightPropertiesViewWindows::loadFrom(const Light& light) {
    const ViewSettings& view = gridView().viewSettings();
    // Without a number of its own the light shows the one its first cell carries.
    showOwn(m_numberBox, m_number, light.number(), light.firstCell().shownNumber());
    showOwn(m_textFontBox, m_textFont, light.textFont(), view.textFont().value());
    showOwn(m_backgroundBox, m_background, light.backgroundColour(),
            view.backgroundColour().value());
    showEdit(m_text, light.text());
}

}  // namespace tessaran
