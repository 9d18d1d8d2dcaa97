#pragma once

#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/Colour.h"
#include "grid/Direction.h"
#include "grid/Font.h"
#include "grid/LightPosition.h"

namespace tessaran {

class Cell;
class Grid;

// The fill's cached scores of a light (owned by the fill engine); reset whenever a letter
// in the light changes.
struct FillEvaluation {
    static constexpr int kNotComputed = INT_MIN;
    int plausibility = kNotComputed;
    int priority = kNotComputed;
    int openCrossings = -1;
};

// One answer slot: a straight run of cells across or down, in reading order. The grid owns
// its lights (see Grid's light table); a light only refers to its cells, and keeps each
// cell's lightA/lightB and index up to date as cells join and leave it.
//
// The light text holds one character per position, "." for an unknown one. A cell whose
// own text has k characters takes k positions of every light through it, so a cell's
// position in the text is the sum of textLength() over the cells before it.
class Light {
public:
    static constexpr int kMaxLength = 50;

    // Attaches each cell at its index. REQUIRES: cells form a straight run in the given
    // step with at most kMaxLength cells, none already in a light of this orientation.
    Light(Grid& grid, std::vector<Cell*> cells, int stepColumn, int stepRow);
    // Detaches every cell.
    ~Light();
    Light(const Light&) = delete;
    Light& operator=(const Light&) = delete;

    Grid& grid() const { return *m_grid; }
    int length() const { return static_cast<int>(m_cells.size()); }
    const std::vector<Cell*>& cells() const { return m_cells; }
    Cell& cell(int index) const { return *m_cells[index]; }
    Cell& firstCell() const { return *m_cells.front(); }
    Cell& lastCell() const { return *m_cells.back(); }

    int stepColumn() const { return m_stepColumn; }
    int stepRow() const { return m_stepRow; }
    Direction direction() const { return directionOfStep(m_stepRow); }
    bool isReversed() const { return m_stepColumn < 0 || m_stepRow < 0; }
    // Read from the first and last cells and the step.
    LightSpec spec() const;

    // Replaces the cells and step, detaching the old cells and attaching the new ones.
    // The number, text, colour and font stay. Same REQUIRES as the constructor.
    void setCells(std::vector<Cell*> cells, int stepColumn, int stepRow);
    // Detaches cell and closes the gap (the cells behind it move up one position).
    // Returns true when fewer than 2 cells remain (the caller then deletes the light).
    bool removeCell(const Cell& cell);

    // The light's own number: absent, empty (suppresses its automatic number) or a text.
    const std::optional<std::string>& number() const { return m_number; }
    void setNumber(std::string_view number);
    void clearNumber() { m_number.reset(); }

    // The answer as entered; never empty (an empty text is stored as absent).
    const std::optional<std::string>& text() const { return m_text; }
    void setText(std::string_view text);
    void clearText();

    const std::optional<Colour>& backgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(Colour colour) { m_backgroundColour = colour; }
    void clearBackgroundColour() { m_backgroundColour.reset(); }

    const std::optional<FontSpec>& textFont() const { return m_textFont; }
    void setTextFont(const FontSpec& font) { m_textFont = font; }
    void clearTextFont() { m_textFont.reset(); }

    // Position of cell in the light text, or -1 when the cell is not in this light.
    int textPosition(const Cell& cell) const;
    // The cell's share of the light text: from its position, textLength() characters or
    // as many as the text still has; empty when there is no text or it ends before the
    // position.
    std::string textAt(const Cell& cell) const;
    // Writes characters into the light text at the cell's position, padding with "." as
    // needed, then drops trailing "."; a text left empty becomes absent. Nothing happens
    // when the cell is not in this light.
    void placeText(const Cell& cell, std::string_view characters);

    // 1: every cell has shown text or a fixed letter; 2: no cell empty but some has only a
    // filled letter; 3: some cell is empty. Grid::refresh recomputes it; the fill also
    // writes it directly while it runs.
    int fillState() const { return m_fillState; }
    void setFillState(int state) { m_fillState = state; }
    void updateFillState();

    FillEvaluation& fillEvaluation() { return m_fillEvaluation; }
    const FillEvaluation& fillEvaluation() const { return m_fillEvaluation; }
    void invalidateFillEvaluation() { m_fillEvaluation = FillEvaluation{}; }

    // length x (length - 1) / 2: the light's base index into per-position tables.
    int positionBase() const { return length() * (length() - 1) / 2; }

private:
    void attachAll();
    void detachAll();

    Grid* m_grid;
    std::vector<Cell*> m_cells;
    std::optional<std::string> m_number;
    std::optional<std::string> m_text;
    std::optional<Colour> m_backgroundColour;
    std::optional<FontSpec> m_textFont;
    int m_stepColumn;
    int m_stepRow;
    int m_fillState = 3;
    FillEvaluation m_fillEvaluation;
};

}  // namespace tessaran
