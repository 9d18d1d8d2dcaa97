#pragma once
// Automatic filling of a grid from the dictionary: the normal fill (a depth-first search
// over lights, most constrained first, trying for each light the candidates whose
// crossing plausibility is nearest the commonality target), the unch fill (which changes
// only unchecked letters of a provisional fill) and the one-shot fill of a single light.
//
// Results are provisional: each placed letter goes into its cell's filledLetter and the
// light's fillState becomes 2; nothing reaches the light texts until the fill is
// committed (FillOperations.h). While it runs the engine reports to the grid's observer
// (GridView::fillProgress, and fillChoose in manual mode); without an observer it runs
// silently and a manual choice answers Abandon.
//
// The engine lives for one fill operation: make one, call one of the operations, drop it.

#include <cstdint>
#include <memory>
#include <vector>

#include "fill/FillFrame.h"
#include "fill/FillResult.h"
#include "fill/FillView.h"

namespace tessaran {

class Cell;
class Dictionary;
struct FillEvaluation;
class FillRandom;
class Grid;
class GridView;
class FillCursor;
class FillWordIndex;
class KillList;
class Light;

// Outcome of normalFill: result 1 success, 0 failure, 2 abandoned or the dictionary has no
// words of a needed length (other values come only from a user's Back at the top level).
struct NormalFillOutcome {
    int result = 0;
    Light* failedLight = nullptr;  // where the fill failed, when known
};

class FillEngine {
public:
    // REQUIRES: grid, dictionary and random outlive the engine; the dictionary is the one
    // whose letters the fill uses (normally the grid's effective dictionary, opened).
    FillEngine(Grid& grid, Dictionary& dictionary, FillRandom& random);
    ~FillEngine();
    FillEngine(const FillEngine&) = delete;
    FillEngine& operator=(const FillEngine&) = delete;

    // Fills every light that still has an empty cell, starting with startLight when it is
    // given and open. Earlier uncommitted fills are dropped first.
    NormalFillOutcome normalFill(Light* startLight);
    // Adjusts every provisionally filled light through its unchecked, unset cells: 1 every
    // such light was adjusted, 0 some could not be, 2 abandoned or no words of a length.
    int unchFill();
    // Fills one light with the next fitting word after the one it holds (dictionary order,
    // wrapping round): 1 filled, 0 no word fits, 2 no words of this length.
    int oneShotFill(Light& light);
    // The check that ends a normal fill, on the grid's provisional fill as it stands: every
    // provisionally filled light that is not a dictionary word is refilled through its
    // unchecked, unset cells. Returns the first such light that could not be mended.
    Light* checkFill();

    // ---- The search's building blocks, for the operations above and for tests ----
    // Reads the fill settings and sets every cell's working letter from its shown text.
    // Called by the operations; tests call it to examine evaluations.
    void prepareNormal();
    // Plausibility of the light's placed letters (cached in the light); kFillImpossible
    // when no word can fit.
    int evaluate(Light& light);
    int priority(Light& light);
    int openCrossings(Light& light);
    static void invalidate(Light& light);
    // Whether another light of the same length that is not open holds exactly these
    // letters, or the kill list has killed them.
    bool isUsedOrKilled(const Light& light, const std::uint8_t* letters) const;
    FillResult fillLight(Light& light, int budget, int level);
    FillResult lightUnchFill(Light& light);

private:
    struct Statistics;

    // Computes the evaluation of light from its cells' fixed letters, with the letter of
    // the cell at overrideIndex taken as overrideLetter (overrideIndex -1: none).
    FillEvaluation computeEvaluation(const Light& light, int overrideIndex,
                                     std::uint8_t overrideLetter) const;
    int crossingScore(const Light& crossing, int index, std::uint8_t letter) const;
    // The letter a cell holds now: its shown text's letter, else fixedLetter, else
    // filledLetter (254 when none, 255 when the shown text is not one letter).
    std::uint8_t currentLetter(const Cell& cell) const;
    std::uint8_t shownLetter(const Cell& cell) const;
    void setFixed(Cell& cell, std::uint8_t letter);

    void readSettings();
    void setWorkingLetters(bool dropFilled);
    void collectLights();
    void beginFillTables();
    void endFillTables();
    int progress(const Light* light, int level, int indicator);

    // The cursor of a level, reused by every call at that level.
    FillCursor& cursorAt(int level);
    FillFrame& frameAt(int level);
    // Reads the next match; false when the candidates have ended.
    static bool nextMatch(FillCursor& cursor, std::uint8_t* out, int length);

    FillResult scoredSearch(FillFrame& frame, Light& light, FillCursor& cursor, int budget,
                            int level, int nClosing, int nOpen, int lastOpen, bool triples, int q1,
                            int q2, int q3);
    // Returns the first filled light that is no dictionary word and could not be mended.
    Light* postCheck();

    Grid& m_grid;
    Dictionary& m_dictionary;
    FillRandom& m_random;
    GridView* m_view = nullptr;
    KillList* m_killList = nullptr;
    std::unique_ptr<Statistics> m_stats;
    std::unique_ptr<FillView> m_fillView;
    std::unique_ptr<FillWordIndex> m_index;  // the words, read once per operation

    // Fill run state shared by every level of one operation.
    int m_fillMode = 1;         // 1 automatic, -1 manual
    int m_deferThreshold = -2;  // -2 automatic, 0 manual
    int m_normalCommonality = 40;
    int m_unchCommonality = 40;
    int m_startMode = 0;
    int m_firstWord = 0;

    std::vector<Light*> m_lights;                        // slot order
    std::vector<std::vector<Light*>> m_lightsByLength;   // same order, by length
    std::vector<std::unique_ptr<FillFrame>> m_frames;    // by level
    std::vector<std::unique_ptr<FillCursor>> m_cursors;  // by level
};

}  // namespace tessaran
