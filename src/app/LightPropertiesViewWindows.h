#pragma once
// "Light Properties": the selected light's own number, text font, background and answer
// text. It follows the selection; with no light selected it is empty and disabled.

#include <string>
#include <string_view>

#include "app/PropertiesViewWindows.h"

#include "grid/Light.h"

namespace tessaran {

class LightPropertiesViewWindows : public SelectionPropertiesViewWindows<Light> {
    Q_OBJECT
public:
    static constexpr int kMaxEdit = 99;

    explicit LightPropertiesViewWindows(GridViewWindows& gridView, QWidget* parent = nullptr);

    // The light text kept for what was typed: trailing "." say nothing and go, and a text
    // left empty is none.
    static std::string lightText(std::string_view typed);

protected:
    Light* selected() override;
    QString titleFor(const Light& light) const override;
    void loadFrom(const Light& light) override;

private:
    PVWCheckBox* m_numberBox;
    PVWEdit* m_number;
    PVWCheckBox* m_textFontBox;
    PVWFontButton* m_textFont;
    PVWCheckBox* m_backgroundBox;
    PVWColourButton* m_background;
    PVWEdit* m_text;
};

}  // namespace tessaran
