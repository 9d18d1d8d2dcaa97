#include "app/CellPropertiesViewWindows.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "app/GridViewWindows.h"
#include "grid/Cell.h"
#include "grid/Grid.h"

namespace tessaran {
namespace {

std::string latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

QString shown(const std::optional<std::string>& text) {
    return QString::fromLatin1(text.value_or(std::string()));
}

}  // namespace

CellPropertiesViewWindows::CellPropertiesViewWindows(GridViewWindows& gridView, QWidget* parent)
    : PropertiesViewWindows(gridView, tr("Cell Properties"), parent) {
    setObjectName(QStringLiteral("cellProperties"));
    DialogsWindows& dialogs = gridView.dialogs();

    m_blockTypeBox = new PVWCheckBox(tr("Block type:"), this);
    m_blockTypeBox->setObjectName(QStringLiteral("blockTypeBox"));
    m_blockType = new PVWEnumeration({tr("Foreground"), tr("Hole")}, this);
    m_blockType->setObjectName(QStringLiteral("blockType"));
    m_numberBox = new PVWCheckBox(tr("Number:"), this);
    m_numberBox->setObjectName(QStringLiteral("numberBox"));
    m_number = new PVWEdit(kMaxEdit, this);
    m_number->setObjectName(QStringLiteral("number"));
    const char* cornerNames[] = {"northEastNumber", "southEastNumber", "southWestNumber"};
    for (int i = 0; i < 3; ++i) {
        m_corners[i] = new PVWEdit(kMaxEdit, this);
        m_corners[i]->setObjectName(QString::fromLatin1(cornerNames[i]));
    }
    m_textBox = new PVWCheckBox(tr("Text:"), this);
    m_textBox->setObjectName(QStringLiteral("textBox"));
    m_text = new PVWEdit(kMaxEdit, this);
    m_text->setObjectName(QStringLiteral("text"));
    m_backgroundBox = new PVWCheckBox(tr("Background:"), this);
    m_backgroundBox->setObjectName(QStringLiteral("backgroundBox"));
    m_background = new PVWColourButton(dialogs, this);
    m_background->setObjectName(QStringLiteral("background"));
    m_textFontBox = new PVWCheckBox(tr("Text font:"), this);
    m_textFontBox->setObjectName(QStringLiteral("textFontBox"));
    m_textFont = new PVWFontButton(dialogs, this);
    m_textFont->setObjectName(QStringLiteral("textFont"));

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
    addRow(form, m_blockTypeBox, m_blockType);
    addRow(form, m_numberBox, m_number);
    addRow(form, tr("NE Number:"), m_corners[0]);
    addRow(form, tr("SE Number:"), m_corners[1]);
    addRow(form, tr("SW Number:"), m_corners[2]);
    addRow(form, m_textBox, m_text);
    addRow(form, m_backgroundBox, m_background);
    addRow(form, m_textFontBox, m_textFont);
    layout->addLayout(form);
    m_number->setMinimumWidth(m_number->fontMetrics().averageCharWidth() * 24);

    // Block type: only a cell in no light has one of its own.
    connect(m_blockTypeBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const int shownType = m_blockType->value();
        changeCell([ticked, shownType](Cell& cell) { cell.setBlockType(ticked ? shownType : -1); });
    });
    connect(m_blockType, &PVWEnumeration::chosen, this,
            [this](int type) { changeCell([type](Cell& cell) { cell.setBlockType(type); }); });

    // The main number: a ticked box with an empty edit is an empty number, which keeps
    // automatic numbering out of the cell.
    connect(m_numberBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const std::string number = latin1(m_number->text());
        changeCell([ticked, number](Cell& cell) {
            if (ticked)
                cell.setNumber(CellCorner::Main, number);
            else
                cell.clearNumber(CellCorner::Main);
        });
    });
    connect(m_number, &PVWEdit::edited, this, [this](const QString& text) {
        changeCell(
            [number = latin1(text)](Cell& cell) { cell.setNumber(CellCorner::Main, number); },
            m_number);
    });
    connect(m_number, &PVWEdit::finished, this, [this] { endTyping(); });

    const CellCorner corners[] = {CellCorner::NorthEast, CellCorner::SouthEast,
                                  CellCorner::SouthWest};
    for (int i = 0; i < 3; ++i) {
        PVWEdit* edit = m_corners[i];
        const CellCorner corner = corners[i];
        connect(edit, &PVWEdit::edited, this, [this, edit, corner](const QString& text) {
            changeCell(
                [corner, number = latin1(text)](Cell& cell) {
                    if (number.empty())
                        cell.clearNumber(corner);
                    else
                        cell.setNumber(corner, number);
                },
                edit);
        });
        connect(edit, &PVWEdit::finished, this, [this] { endTyping(); });
    }

    connect(m_textBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const std::string text = latin1(m_text->text());
        changeCell([ticked, text](Cell& cell) {
            if (ticked)
                cell.setText(text);
            else
                cell.clearText();
        });
    });
    connect(m_text, &PVWEdit::edited, this, [this](const QString& text) {
        changeCell([t = latin1(text)](Cell& cell) { cell.setText(t); }, m_text);
    });
    connect(m_text, &PVWEdit::finished, this, [this] { endTyping(); });

    connect(m_backgroundBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const Colour colour = m_background->colour();
        changeCell([ticked, colour](Cell& cell) {
            if (ticked)
                cell.setBackgroundColour(colour);
            else
                cell.clearBackgroundColour();
        });
    });
    connect(m_background, &PVWColourButton::chosen, this, [this](Colour colour) {
        changeCell([colour](Cell& cell) { cell.setBackgroundColour(colour); });
    });
    connect(m_textFontBox, &PVWCheckBox::toggledByUser, this, [this](bool ticked) {
        const FontSpec font = m_textFont->font();
        changeCell([ticked, font](Cell& cell) {
            if (ticked)
                cell.setTextFont(font);
            else
                cell.clearTextFont();
        });
    });
    connect(m_textFont, &PVWFontButton::chosen, this, [this](const FontSpec& font) {
        changeCell([font](Cell& cell) { cell.setTextFont(font); });
    });
}

void CellPropertiesViewWindows::changeCell(const std::function<void(Cell&)>& change,
                                           const QObject* typing) {
    Cell* cell = gridView().selectedCell();
    if (!cell)
        return;
    applyChange(
        [this, cell, &change] {
            change(*cell);
            gridView().grid().refresh();
        },
        typing);
}

void CellPropertiesViewWindows::clearControls() {
    for (PVWCheckBox* box :
         {m_blockTypeBox, m_numberBox, m_textBox, m_backgroundBox, m_textFontBox})
        box->setTicked(false);
    m_blockType->setValue(-1);
    for (PVWEdit* edit : {m_number, m_corners[0], m_corners[1], m_corners[2], m_text})
        edit->showText(QString());
}

void CellPropertiesViewWindows::load() {
    const Cell* cell = gridView().selectedCell();
    if (!cell) {
        setWindowTitle(tr("Cell Properties"));
        clearControls();
        m_content->setEnabled(false);
        return;
    }
    setWindowTitle(
        tr("Cell Properties - row %1, col %2").arg(cell->row() + 1).arg(cell->column() + 1));
    m_content->setEnabled(true);
    const Grid& grid = cell->grid();
    const ViewSettings& view = gridView().viewSettings();

    // A light cell takes its block type from nothing: the list stays but cannot change.
    const bool ownBlockType = cell->blockType() >= 0;
    m_blockTypeBox->setTicked(ownBlockType);
    m_blockType->setValue(ownBlockType ? cell->blockType()
                                       : grid.settingValue(GridSetting::BlockType));
    m_blockTypeBox->setEnabled(!cell->inAnyLight());
    m_blockType->setEnabled(!cell->inAnyLight());

    const auto& number = cell->number(CellCorner::Main);
    m_numberBox->setTicked(number.has_value());
    if (!isTyping(m_number))
        m_number->showText(shown(number ? number : cell->shownNumber()));
    const CellCorner corners[] = {CellCorner::NorthEast, CellCorner::SouthEast,
                                  CellCorner::SouthWest};
    for (int i = 0; i < 3; ++i)
        if (!isTyping(m_corners[i]))
            m_corners[i]->showText(shown(cell->number(corners[i])));

    m_textBox->setTicked(cell->text().has_value());
    if (!isTyping(m_text))
        m_text->showText(shown(cell->text() ? cell->text() : cell->shownText()));

    m_backgroundBox->setTicked(cell->backgroundColour().has_value());
    m_background->setColour(cell->backgroundColour().value_or(view.backgroundColour().value()));
    m_textFontBox->setTicked(cell->textFont().has_value());
    m_textFont->setScale(screenScale());
    m_textFont->setFont(cell->textFont().value_or(view.textFont().value()));
}

}  // namespace tessaran
