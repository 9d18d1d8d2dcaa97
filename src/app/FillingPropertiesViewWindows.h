#pragma once
// The Filling Properties window: the grid's four fill settings, each with its override
// box, and the dictionary the grid fills from, with a summary of it. It stays open beside
// the grid and follows every change of the grid.

#include <QString>

#include <functional>
#include <string>

#include "app/PropertiesViewWindows.h"
#include "grid/Grid.h"

class QLabel;

namespace tessaran {

class FillingPropertiesViewWindows : public PropertiesViewWindows {
    Q_OBJECT
public:
    explicit FillingPropertiesViewWindows(GridViewWindows& gridView, QWidget* parent = nullptr);

signals:
    void helpRequested(int context);

protected:
    void load() override;

private:
    // Before the dictionary changes: with provisionally filled lights, asks whether they
    // may be lost and clears them. False when the user cancels.
    bool confirmDictionaryChange();
    void fileToggled(bool ticked);
    void changeDictionary();
    void saveAsDefaults();
    void typeCommonality(GridSetting setting, const QString& text, const QObject* edit);
    void stepCommonality(GridSetting setting, int steps);
    void overrideToggled(GridSetting setting, bool ticked);
    void choose(GridSetting setting, int value);

    PVWCheckBox* m_fileBox;
    QLineEdit* m_fileName;
    QPushButton* m_change;
    QLabel* m_description;
    QLabel* m_entries;
    QLabel* m_shortest;
    QLabel* m_longest;
    PVWCheckBox* m_firstWordBox;
    PVWEnumeration* m_firstWord;
    PVWCheckBox* m_startModeBox;
    PVWEnumeration* m_startMode;
    PVWCheckBox* m_normalBox;
    PVWSpin* m_normal;
    PVWCheckBox* m_unchBox;
    PVWSpin* m_unch;
    PVWEnumeration* m_method;
};

}  // namespace tessaran
