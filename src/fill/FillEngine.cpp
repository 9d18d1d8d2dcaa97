#include "fill/FillEngine.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "dictionary/Dictionary.h"
#include "fill/FillRandom.h"
#include "fill/FillWordIndex.h"
#include "grid/KillList.h"
#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/GridView.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

constexpr int kFullBudget = INT_MAX;
// best before any choice: not EMPTY, so the candidate loop runs.
constexpr int kBestUnchosen = 2147483646;
constexpr int kPlacedWeight = 16777216;
constexpr int kOpenCellWeight = 65536;

bool inTwoLights(const Cell& cell) {
    return cell.lightA() && cell.lightB();
}

Light* otherLightOf(const Cell& cell, const Light* light) {
    return cell.lightA() == light ? cell.lightB() : cell.lightA();
}

}  // namespace

// The dictionary's letter statistics, copied into flat tables when the fill starts so that
// scoring a candidate is a few array reads.
struct FillEngine::Statistics {
    int letters = 0;  // S
    int slots = 0;    // N
    std::uint32_t wordCount[32] = {};
    std::vector<std::int8_t> positional;  // (L(L-1)/2 + p) * S + letter
    std::vector<std::int8_t> pair;        // (class * S + first) * S + second
    std::vector<std::uint32_t> mask;      // ((L - 2) * S + first) * S + second
    // Mask bit of the non-adjacent position pair (i, i + 2) of an L-letter word; the pair
    // (i, j) has bit firstPairBit[L][i] + j - i - 2 (none beyond bit 31).
    int firstPairBit[32][32] = {};

    explicit Statistics(const Dictionary& d) {
        for (int length = 3; length < 32; ++length) {
            int bit = length - 1;
            for (int i = 0; i + 2 < length; ++i) {
                firstPairBit[length][i] = bit;
                bit += length - i - 2;
            }
        }
        letters = d.isValid() ? d.lettersInUse() : 0;
        slots = d.isValid() ? std::min(d.slotCount(), 32) : 0;
        const int s = letters;
        for (int length = 0; length < slots; ++length)
            wordCount[length] = d.wordCount(length);
        positional.assign(static_cast<size_t>(slots) * (slots > 0 ? slots - 1 : 0) / 2 * s, -128);
        for (int length = 1; length < slots; ++length)
            for (int p = 0; p < length; ++p)
                for (int c = 0; c < s; ++c)
                    positional[(length * (length - 1) / 2 + p) * s + c] =
                        static_cast<std::int8_t>(d.positionalScore(length, p, c));
        pair.assign(static_cast<size_t>(5) * s * s, -128);
        for (int k = 0; k < 5; ++k)
            for (int a = 0; a < s; ++a)
                for (int b = 0; b < s; ++b)
                    pair[(k * s + a) * s + b] = static_cast<std::int8_t>(d.pairScore(k, a, b));
        mask.assign(static_cast<size_t>(std::max(slots - 2, 0)) * s * s, 0);
        for (int length = 2; length < slots; ++length)
            for (int a = 0; a < s; ++a)
                for (int b = 0; b < s; ++b)
                    mask[((length - 2) * s + a) * s + b] = d.cooccurrenceMask(length, a, b);
    }
};

FillEngine::FillEngine(Grid& grid, Dictionary& dictionary, FillRandom& random)
    : m_grid(grid), m_dictionary(dictionary), m_random(random) {}

FillEngine::~FillEngine() = default;

// ---------------------------------------------------------------------------------------
// Evaluation

void FillEngine::invalidate(Light& light) {
    light.invalidateFillEvaluation();
}

FillEvaluation FillEngine::computeEvaluation(const Light& light, int overrideIndex,
                                             std::uint8_t overrideLetter) const {
    FillEvaluation e;
    const int length = light.length();
    if (light.fillState() == 1) {
        e.plausibility = e.priority = kFillComplete;
        e.openCrossings = 0;
        return e;
    }
    const Statistics& st = *m_stats;
    if (length >= st.slots || st.wordCount[length] == 0) {
        e.plausibility = e.priority = kFillImpossible;
        e.openCrossings = 0;
        return e;
    }
    const int s = st.letters;
    const auto& cells = light.cells();
    std::uint8_t letters[FillFrame::kMaxLength];
    for (int p = 0; p < length; ++p)
        letters[p] = cells[p]->fixedLetter();
    if (overrideIndex >= 0)
        letters[overrideIndex] = overrideLetter;

    const std::int8_t* positional = st.positional.data() + (length * (length - 1) / 2) * s;
    const std::uint32_t* masks =
        length >= 2 ? st.mask.data() + static_cast<size_t>(length - 2) * s * s : nullptr;
    int plausibility = 0;
    int priority = 0;
    int open = 0;
    int placed = 0;
    int placedAt[FillFrame::kMaxLength];
    bool impossible = false;
    const int h = std::min(length / 2, 2);
    const int t = std::max(length - 1 - h, h);
    int k = 0;
    for (int p = 0; p < length; ++p) {
        if (p >= t)
            k = p - length + 6;
        const std::uint8_t c = letters[p];
        if (c == kNoLetter) {
            if (inTwoLights(*cells[p])) {
                priority -= kOpenCellWeight;
                ++open;
            }
        } else if (c >= s) {
            impossible = true;  // not a letter, or a letter no word uses
        } else {
            priority -= kPlacedWeight;
            placedAt[placed++] = p;
            const int score = positional[p * s + c];
            if (score == -128)
                impossible = true;
            plausibility += score;
            if (p < length - 1) {
                const std::uint8_t n = letters[p + 1];
                if (n < s) {
                    if (!(masks[c * s + n] & (1u << p)))
                        impossible = true;
                    plausibility += st.pair[(k * s + c) * s + n];
                }
            }
        }
        if (p < h)
            ++k;
    }
    // Every placed pair at least two apart that has a mask bit must occur in some word.
    for (int a = 0; a + 1 < placed && !impossible; ++a) {
        const int i = placedAt[a];
        const int* firstBit = st.firstPairBit[length];
        const std::uint32_t* row = masks + letters[i] * s;
        for (int b = a + 1; b < placed; ++b) {
            const int j = placedAt[b];
            if (j < i + 2)
                continue;
            const int bit = firstBit[i] + j - i - 2;
            if (bit > 31)
                break;
            if (!(row[letters[j]] >> bit & 1u)) {
                impossible = true;
                break;
            }
        }
    }
    e.openCrossings = open;
    if (impossible) {
        e.plausibility = e.priority = kFillImpossible;
    } else {
        e.plausibility = plausibility;
        e.priority = priority + plausibility * 256;
    }
    return e;
}

int FillEngine::evaluate(Light& light) {
    FillEvaluation& e = light.fillEvaluation();
    if (e.plausibility == kFillNotComputed)
        e = computeEvaluation(light, -1, 0);
    return e.plausibility;
}

int FillEngine::priority(Light& light) {
    FillEvaluation& e = light.fillEvaluation();
    if (e.priority == kFillNotComputed)
        e = computeEvaluation(light, -1, 0);
    return e.priority;
}

int FillEngine::openCrossings(Light& light) {
    FillEvaluation& e = light.fillEvaluation();
    if (e.openCrossings < 0)
        e = computeEvaluation(light, -1, 0);
    return e.openCrossings;
}

// The plausibility the crossing would have with letter in its cell at index: as if the
// letter were placed, the crossing scored and the letter taken away again. The crossing's
// cached evaluation stays as it was, since its letters end as they were.
int FillEngine::crossingScore(const Light& crossing, int index, std::uint8_t letter) const {
    return computeEvaluation(crossing, index, letter).plausibility;
}

void FillEngine::setFixed(Cell& cell, std::uint8_t letter) {
    cell.setFixedLetter(letter);
    if (Light* a = cell.lightA())
        invalidate(*a);
    if (Light* b = cell.lightB())
        invalidate(*b);
}

std::uint8_t FillEngine::shownLetter(const Cell& cell) const {
    const std::string& shown = *cell.shownText();
    if (shown.size() != 1 || !m_dictionary.isValid())
        return kNotLetter;
    return m_dictionary.letterOf(static_cast<unsigned char>(shown[0]));
}

std::uint8_t FillEngine::currentLetter(const Cell& cell) const {
    if (cell.shownText() && *cell.shownText() != ".")
        return shownLetter(cell);
    return cell.fixedLetter() != kNoLetter ? cell.fixedLetter() : cell.filledLetter();
}

bool FillEngine::isUsedOrKilled(const Light& light, const std::uint8_t* letters) const {
    const int length = light.length();
    if (length < static_cast<int>(m_lightsByLength.size())) {
        for (const Light* other : m_lightsByLength[length]) {
            if (other == &light || other->fillState() == 3)
                continue;
            const auto& cells = other->cells();
            int p = 0;
            for (; p < length; ++p) {
                const Cell& cell = *cells[p];
                const std::uint8_t held =
                    cell.fixedLetter() != kNoLetter ? cell.fixedLetter() : cell.filledLetter();
                if (held != letters[p])
                    break;
            }
            if (p == length)
                return true;
        }
    }
    return m_killList && m_killList->isKilled(letters, length);
}

// ---------------------------------------------------------------------------------------
// Run state

void FillEngine::readSettings() {
    m_normalCommonality = m_grid.settingValue(GridSetting::NormalCommonality);
    m_unchCommonality = m_grid.settingValue(GridSetting::UnchCommonality);
    m_startMode = m_grid.settingValue(GridSetting::StartMode);
    m_firstWord = m_grid.settingValue(GridSetting::FirstWord);
    m_fillMode = m_startMode == 0 ? 1 : -1;
    m_deferThreshold = m_startMode == 0 ? -2 : 0;
    m_view = m_grid.observer();
    m_killList = m_grid.killList();
    m_stats = std::make_unique<Statistics>(m_dictionary);
    m_index = std::make_unique<FillWordIndex>(m_dictionary);
}

void FillEngine::collectLights() {
    m_lights = m_grid.lights();
    m_lightsByLength.assign(Light::kMaxLength + 1, {});
    for (Light* light : m_lights) {
        if (light->length() <= Light::kMaxLength)
            m_lightsByLength[light->length()].push_back(light);
        light->updateFillState();
        invalidate(*light);
    }
}

void FillEngine::beginFillTables() {
    m_fillView = std::make_unique<FillView>(m_grid, m_dictionary);
    if (m_killList)
        m_killList->beginFill(m_dictionary);
}

void FillEngine::endFillTables() {
    if (m_killList)
        m_killList->endFill();
    m_fillView.reset();
}

int FillEngine::progress(const Light* light, int level, int indicator) {
    return m_view ? m_view->fillProgress(m_fillView.get(), light, level, indicator) : 0;
}

FillCursor& FillEngine::cursorAt(int level) {
    while (static_cast<int>(m_cursors.size()) <= level)
        m_cursors.push_back(std::make_unique<FillCursor>());
    return *m_cursors[level];
}

FillFrame& FillEngine::frameAt(int level) {
    while (static_cast<int>(m_frames.size()) <= level)
        m_frames.push_back(std::make_unique<FillFrame>());
    return *m_frames[level];
}

bool FillEngine::nextMatch(FillCursor& cursor, std::uint8_t* out, int) {
    return cursor.next(out);
}

// ---------------------------------------------------------------------------------------
// Normal fill

void FillEngine::prepareNormal() {
    readSettings();
    setWorkingLetters(true);
    collectLights();
}

// Every cell's working letter from its shown text; filled letters are dropped from every
// cell (a new normal fill) or only from cells in no light.
void FillEngine::setWorkingLetters(bool dropFilled) {
    const int s = m_stats->letters;
    for (int r = 0; r < m_grid.rows(); ++r) {
        for (int c = 0; c < m_grid.columns(); ++c) {
            Cell& cell = m_grid.cellAt(r, c);
            std::uint8_t fixed = kNoLetter;
            // Any shown text is given: one that is not a single letter words use (a "."
            // included) can hold no word, so the lights through it cannot be filled.
            if (cell.shownText()) {
                const std::uint8_t letter = shownLetter(cell);
                fixed = letter < s ? letter : kNotLetter;
            }
            cell.setFixedLetter(fixed);
            if (dropFilled || !cell.inAnyLight())
                cell.setFilledLetter(kNoLetter);
        }
    }
}

NormalFillOutcome FillEngine::normalFill(Light* startLight) {
    NormalFillOutcome outcome;
    prepareNormal();
    beginFillTables();

    int result = 1;
    bool searching = true;
    // Pre-check: a light no word can fit fails the fill before any search; lights that
    // already have two or more letters are searched (and may be filled) here.
    for (Light* light : m_lights) {
        if (light->fillState() != 3)
            continue;
        if (priority(*light) == kFillImpossible) {
            result = 0;
            outcome.failedLight = light;
            searching = false;
            break;
        }
        const FillResult r = fillLight(*light, 0, 0);
        if (r == FillResult::Failed) {
            result = 0;
            outcome.failedLight = light;
            searching = false;
            break;
        }
        if (r == FillResult::Abandoned) {  // the user abandoned: stop at once
            result = 2;
            searching = false;
            break;
        }
    }

    // A search that fails names no light: the dead end lies somewhere below the top-level
    // light, which is only where the search began.
    if (searching) {
        if (startLight && startLight->fillState() == 3) {
            const FillResult r = fillLight(*startLight, kFullBudget, 0);
            if (r != FillResult::Filled) {
                result = static_cast<int>(r);
                searching = false;
            }
        }
        while (searching) {
            Light* next = nullptr;
            int best = 0;
            for (Light* light : m_lights) {
                if (light->fillState() != 3)
                    continue;
                const int p = priority(*light);
                if (!next || p < best) {
                    next = light;
                    best = p;
                }
            }
            if (!next) {
                result = 1;
                break;
            }
            const FillResult r = fillLight(*next, kFullBudget, 0);
            if (r != FillResult::Filled) {
                result = static_cast<int>(r);
                break;
            }
        }
    }

    // A light that a later search broke and that cannot be mended through its unchecked
    // cells is not a dictionary word: the fill must not report success over it.
    Light* broken = postCheck();
    if (result == 1 && broken) {
        result = 0;
        outcome.failedLight = broken;
    }
    progress(nullptr, 0, kFillRedisplayOnly);
    endFillTables();
    outcome.result = result;
    return outcome;
}

// Every filled light must read as a dictionary word; one that a later, unrelated search
// broke through a shared cell is repaired through its unchecked cells where possible.
Light* FillEngine::postCheck() {
    Light* broken = nullptr;
    FillCursor& cursor = cursorAt(0);
    const int s = m_stats->letters;
    for (Light* light : m_lights) {
        if (light->fillState() != 2)
            continue;
        const int length = light->length();
        if (length > FillFrame::kMaxLength)
            continue;
        std::uint8_t current[FillFrame::kMaxLength];
        bool letters = true;
        for (int p = 0; p < length; ++p) {
            current[p] = currentLetter(light->cell(p));
            if (current[p] != kNoLetter && current[p] >= s)
                letters = false;
        }
        if (!letters) {  // a letter no word has
            if (!broken)
                broken = light;
            continue;
        }
        if (!cursor.startPattern(*m_index, current, length))
            continue;
        std::uint8_t match[FillFrame::kMaxLength];
        if (nextMatch(cursor, match, length))
            continue;
        if (lightUnchFill(*light) == FillResult::Failed && !broken)
            broken = light;
    }
    for (int r = 0; r < m_grid.rows(); ++r)
        for (int c = 0; c < m_grid.columns(); ++c)
            m_grid.cellAt(r, c).setFixedLetter(kNoLetter);
    for (Light* light : m_lights)
        invalidate(*light);
    return broken;
}

Light* FillEngine::checkFill() {
    readSettings();
    setWorkingLetters(false);
    collectLights();
    beginFillTables();
    Light* broken = postCheck();
    endFillTables();
    return broken;
}

// ---------------------------------------------------------------------------------------
// fillLight

FillResult FillEngine::fillLight(Light& light, int budget, int level) {
    const int length = light.length();
    if (length > FillFrame::kMaxLength)
        return FillResult::Failed;
    FillFrame& frame = frameAt(level);
    const auto& cells = light.cells();
    const int s = m_stats->letters;

    int nClosing = 0;
    int nOpen = 0;
    int nPlaced = 0;
    int lastOpen = -1;
    int q[3] = {-1, -1, -1};
    bool manyOpen = false;
    bool unusable = false;  // a working letter no word can have
    for (int p = 0; p < length; ++p) {
        Cell& cell = *cells[p];
        frame.closingCrossing[p] = frame.openCrossing[p] = nullptr;
        const std::uint8_t fixed = cell.fixedLetter();
        frame.pattern[p] = fixed;
        if (fixed == kNoLetter) {
            Light* other = otherLightOf(cell, &light);
            if (!other)
                continue;
            frame.crossingIndex[p] = cell.lightA() == other ? cell.indexA() : cell.indexB();
            if (openCrossings(*other) < 2) {
                frame.closingCrossing[p] = other;
                ++nClosing;
            } else {
                frame.openCrossing[p] = other;
                if (nOpen < 3)
                    q[nOpen] = p;
                else
                    manyOpen = true;
                ++nOpen;
                lastOpen = p;
            }
        } else {
            ++nPlaced;
            if (fixed >= s)
                unusable = true;
        }
    }
    if (nPlaced < 2 && budget < 10)
        return FillResult::Deferred;
    if (nOpen > 1)
        lastOpen = -1;

    const bool triples = !manyOpen && s < 32 && q[0] >= 0;
    if (triples) {
        if (q[1] < 0)
            q[1] = q[0];
        if (q[2] < 0)
            q[2] = q[1];
        for (int a = 0; a < s; ++a)
            std::memset(frame.failedTriples[a], 0, sizeof(std::uint32_t) * s);
    }

    FillCursor& cursor = cursorAt(level);
    if (!unusable && !cursor.startPattern(*m_index, frame.pattern, length))
        return FillResult::Abandoned;

    frame.hasWord = false;
    FillResult result = FillResult::Failed;
    const bool scored = (m_fillMode == -1 || nClosing > 0 ||
                         (nOpen == 1 && m_deferThreshold < budget) || (nOpen > 1 && budget > 0)) &&
                        (m_fillMode == 1 || budget > 9);
    if (unusable) {
        result = FillResult::Failed;
    } else if (!scored) {
        // A look-ahead, or a light whose word closes nothing: the first unused word.
        std::uint8_t* word = frame.lastWord;
        while (nextMatch(cursor, word, length)) {
            if (isUsedOrKilled(light, word))
                continue;
            frame.hasWord = true;
            result = nClosing + nOpen == 0 ? FillResult::Filled : FillResult::Deferred;
            break;
        }
    } else {
        result = scoredSearch(frame, light, cursor, budget, level, nClosing, nOpen, lastOpen,
                              triples, q[0], q[1], q[2]);
    }

    // Finishing: the working letters go back to what they were when the call started.
    if ((result == FillResult::Filled || result == FillResult::Abandoned) && frame.hasWord) {
        light.setFillState(2);
        for (int p = 0; p < length; ++p) {
            setFixed(*cells[p], frame.pattern[p]);
            cells[p]->setFilledLetter(frame.lastWord[p]);
        }
    } else {
        light.setFillState(3);
        for (int p = 0; p < length; ++p) {
            setFixed(*cells[p], frame.pattern[p]);
            if (result == FillResult::Failed)
                cells[p]->setMark(1);
        }
    }
    invalidate(light);
    const int r = progress(&light, level, m_fillMode - budget);
    if (r == 1) {
        m_fillMode = -1;
        m_deferThreshold = 0;
    } else if (r == 3) {
        result = FillResult::Abandoned;
    }
    return result;
}

FillResult FillEngine::scoredSearch(FillFrame& frame, Light& light, FillCursor& cursor, int budget,
                                    int level, int nClosing, int nOpen, int lastOpen, bool triples,
                                    int q1, int q2, int q3) {
    const int length = light.length();
    const auto& cells = light.cells();
    const int s = m_stats->letters;
    (void)nClosing;

    // Positions whose cell is shared with a crossing light still to be filled.
    int crossPositions[FillFrame::kMaxLength];
    int nCross = 0;
    for (int p = 0; p < length; ++p) {
        if (!frame.closingCrossing[p] && !frame.openCrossing[p])
            continue;
        crossPositions[nCross++] = p;
        std::fill(frame.crossingScores[p], frame.crossingScores[p] + s, kFillNotComputed);
    }

    std::memset(frame.triedLetters, 0, sizeof(std::uint32_t) * s);
    std::memset(frame.goodLetters, 0, sizeof(std::uint32_t) * s);
    // Slots at and above `used` have never been loaded in this call and count as free;
    // loading fills free slots in order, so they stay a contiguous tail.
    int used = 0;
    frame.scores[FillFrame::kLoadedSlots] = kFillEmptySlot;
    auto useAllSlots = [&]() {
        std::fill(frame.scores + used, frame.scores + FillFrame::kSlotCount, kFillEmptySlot);
        used = FillFrame::kSlotCount;
    };
    int loaded = 0;
    int best = kBestUnchosen;
    int chosen = -1;
    FillResult result = FillResult::Failed;
    bool ended = false;
    int randomSkip = level == 0 && m_firstWord == 1 ? m_random.next() % 256 : -1;
    frame.orderCount = frame.orderPos = 0;
    frame.orderStale = true;
    auto distance = [&](int slot) { return std::abs(m_normalCommonality - frame.scores[slot]); };

    while (result == FillResult::Failed && best != kFillEmptySlot) {
        // The candidate just tried is dropped.
        if (chosen >= 0) {
            frame.scores[chosen] = kFillEmptySlot;
            --loaded;
        }

        // Refill the free slots while fewer than half are loaded.
        if (loaded < 128 && !ended) {
            frame.orderStale = true;
            for (int slot = 0; slot < FillFrame::kLoadedSlots && !ended; ++slot) {
                if (slot < used && frame.scores[slot] != kFillEmptySlot)
                    continue;
                std::uint8_t* word = frame.words + slot * length;
                for (;;) {
                    if (!nextMatch(cursor, word, length)) {
                        ended = true;
                        break;
                    }
                    long long score = 0;
                    bool impossible = false;
                    for (int i = 0; i < nCross; ++i) {
                        const int p = crossPositions[i];
                        int& cs = frame.crossingScores[p][word[p]];
                        if (cs == kFillNotComputed) {
                            Light* crossing = frame.closingCrossing[p] ? frame.closingCrossing[p]
                                                                       : frame.openCrossing[p];
                            cs = crossingScore(*crossing, frame.crossingIndex[p], word[p]);
                        }
                        if (cs == kFillImpossible) {
                            impossible = true;
                            break;
                        }
                        score += cs;
                    }
                    if (impossible)
                        continue;
                    if (slot >= used)
                        used = slot + 1;
                    frame.scores[slot] = static_cast<int>(
                        std::clamp<long long>(score, INT_MIN + 1, kFillEmptySlot - 1));
                    ++loaded;
                    break;
                }
            }
        }

        // Choose a slot.
        best = kFillEmptySlot;
        chosen = -1;
        if (m_fillMode == -1 && budget > 10 && loaded > 0) {
            useAllSlots();  // the choice sees every slot
            for (int slot = 0; slot < FillFrame::kSlotCount; ++slot) {
                if (frame.scores[slot] != kFillEmptySlot &&
                    isUsedOrKilled(light, frame.words + slot * length)) {
                    chosen = slot;  // dropped without being offered
                    best = m_normalCommonality;
                    break;
                }
            }
            if (chosen < 0) {
                progress(nullptr, 0, kFillRedisplayOnly);
                int choice = -1;
                const int r = m_view ? m_view->fillChoose(FillFrame::kSlotCount,
                                                          m_normalCommonality, frame.scores, &light,
                                                          level, frame.words, frame.pattern, choice)
                                     : 3;
                const bool validChoice = choice >= 0 && choice < FillFrame::kSlotCount;
                if ((r == 0 || r == 1) && validChoice) {
                    chosen = choice;
                    if (frame.scores[chosen] == kFillEmptySlot) {
                        frame.scores[chosen] = 0;
                        ++loaded;
                        frame.orderStale = true;
                    }
                    if (r == 0) {
                        m_fillMode = 1;
                        m_deferThreshold = -2;
                    }
                    best = frame.scores[chosen];
                } else if (r == 2) {
                    result = FillResult::Back;
                } else {
                    result = FillResult::Abandoned;
                }
            }
        } else if (randomSkip < 0) {
            // The loaded slot nearest the target, the lowest slot among equals.
            if (frame.orderStale) {
                frame.orderCount = frame.orderPos = 0;
                for (int slot = 0; slot < std::min(used, FillFrame::kLoadedSlots); ++slot)
                    if (frame.scores[slot] != kFillEmptySlot)
                        frame.order[frame.orderCount++] = static_cast<std::uint16_t>(slot);
                std::sort(frame.order, frame.order + frame.orderCount, [&](int a, int b) {
                    const int da = distance(a);
                    const int db = distance(b);
                    return da != db ? da < db : a < b;
                });
                frame.orderStale = false;
            }
            while (frame.orderPos < frame.orderCount &&
                   frame.scores[frame.order[frame.orderPos]] == kFillEmptySlot)
                ++frame.orderPos;
            if (frame.orderPos < frame.orderCount) {
                chosen = frame.order[frame.orderPos];
                best = distance(chosen);
            }
        } else if (loaded > 0) {
            // Only the very first choice of a top-level call is drawn at random.
            for (int slot = 0;; slot = (slot + 1) % used) {
                if (frame.scores[slot] == kFillEmptySlot)
                    continue;
                if (randomSkip < 1) {
                    --randomSkip;
                    chosen = slot;
                    break;
                }
                --randomSkip;
            }
            best = m_normalCommonality;
        }
        if (chosen < 0 || best == kFillEmptySlot) {
            if (result == FillResult::Failed)
                best = kFillEmptySlot;
            break;
        }

        // Try the chosen word; a rejected word leaves result Failed and is dropped.
        const std::uint8_t* w = frame.words + chosen * length;
        result = FillResult::Failed;
        if (isUsedOrKilled(light, w))
            continue;
        bool failedBefore = false;
        for (int p = 0; p < length && !failedBefore; ++p)
            failedBefore =
                (frame.triedLetters[w[p]] >> p & 1u) && !(frame.goodLetters[w[p]] >> p & 1u);
        if (failedBefore)
            continue;
        if (triples && m_fillMode == 1 && (frame.failedTriples[w[q1]][w[q2]] >> w[q3] & 1u))
            continue;

        light.setFillState(1);
        for (int p = 0; p < length; ++p)
            setFixed(*cells[p], w[p]);
        std::memcpy(frame.lastWord, w, static_cast<size_t>(length));
        frame.hasWord = true;
        bool impossible = false;
        for (int p = 0; p < length && !impossible; ++p) {
            if (!frame.openCrossing[p])
                continue;
            frame.crossingPriority[p] = priority(*frame.openCrossing[p]);
            impossible = frame.crossingPriority[p] == kFillImpossible;
        }
        if (impossible)
            continue;

        const int r = progress(&light, level, m_fillMode - budget);
        if (r == 3) {
            result = FillResult::Abandoned;
            break;
        }
        if (r == 1) {
            m_fillMode = -1;
            m_deferThreshold = 0;
        }

        // Visit the crossings while the word stands. A Back from below offers the same
        // slots again, dropping nothing.
        auto backToFailed = [&](FillResult r2) {
            if (r2 == FillResult::Back) {
                best = kBestUnchosen;
                chosen = -1;
                return FillResult::Failed;
            }
            return r2;
        };
        auto visit = [&](int p, Light& crossing, int crossingBudget) {
            const std::uint8_t c = w[p];
            const std::uint32_t bit = 1u << p;
            const FillResult r2 = fillLight(crossing, crossingBudget, level + 1);
            if (r2 == FillResult::Failed || r2 == FillResult::Filled)
                frame.triedLetters[c] |= bit;
            if (r2 == FillResult::Filled)
                frame.goodLetters[c] |= bit;
            return r2;
        };

        result = FillResult::Filled;
        for (int p = 0; p < length; ++p) {
            Light* crossing = frame.closingCrossing[p];
            if (!crossing)
                continue;
            FillResult r2;
            if (!(frame.triedLetters[w[p]] & (1u << p))) {
                r2 = visit(p, *crossing, budget - 1);
            } else {
                crossing->setFillState(2);  // this letter succeeded here before
                r2 = FillResult::Filled;
            }
            if (r2 != FillResult::Filled) {
                result = backToFailed(r2);
                break;
            }
        }
        if (result != FillResult::Filled)
            continue;

        if (nOpen == 1 && m_deferThreshold < budget) {
            const int p = lastOpen;
            const std::uint32_t bit = 1u << p;
            if (!(frame.triedLetters[w[p]] & bit))
                result = backToFailed(visit(p, *frame.openCrossing[p], budget - 1));
            else if (!(frame.goodLetters[w[p]] & bit))
                result = FillResult::Failed;
            continue;
        }
        if (nOpen < 2 || budget < 1) {
            result = nOpen == 0 ? FillResult::Filled : FillResult::Deferred;
            continue;
        }

        // Two or more open crossings: look ahead into each, most constrained first, then
        // fill the ones that were deferred with the full budget.
        for (int p = 0; p < length; ++p)
            if (frame.openCrossing[p])
                frame.openCrossing[p]->setFillState(3);
        auto nextOpen = [&]() {
            int pick = -1;
            int pickPriority = kFillEmptySlot;
            for (int p = 0; p < length; ++p) {
                Light* crossing = frame.openCrossing[p];
                if (crossing && crossing->fillState() == 3 &&
                    frame.crossingPriority[p] < pickPriority) {
                    pick = p;
                    pickPriority = frame.crossingPriority[p];
                }
            }
            return pick;
        };
        auto fillOpen = [&](int p, int crossingBudget) {
            frame.crossingPriority[p] = kFillEmptySlot;
            for (int i = 0; i < length; ++i)
                cells[i]->setMark(0);
            const FillResult r2 = fillLight(*frame.openCrossing[p], crossingBudget, level + 1);
            if (r2 == FillResult::Failed) {
                int marked = 0;
                for (int i = 0; i < length; ++i)
                    marked += cells[i]->mark() != 0;
                if (marked == 1)
                    frame.triedLetters[w[p]] |= 1u << p;  // blame this letter
            }
            return r2;
        };

        result = FillResult::Filled;
        bool stopped = false;
        FillResult stopResult = FillResult::Filled;
        for (int p = nextOpen(); p >= 0; p = nextOpen()) {
            const FillResult r2 = fillOpen(p, budget < 11 ? budget - 1 : m_fillMode);
            if (r2 == FillResult::Deferred) {
                result = FillResult::Deferred;
            } else if (r2 != FillResult::Filled) {
                stopped = true;
                stopResult = r2;
                break;
            }
        }
        if (triples && m_fillMode == 1)
            frame.failedTriples[w[q1]][w[q2]] |= 1u << w[q3];
        if (stopped) {
            result = backToFailed(stopResult);
        } else if (budget > 10 && result != FillResult::Filled) {
            for (int p = 0; p < length; ++p)
                if (frame.openCrossing[p])
                    frame.crossingPriority[p] = priority(*frame.openCrossing[p]);
            result = FillResult::Filled;
            for (int p = nextOpen(); p >= 0; p = nextOpen()) {
                const FillResult r2 = fillOpen(p, budget);
                if (r2 != FillResult::Filled) {
                    result = backToFailed(r2);
                    break;
                }
            }
        }
    }
    return result;
}

// ---------------------------------------------------------------------------------------
// Unch fill

int FillEngine::unchFill() {
    readSettings();
    setWorkingLetters(false);
    collectLights();
    beginFillTables();
    int result = 1;
    for (Light* light : m_lights) {
        if (light->fillState() != 2)
            continue;
        const FillResult r = lightUnchFill(*light);
        if (r == FillResult::Abandoned) {
            result = 2;
            break;
        }
        if (r == FillResult::Failed)
            result = 0;
    }
    for (int r = 0; r < m_grid.rows(); ++r)
        for (int c = 0; c < m_grid.columns(); ++c)
            m_grid.cellAt(r, c).setFixedLetter(kNoLetter);
    for (Light* light : m_lights)
        invalidate(*light);
    endFillTables();
    return result;
}

FillResult FillEngine::lightUnchFill(Light& light) {
    const int length = light.length();
    if (length > FillFrame::kMaxLength)
        return FillResult::Failed;
    const auto& cells = light.cells();
    std::uint8_t remembered[FillFrame::kMaxLength];
    std::uint8_t pattern[FillFrame::kMaxLength];
    for (int p = 0; p < length; ++p) {
        const Cell& cell = *cells[p];
        remembered[p] = cell.fixedLetter();
        const bool free = !otherLightOf(cell, &light) && !cell.shownText();
        pattern[p] = free ? kNoLetter : currentLetter(cell);
        if (pattern[p] == kNotLetter)
            return FillResult::Failed;  // cannot match any word
    }
    FillCursor cursor;
    if (!cursor.startPattern(*m_index, pattern, length))
        return FillResult::Abandoned;

    std::uint8_t word[FillFrame::kMaxLength];
    std::uint8_t kept[FillFrame::kMaxLength];
    bool haveKept = false;
    int keptDistance = 0;
    while (nextMatch(cursor, word, length)) {
        if (isUsedOrKilled(light, word))
            continue;
        for (int p = 0; p < length; ++p)
            setFixed(*cells[p], word[p]);
        light.setFillState(3);
        invalidate(light);
        const int distance = std::abs(m_unchCommonality - evaluate(light));
        if (!haveKept || distance < keptDistance) {
            haveKept = true;
            keptDistance = distance;
            std::memcpy(kept, word, static_cast<size_t>(length));
        }
    }
    if (!haveKept)
        return FillResult::Failed;
    light.setFillState(2);
    for (int p = 0; p < length; ++p) {
        setFixed(*cells[p], remembered[p]);
        cells[p]->setFilledLetter(kept[p]);
    }
    invalidate(light);
    return progress(&light, 0, -1) == 3 ? FillResult::Abandoned : FillResult::Filled;
}

// ---------------------------------------------------------------------------------------
// One-shot fill

int FillEngine::oneShotFill(Light& light) {
    readSettings();
    for (int r = 0; r < m_grid.rows(); ++r) {
        for (int c = 0; c < m_grid.columns(); ++c) {
            Cell& cell = m_grid.cellAt(r, c);
            if (!cell.inAnyLight())
                cell.setFilledLetter(kNoLetter);
        }
    }
    collectLights();
    beginFillTables();

    int result = 0;
    const int length = light.length();
    const auto& cells = light.cells();
    std::uint8_t current[FillFrame::kMaxLength];
    std::uint8_t pattern[FillFrame::kMaxLength];
    bool usable = length <= FillFrame::kMaxLength;
    bool anyOpen = false;
    for (int p = 0; usable && p < length; ++p) {
        const Cell& cell = *cells[p];
        current[p] = currentLetter(cell);
        if (current[p] == kNotLetter)
            usable = false;
        const Light* other = otherLightOf(cell, &light);
        const bool open = !cell.shownText() && (!other || other->fillState() == 3);
        pattern[p] = open ? kNoLetter : current[p];
        anyOpen = anyOpen || pattern[p] == kNoLetter;
    }
    if (usable) {
        // Every letter fixed: any word of the length may be chosen.
        if (!anyOpen)
            std::fill(pattern, pattern + length, kNoLetter);
        FillCursor cursor;
        std::uint8_t first[FillFrame::kMaxLength];
        std::uint8_t word[FillFrame::kMaxLength];
        if (!cursor.startPattern(*m_index, pattern, length)) {
            result = 2;
        } else if (nextMatch(cursor, first, length)) {
            const std::uint8_t* chosen = first;
            if (light.fillState() == 2) {
                // Step on to the word after the one the light holds.
                bool found = std::equal(first, first + length, current);
                while (nextMatch(cursor, word, length)) {
                    if (found) {
                        chosen = word;
                        break;
                    }
                    found = std::equal(word, word + length, current);
                }
            }
            light.setFillState(2);
            for (int p = 0; p < length; ++p)
                cells[p]->setFilledLetter(chosen[p]);
            progress(nullptr, 0, kFillRedisplayOnly);
            result = 1;
        }
    }
    endFillTables();
    return result;
}

}  // namespace tessaran
