#include "grid/Light.h"

#include <algorithm>

#include "grid/Cell.h"
#include "grid/TextFields.h"

namespace tessaran {

Light::Light(Grid& grid, std::vector<Cell*> cells, int stepColumn, int stepRow)
    : m_grid(&grid), m_cells(std::move(cells)), m_stepColumn(stepColumn), m_stepRow(stepRow) {
    attachAll();
    updateFillState();
}

Light::~Light() {
    detachAll();
}

void Light::attachAll() {
    for (size_t i = 0; i < m_cells.size(); ++i)
        m_cells[i]->attach(this, static_cast<int>(i));
}

void Light::detachAll() {
    for (Cell* cell : m_cells)
        cell->detach(this);
}

LightSpec Light::spec() const {
    const Cell& first = firstCell();
    const Cell& last = lastCell();
    return LightSpec{first.column(), first.row(),  last.column(),
                     last.row(),     m_stepColumn, m_stepRow};
}

void Light::setCells(std::vector<Cell*> cells, int stepColumn, int stepRow) {
    detachAll();
    m_cells = std::move(cells);
    m_stepColumn = stepColumn;
    m_stepRow = stepRow;
    attachAll();
    invalidateFillEvaluation();
    updateFillState();
}

bool Light::removeCell(const Cell& cell) {
    auto it = std::find(m_cells.begin(), m_cells.end(), &cell);
    if (it != m_cells.end()) {
        detachAll();
        m_cells.erase(it);
        attachAll();
        invalidateFillEvaluation();
        updateFillState();
    }
    return m_cells.size() < 2;
}

void Light::setNumber(std::string_view number) {
    m_number = withoutLineBreaks(number);
}

void Light::setText(std::string_view text) {
    if (text.empty())
        m_text.reset();
    else
        m_text = withoutLineBreaks(text);
    invalidateFillEvaluation();
}

void Light::clearText() {
    m_text.reset();
    invalidateFillEvaluation();
}

int Light::textPosition(const Cell& cell) const {
    int position = 0;
    for (const Cell* c : m_cells) {
        if (c == &cell)
            return position;
        position += c->textLength();
    }
    return -1;
}

std::string Light::textAt(const Cell& cell) const {
    const int position = textPosition(cell);
    if (!m_text || position < 0 || position >= static_cast<int>(m_text->size()))
        return {};
    return m_text->substr(position, cell.textLength());
}

void Light::placeText(const Cell& cell, std::string_view characters) {
    const int position = textPosition(cell);
    if (position < 0)
        return;
    // Sanitised first, so that the text grows by exactly what is written into it.
    const std::string placed = withoutLineBreaks(characters);
    std::string text = m_text.value_or(std::string());
    const size_t end = position + placed.size();
    if (text.size() < end)
        text.resize(end, '.');
    text.replace(position, placed.size(), placed);
    while (!text.empty() && text.back() == '.')
        text.pop_back();
    setText(text);
}

void Light::updateFillState() {
    int state = 1;
    for (const Cell* c : m_cells) {
        int kind = 3;
        if (c->shownText())
            kind = 0;
        else if (c->fixedLetter() != kNoLetter)
            kind = 1;
        else if (c->filledLetter() != kNoLetter)
            kind = 2;
        state = std::max(state, kind);
    }
    m_fillState = state;
}

}  // namespace tessaran
