#pragma once
// "Grid Properties": the grid's description, its numbering, editing and appearance
// settings, each a program default the grid may override (the label's check box), and
// a "Save As Defaults" button for each of the three groups.

#include <array>

#include "app/PropertiesViewWindows.h"
#include "grid/Grid.h"

namespace tessaran {

class GridPropertiesViewWindows : public PropertiesViewWindows {
    Q_OBJECT
public:
    // Longest description the grid takes.
    static constexpr int kMaxDescription = 254;

    GridPropertiesViewWindows(GridViewWindows& gridView, Settings& settings,
                              QWidget* parent = nullptr);

protected:
    void load() override;

private:
    // A grid setting shown as a list with its override box.
    struct SettingRow {
        GridSetting setting;
        PVWCheckBox* box;
        PVWEnumeration* list;
    };
    void addSetting(QGridLayout* form, GridSetting setting, const QString& label,
                    const QString& name, PVWEnumeration* list);
    // Applies a grid change with a checkpoint, then refreshes and repaints.
    void changeGrid(const std::function<void()>& change, const QObject* typing = nullptr);

    Settings& m_settings;
    PVWEdit* m_description;
    std::vector<SettingRow> m_settingRows;
    PVWCheckBox* m_backgroundBox;
    PVWColourButton* m_background;
    PVWCheckBox* m_foregroundBox;
    PVWColourButton* m_foreground;
    PVWCheckBox* m_numberFontBox;
    PVWFontButton* m_numberFont;
    PVWCheckBox* m_textFontBox;
    PVWFontButton* m_textFont;
};

}  // namespace tessaran
