#include "grid/Cell.h"

#include <algorithm>

#include "grid/Light.h"
#include "grid/TextFields.h"

namespace tessaran {

Cell::Cell(Grid& grid, int row, int column) : m_row(row), m_column(column), m_grid(&grid) {}

void Cell::setBlockType(int blockType) {
    if (inAnyLight())
        return;
    m_blockType = blockType % 2;  // keeps the sign, so -1 stays -1
}

void Cell::setNumber(CellCorner corner, std::string_view number) {
    m_numbers[static_cast<int>(corner)] = withoutLineBreaks(number);
}

void Cell::clearNumber(CellCorner corner) {
    m_numbers[static_cast<int>(corner)].reset();
}

void Cell::setText(std::string_view text) {
    m_text = withoutLineBreaks(text);
    invalidateLights();
}

void Cell::clearText() {
    m_text.reset();
    invalidateLights();
}

void Cell::invalidateLights() {
    m_filledLetter = kNoLetter;
    if (m_lightA)
        m_lightA->invalidateFillEvaluation();
    if (m_lightB)
        m_lightB->invalidateFillEvaluation();
}

int Cell::textLength() const {
    if (!m_text)
        return 1;
    return std::min(static_cast<int>(m_text->size()), kMaxTextLength);
}

void Cell::clearAll() {
    clearText();
    for (auto& number : m_numbers)
        number.reset();
    m_backgroundColour.reset();
    m_textFont.reset();
    if (!inAnyLight())
        m_blockType = -1;
}

void Cell::copyFrom(const Cell& other) {
    m_blockType = other.m_blockType;
    for (int i = 0; i < 4; ++i)
        m_numbers[i] = other.m_numbers[i];
    m_text = other.m_text;
    m_fixedLetter = other.m_fixedLetter;
    m_filledLetter = other.m_filledLetter;
    m_backgroundColour = other.m_backgroundColour;
    m_textFont = other.m_textFont;
    m_shownNumber.reset();
    m_shownText.reset();
    m_numberClash = false;
    m_textClash = false;
    m_lightA = m_lightB = nullptr;
    m_indexA = m_indexB = 0;
}

void Cell::attach(Light* light, int index) {
    if (!m_lightA) {
        m_lightA = light;
        m_indexA = index;
    } else if (!m_lightB) {
        m_lightB = light;
        m_indexB = index;
    }
}

void Cell::detach(const Light* light) {
    if (m_lightA == light) {
        m_lightA = nullptr;
        m_indexA = 0;
    }
    if (m_lightB == light) {
        m_lightB = nullptr;
        m_indexB = 0;
    }
}

int Cell::indexIn(const Light* light) const {
    if (light && m_lightA == light)
        return m_indexA;
    if (light && m_lightB == light)
        return m_indexB;
    return -1;
}

}  // namespace tessaran
