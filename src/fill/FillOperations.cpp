#include "fill/FillOperations.h"

#include <string>

#include "dictionary/Dictionary.h"
#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

// The longest word a commit writes: the dictionary holds no longer words.
constexpr size_t kMaxCommittedLength = 31;

// The light's word as the grid shows it: each cell's shown text, else the display
// character of its filled letter, else ".".
std::string displayedWord(const Light& light, const Dictionary& dictionary) {
    std::string word;
    for (const Cell* cell : light.cells()) {
        if (cell->shownText()) {
            word += *cell->shownText();
        } else {
            const std::uint8_t letter =
                cell->fixedLetter() != kNoLetter ? cell->fixedLetter() : cell->filledLetter();
            word += letter < kNoLetter ? dictionary.displayChar(letter) : '.';
        }
        if (word.size() >= kMaxCommittedLength)
            break;
    }
    if (word.size() > kMaxCommittedLength)
        word.resize(kMaxCommittedLength);
    return word;
}

void commitLight(Light& light, const Dictionary& dictionary) {
    light.setText(displayedWord(light, dictionary));
}

void clearFilledLetters(Grid& grid) {
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            grid.cellAt(r, c).setFilledLetter(kNoLetter);
}

}  // namespace

void undoFill(Grid& grid) {
    clearFilledLetters(grid);
    grid.refresh();
}

void commitFill(Grid& grid, const Dictionary& dictionary) {
    for (Light* light : grid.lights())
        if (light->fillState() == 2)
            commitLight(*light, dictionary);
    undoFill(grid);
}

void commitLightFill(Grid& grid, Light& light, const Dictionary& dictionary) {
    if (light.fillState() == 2)
        commitLight(light, dictionary);
    grid.refresh();
}

void undoLightFill(Grid& grid, Light& light) {
    int cleared = 0;
    for (Cell* cell : light.cells()) {
        const Light* other = grid.otherLight(*cell, &light);
        if (!other || other->fillState() == 3) {
            cell->setFilledLetter(kNoLetter);
            ++cleared;
        }
    }
    if (cleared == 0)
        for (Cell* cell : light.cells())
            cell->setFilledLetter(kNoLetter);
    grid.refresh();
}

void clearLight(Grid& grid, Light& light) {
    light.clearText();
    for (Cell* cell : light.cells())
        cell->setFilledLetter(kNoLetter);
    grid.refresh();
}

}  // namespace tessaran
