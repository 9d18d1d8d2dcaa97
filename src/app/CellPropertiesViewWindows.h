#pragma once
// "Cell Properties": the selected cell's own block type, numbers, text, background and
// text font. It follows the selection; with no cell selected it is empty and disabled.
// A box shows whether the cell has a value of its own; clear, the control shows what the
// cell inherits (the grid's block type, colour and font, the number and letters shown).

#include "app/PropertiesViewWindows.h"

#include "grid/Cell.h"

namespace tessaran {

class CellPropertiesViewWindows : public SelectionPropertiesViewWindows<Cell> {
    Q_OBJECT
public:
    // Longest number or text an edit takes.
    static constexpr int kMaxEdit = 98;

    explicit CellPropertiesViewWindows(GridViewWindows& gridView, QWidget* parent = nullptr);

protected:
    Cell* selected() override;
    QString titleFor(const Cell& cell) const override;
    void loadFrom(const Cell& cell) override;

private:
    PVWCheckBox* m_blockTypeBox;
    PVWEnumeration* m_blockType;
    PVWCheckBox* m_numberBox;
    PVWEdit* m_number;
    PVWEdit* m_corners[3];  // NE, SE, SW
    PVWCheckBox* m_textBox;
    PVWEdit* m_text;
    PVWCheckBox* m_backgroundBox;
    PVWColourButton* m_background;
    PVWCheckBox* m_textFontBox;
    PVWFontButton* m_textFont;
};

}  // namespace tessaran
