#pragma once
// Vocabulary for fill tests: grids laid out from rows of "." (a light cell) and "#" (a
// block), dictionaries built from small word lists with the builder, and the words the
// lights hold after a fill.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "dictionary/TestDictionaries.h"
#include "fill/FillEngine.h"
#include "fill/FillRandom.h"
#include "grid/Grid.h"
#include "grid/GridTestSupport.h"

namespace tessaran::testing {

// Answers every progress report with a fixed answer after a number of calls, and counts
// the calls.
struct ScriptedView : GridView {
    int progressCalls = 0;
    int abandonAfter = -1;  // answer 3 from this many placements on
    int fillProgress(const FillView*, const Light* light, int, int indicator) override {
        if (indicator == INT_MIN || !light)
            return 0;
        ++progressCalls;
        return abandonAfter >= 0 && progressCalls > abandonAfter ? 3 : 0;
    }
};

struct FillFixture : GridFixture {
    Dictionary dictionary;
    ScratchFolder scratch;
    FillRandom random{1};

    // Builds a dictionary of the words, stored in this order (upper and lower case fold).
    void useWords(const std::vector<std::string>& words) {
        const std::string path = scratch.file("words.lxd");
        BuildOptions inOrder;
        inOrder.sort = false;
        ASSERT_TRUE(buildDictionary(joinLines(words), path, inOrder));
        ASSERT_TRUE(dictionary.open(path));
    }

    // Makes the grid of the rows and a light for every run of two or more light cells,
    // across lights first, each in reading order.
    void layRows(const std::vector<std::string>& rows) {
        const int height = static_cast<int>(rows.size());
        const int width = static_cast<int>(rows[0].size());
        grid.setDimensions(width, height);
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width;) {
                int end = c;
                while (end < width && rows[r][end] == '.')
                    ++end;
                if (end - c >= 2)
                    across(c, r, end - c);
                c = end == c ? c + 1 : end;
            }
        for (int c = 0; c < width; ++c)
            for (int r = 0; r < height;) {
                int end = r;
                while (end < height && rows[end][c] == '.')
                    ++end;
                if (end - r >= 2)
                    down(c, r, end - r);
                r = end == r ? r + 1 : end;
            }
        grid.refresh();
    }

    NormalFillOutcome fill(Light* start = nullptr) {
        FillEngine engine(grid, dictionary, random);
        return engine.normalFill(start);
    }

    // What the light holds: each cell's shown text, else its filled letter, else ".".
    std::string word(const Light& light) const {
        std::string text;
        for (const Cell* cell : light.cells()) {
            if (cell->shownText())
                text += *cell->shownText();
            else if (cell->filledLetter() != kNoLetter)
                text += dictionary.displayChar(cell->filledLetter());
            else
                text += '.';
        }
        return text;
    }
    std::vector<std::string> words() const {
        std::vector<std::string> all;
        for (const Light* light : grid.lights())
            all.push_back(word(*light));
        return all;
    }
    // Every grid letter as rows of text ("#" for a cell in no light).
    std::vector<std::string> picture() const {
        std::vector<std::string> rows;
        for (int r = 0; r < grid.rows(); ++r) {
            std::string row;
            for (int c = 0; c < grid.columns(); ++c) {
                const Cell& cell = grid.cellAt(r, c);
                if (!cell.inAnyLight())
                    row += '#';
                else if (cell.shownText())
                    row += *cell.shownText();
                else if (cell.filledLetter() != kNoLetter)
                    row += dictionary.displayChar(cell.filledLetter());
                else
                    row += '.';
            }
            rows.push_back(row);
        }
        return rows;
    }
};

// Whether the word (display characters) is one of the dictionary's words of its length.
inline bool isDictionaryWord(Dictionary& dictionary, const std::string& word) {
    std::vector<lxd::LetterIndex> pattern;
    for (unsigned char c : word) {
        const lxd::LetterIndex letter = dictionary.letterOf(c);
        if (letter == lxd::kNoLetter)
            return false;
        pattern.push_back(letter);
    }
    InputEngine cursor(dictionary);
    if (!cursor.startPattern(pattern.data(), static_cast<int>(pattern.size())))
        return false;
    const lxd::LetterIndex* match = cursor.nextByPattern();
    while (!match)
        match = cursor.nextByPattern();
    return match[0] != lxd::kNoLetter;
}

}  // namespace tessaran::testing
