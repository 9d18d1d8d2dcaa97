#pragma once
// The Kill List window: the words automatic filling must not use, with an edit to add a
// word (kept as the dictionary's letters, other characters dropped) and a button to
// delete the selected ones. Every change takes an undo checkpoint and is made at once.

#include "app/PropertiesViewWindows.h"

class QListWidget;

namespace tessaran {

class KillListViewWindows : public PropertiesViewWindows {
    Q_OBJECT
public:
    explicit KillListViewWindows(GridViewWindows& gridView, QWidget* parent = nullptr);

    // Adds the edit's word (normalised) and clears the edit; deletes the selected words.
    void addWord();
    void deleteSelected();

signals:
    void helpRequested(int context);

protected:
    void load() override;

private:
    void updateButtons();

    QListWidget* m_words;
    QLineEdit* m_edit;
    QPushButton* m_add;
    QPushButton* m_delete;
};

}  // namespace tessaran
