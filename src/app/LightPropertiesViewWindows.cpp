#include "app/LightPropertiesViewWindows.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "app/GridViewWindows.h"
#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"
#include "grid/LightDescription.h"

namespace tessaran {
namespace {

std::string latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace

std::string LightPropertiesViewWindows::lightText(std::string_view typed) {
    std::string text(typed);
    while (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

LightPropertiesViewWindows::LightPropertiesViewWindows(GridViewWindows& gridView, QWidget* parent)
    : PropertiesViewWindows(gridView, tr("Light Properties"), parent) {
    setObjectName(QStringLiteral("lightProperties"));
    DialogsWindows& dialogs = gridView.dialogs();

    m_numberBox = new PVWCheckBox(tr("Number:"), this);
    m_numberBox->setObjectName(QStringLiteral("numberBox"));
    m_number = new PVWEdit(kMaxEdit, this);
    m_number->setObjectName(QStringLiteral("number"));
    m_textFontBox = new PVWCheckBox(tr("Text font:"), this);
    m_textFontBox->setObjectName(QStringLiteral("textFontBox"));
    m_textFont = new PVWFontButton(dialogs, this);
    m_textFont->setObjectName(QStringLiteral("textFont"));
    m_backgroundBox = new PVWCheckBox(tr("Background:"), this);
    m_backgroundBox->setObjectName(QStringLiteral("backgroundBox"));
    m_background = new PVWColourButton(dialogs, this);
    m_background->setObjectName(QStringLiteral("background"));
    m_text = new PVWEdit(kMaxEdit, this);
    m_text->setObjectName(QStringLiteral("text"));

    // The controls sit on a page of their own that is greyed without a selection: the
    // window itself is enabled and disabled by the grid window around modal work.
    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("content"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_content);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* layout = new QVBoxLayout(m_content);
    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    addRow(form, m_numberBox, m_number);
    addRow(form, m_textFontBox, m_textFont);
    addRow(form, m_backgroundBox, m_background);
    addRow(form, tr("Text:"), m_text);
    layout->addLayout(form);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 28);

    connect(m_numberBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const std::string number = latin1(m_number->text());
        changeLight([ticked, number](Light& light) {
            if (ticked)
                light.setNumber(number);
            else
                light.clearNumber();
        });
    });
    connect(m_number, &PVWEdit::edited, this, [this](const QString& text) {
        changeLight([number = latin1(text)](Light& light) { light.setNumber(number); }, m_number);
    });
    connect(m_number, &PVWEdit::finished, this, [this] { endTyping(); });

    connect(m_textFontBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const FontSpec font = m_textFont->font();
        changeLight([ticked, font](Light& light) {
            if (ticked)
                light.setTextFont(font);
            else
                light.clearTextFont();
        });
    });
    connect(m_textFont, &PVWFontButton::chosen, this, [this](const FontSpec& font) {
        changeLight([font](Light& light) { light.setTextFont(font); });
    });
    connect(m_backgroundBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const Colour colour = m_background->colour();
        changeLight([ticked, colour](Light& light) {
            if (ticked)
                light.setBackgroundColour(colour);
            else
                light.clearBackgroundColour();
        });
    });
    connect(m_background, &PVWColourButton::chosen, this, [this](Colour colour) {
        changeLight([colour](Light& light) { light.setBackgroundColour(colour); });
    });

    connect(m_text, &PVWEdit::edited, this, [this](const QString& typed) {
        changeLight([text = lightText(latin1(typed))](Light& light) { light.setText(text); },
                    m_text);
    });
    connect(m_text, &PVWEdit::finished, this, [this] { endTyping(); });
}

void LightPropertiesViewWindows::changeLight(const std::function<void(Light&)>& change,
                                             const QObject* typing) {
    Light* light = gridView().selectedLight();
    if (!light)
        return;
    applyChange(
        [this, light, &change] {
            change(*light);
            gridView().grid().refresh();
        },
        typing);
}

void LightPropertiesViewWindows::clearControls() {
    for (PVWCheckBox* box : {m_numberBox, m_textFontBox, m_backgroundBox})
        box->setTicked(false);
    for (PVWEdit* edit : {m_number, m_text})
        edit->showText(QString());
}

void LightPropertiesViewWindows::load() {
    const Light* light = gridView().selectedLight();
    if (!light) {
        setWindowTitle(tr("Light Properties"));
        clearControls();
        m_content->setEnabled(false);
        return;
    }
    setWindowTitle(tr("Light Properties - ") + QString::fromLatin1(lightDescription(*light)));
    m_content->setEnabled(true);
    const ViewSettings& view = gridView().viewSettings();

    // Without a number of its own the light shows the one its first cell carries.
    m_numberBox->setTicked(light->number().has_value());
    if (!isTyping(m_number))
        m_number->showText(QString::fromLatin1(
            light->number().value_or(light->firstCell().shownNumber().value_or(std::string()))));
    m_textFontBox->setTicked(light->textFont().has_value());
    m_textFont->setScale(screenScale());
    m_textFont->setFont(light->textFont().value_or(view.textFont().value()));
    m_backgroundBox->setTicked(light->backgroundColour().has_value());
    m_background->setColour(light->backgroundColour().value_or(view.backgroundColour().value()));
    if (!isTyping(m_text))
        m_text->showText(QString::fromLatin1(light->text().value_or(std::string())));
}

}  // namespace tessaran
