#include "app/CellPropertiesViewWindows.h"

#include "app/GridViewWindows.h"
#include "grid/Cell.h"
#include "grid/Grid.h"

namespace tessaran {
namespace {

const CellCorner kCorners[] = {CellCorner::NorthEast, CellCorner::SouthEast, CellCorner::SouthWest};

}  // namespace

CellPropertiesViewWindows::CellPropertiesViewWindows(GridViewWindows& gridView, QWidget* parent)
    : SelectionPropertiesViewWindows<Cell>(gridView, tr("Cell Properties"), parent) {
    setObjectName(QStringLiteral("cellProperties"));
    DialogsWindows& dialogs = gridView.dialogs();

    m_blockTypeBox = named(new PVWCheckBox(tr("Block type:"), this), "blockTypeBox");
    m_blockType = named(new PVWEnumeration({tr("Foreground"), tr("Hole")}, this), "blockType");
    m_numberBox = named(new PVWCheckBox(tr("Number:"), this), "numberBox");
    m_number = named(new PVWEdit(kMaxEdit, this), "number");
    const char* cornerNames[] = {"northEastNumber", "southEastNumber", "southWestNumber"};
    for (int i = 0; i < 3; ++i)
        m_corners[i] = named(new PVWEdit(kMaxEdit, this), cornerNames[i]);
    m_textBox = named(new PVWCheckBox(tr("Text:"), this), "textBox");
    m_text = named(new PVWEdit(kMaxEdit, this), "text");
    m_backgroundBox = named(new PVWCheckBox(tr("Background:"), this), "backgroundBox");
    m_background = named(new PVWColourButton(dialogs, this), "background");
    m_textFontBox = named(new PVWCheckBox(tr("Text font:"), this), "textFontBox");
    m_textFont = named(new PVWFontButton(dialogs, this), "textFont");

    addRow(form(), m_blockTypeBox, m_blockType);
    addRow(form(), m_numberBox, m_number);
    addRow(form(), tr("NE Number:"), m_corners[0]);
    addRow(form(), tr("SE Number:"), m_corners[1]);
    addRow(form(), tr("SW Number:"), m_corners[2]);
    addRow(form(), m_textBox, m_text);
    addRow(form(), m_backgroundBox, m_background);
    addRow(form(), m_textFontBox, m_textFont);
    m_number->setMinimumWidth(m_number->fontMetrics().averageCharWidth() * 24);

    // Block type: only a cell in no light has one of its own.
    connect(m_blockTypeBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const int shownType = m_blockType->value();
        change([ticked, shownType](Cell& cell) { cell.setBlockType(ticked ? shownType : -1); });
    });
    connect(m_blockType, &PVWEnumeration::chosen, this,
            [this](int type) { change([type](Cell& cell) { cell.setBlockType(type); }); });

    // The main number: a ticked box with an empty edit is an empty number, which keeps
    // automatic numbering out of the cell.
    bindEdit(
        m_numberBox, m_number,
        [](Cell& cell, const std::string& number) { cell.setNumber(CellCorner::Main, number); },
        [](Cell& cell) { cell.clearNumber(CellCorner::Main); });
    // A corner number has no box: an empty edit is no number.
    for (int i = 0; i < 3; ++i)
        bindEdit(m_corners[i], [corner = kCorners[i]](Cell& cell, const std::string& number) {
            if (number.empty())
                cell.clearNumber(corner);
            else
                cell.setNumber(corner, number);
        });
    bindEdit(m_textBox, m_text, &Cell::setText, &Cell::clearText);
    bind(m_backgroundBox, m_background, &Cell::setBackgroundColour, &Cell::clearBackgroundColour);
    bind(m_textFontBox, m_textFont, &Cell::setTextFont, &Cell::clearTextFont);
}

Cell* CellPropertiesViewWindows::selected() {
    return gridView().selectedCell();
}

QString CellPropertiesViewWindows::titleFor(const Cell& cell) const {
    return tr("Cell Properties - row %1, col %2").arg(cell.row() + 1).arg(cell.column() + 1);
}

void CellPropertiesViewWindows::loadFrom(const Cell& cell) {
    const Grid& grid = cell.grid();
    const ViewSettings& view = gridView().viewSettings();

    // A light cell takes its block type from nothing: the list stays but cannot change.
    const bool ownBlockType = cell.blockType() >= 0;
    m_blockTypeBox->setTicked(ownBlockType);
    m_blockType->setValue(ownBlockType ? cell.blockType()
                                       : grid.settingValue(GridSetting::BlockType));
    m_blockTypeBox->setEnabled(!cell.inAnyLight());
    m_blockType->setEnabled(!cell.inAnyLight());

    showOwn(m_numberBox, m_number, cell.number(CellCorner::Main), cell.shownNumber());
    for (int i = 0; i < 3; ++i)
        showEdit(m_corners[i], cell.number(kCorners[i]));
    showOwn(m_textBox, m_text, cell.text(), cell.shownText());
    showOwn(m_backgroundBox, m_background, cell.backgroundColour(),
            view.backgroundColour().value());
    showOwn(m_textFontBox, m_textFont, cell.textFont(), view.textFont().value());
}

}  // namespace tessaran
