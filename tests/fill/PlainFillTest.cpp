// The engine keeps its candidates in an in-memory word index, remembers crossing scores
// per call and takes the consistent choice from a sorted slot order. This test runs the
// search the plain way beside it (dictionary cursors streamed to the slots, every
// crossing scored afresh, the nearest slot found by a scan) and checks that both leave
// exactly the same letters in every cell, for several targets and random first words.

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "fill/FillEngine.h"
#include "fill/FillTestSupport.h"
#include "grid/GridFile.h"

namespace tessaran::testing {
namespace {

constexpr const char* kWordList = "/usr/share/dict/british-english";
constexpr int kEmpty = INT_MAX;

// The search step by step, in automatic mode and without a progress window.
class PlainFill {
public:
    PlainFill(Grid& grid, Dictionary& dictionary, FillRandom& random)
        : m_grid(grid),
          m_dictionary(dictionary),
          m_random(random),
          m_engine(grid, dictionary, random) {}

    int normalFill() {
        m_engine.prepareNormal();  // settings, working letters, fill states
        m_s = m_dictionary.lettersInUse();
        m_target = m_grid.settingValue(GridSetting::NormalCommonality);
        m_firstWord = m_grid.settingValue(GridSetting::FirstWord);
        if (KillList* kills = m_grid.killList())
            kills->beginFill(m_dictionary);
        int result = 1;
        bool searching = true;
        for (Light* light : m_grid.lights()) {
            if (light->fillState() != 3)
                continue;
            if (m_engine.priority(*light) == kFillImpossible ||
                fillLight(*light, 0, 0) == FillResult::Failed) {
                result = 0;
                searching = false;
                break;
            }
        }
        while (searching) {
            Light* next = nullptr;
            int best = 0;
            for (Light* light : m_grid.lights())
                if (light->fillState() == 3 && (!next || m_engine.priority(*light) < best)) {
                    next = light;
                    best = m_engine.priority(*light);
                }
            if (!next)
                break;
            const FillResult r = fillLight(*next, INT_MAX, 0);
            if (r != FillResult::Filled) {
                result = static_cast<int>(r);
                break;
            }
        }
        bool broken = false;
        for (Light* light : m_grid.lights()) {
            if (light->fillState() != 2)
                continue;
            std::vector<std::uint8_t> current;
            for (const Cell* cell : light->cells())
                current.push_back(
                    cell->shownText()
                        ? m_dictionary.letterOf(static_cast<unsigned char>((*cell->shownText())[0]))
                    : cell->fixedLetter() != kNoLetter ? cell->fixedLetter()
                                                       : cell->filledLetter());
            InputEngine cursor(m_dictionary);
            if (!cursor.startPattern(current.data(), light->length()))
                continue;
            const lxd::LetterIndex* match = nullptr;
            while (!(match = cursor.nextByPattern())) {
            }
            if (match[0] == lxd::kNoLetter && m_engine.lightUnchFill(*light) == FillResult::Failed)
                broken = true;
        }
        if (result == 1 && broken)
            result = 0;
        for (int r = 0; r < m_grid.rows(); ++r)
            for (int c = 0; c < m_grid.columns(); ++c)
                m_grid.cellAt(r, c).setFixedLetter(kNoLetter);
        if (KillList* kills = m_grid.killList())
            kills->endFill();
        return result;
    }

private:
    static void setFixed(Cell& cell, std::uint8_t letter) {
        cell.setFixedLetter(letter);
        if (cell.lightA())
            FillEngine::invalidate(*cell.lightA());
        if (cell.lightB())
            FillEngine::invalidate(*cell.lightB());
    }
    static Light* otherLight(const Cell& cell, const Light* light) {
        return cell.lightA() == light ? cell.lightB() : cell.lightA();
    }
    int crossingScore(Cell& cell, Light& crossing, std::uint8_t letter) {
        const std::uint8_t saved = cell.fixedLetter();
        cell.setFixedLetter(letter);
        FillEngine::invalidate(crossing);
        const int score = m_engine.evaluate(crossing);
        FillEngine::invalidate(crossing);
        cell.setFixedLetter(saved);
        return score;
    }

    FillResult fillLight(Light& light, int budget, int level) {
        const int length = light.length();
        Light* closing[32] = {};
        Light* open[32] = {};
        std::uint8_t pattern[32];
        int nClosing = 0, nOpen = 0, nPlaced = 0, lastOpen = -1;
        int q[3] = {-1, -1, -1};
        bool manyOpen = false;
        for (int p = 0; p < length; ++p) {
            Cell& cell = light.cell(p);
            pattern[p] = cell.fixedLetter();
            if (pattern[p] != kNoLetter) {
                ++nPlaced;
                continue;
            }
            Light* other = otherLight(cell, &light);
            if (!other)
                continue;
            if (m_engine.openCrossings(*other) < 2) {
                closing[p] = other;
                ++nClosing;
            } else {
                open[p] = other;
                if (nOpen < 3)
                    q[nOpen] = p;
                else
                    manyOpen = true;
                ++nOpen;
                lastOpen = p;
            }
        }
        if (nPlaced < 2 && budget < 10)
            return FillResult::Deferred;
        if (nOpen > 1)
            lastOpen = -1;
        const bool triples = !manyOpen && m_s < 32 && q[0] >= 0;
        std::uint32_t failedTriples[32][32] = {};
        if (triples) {
            if (q[1] < 0)
                q[1] = q[0];
            if (q[2] < 0)
                q[2] = q[1];
        }
        InputEngine cursor(m_dictionary);
        if (!cursor.startPattern(pattern, length))
            return FillResult::Abandoned;
        auto next = [&](std::uint8_t* out) {
            const lxd::LetterIndex* w = nullptr;
            while (!(w = cursor.nextByPattern())) {
            }
            if (w[0] == lxd::kNoLetter)
                return false;
            std::memcpy(out, w, static_cast<size_t>(length));
            return true;
        };

        FillResult result = FillResult::Failed;
        std::uint8_t last[32];
        bool hasWord = false;
        const bool scored =
            nClosing > 0 || (nOpen == 1 && -2 < budget) || (nOpen > 1 && budget > 0);
        if (!scored) {
            std::uint8_t w[32];
            while (next(w)) {
                if (m_engine.isUsedOrKilled(light, w))
                    continue;
                std::memcpy(last, w, static_cast<size_t>(length));
                hasWord = true;
                result = nClosing + nOpen == 0 ? FillResult::Filled : FillResult::Deferred;
                break;
            }
        } else {
            std::vector<std::uint8_t> words(static_cast<size_t>(length) * 257);
            std::vector<int> scores(257, kEmpty);
            std::uint32_t tried[256] = {}, good[256] = {};
            int crossingPriority[32];
            int loaded = 0, best = 2147483646, chosen = -1;
            bool ended = false;
            int randomSkip = level == 0 && m_firstWord == 1 ? m_random.next() % 256 : -1;
            while (result == FillResult::Failed && best != kEmpty) {
                if (chosen >= 0) {
                    scores[chosen] = kEmpty;
                    --loaded;
                }
                if (loaded < 128 && !ended) {
                    for (int slot = 0; slot < 256 && !ended; ++slot) {
                        if (scores[slot] != kEmpty)
                            continue;
                        for (;;) {
                            std::uint8_t* w = &words[static_cast<size_t>(slot) * length];
                            if (!next(w)) {
                                ended = true;
                                break;
                            }
                            int score = 0;
                            bool impossible = false;
                            for (int p = 0; p < length && !impossible; ++p) {
                                Light* x = closing[p] ? closing[p] : open[p];
                                if (!x)
                                    continue;
                                const int s = crossingScore(light.cell(p), *x, w[p]);
                                impossible = s == kFillImpossible;
                                score += impossible ? 0 : s;
                            }
                            if (impossible)
                                continue;
                            scores[slot] = score;
                            ++loaded;
                            break;
                        }
                    }
                }
                best = kEmpty;
                chosen = -1;
                if (randomSkip < 0) {
                    for (int slot = 0; slot < 256; ++slot)
                        if (scores[slot] != kEmpty && std::abs(m_target - scores[slot]) < best) {
                            best = std::abs(m_target - scores[slot]);
                            chosen = slot;
                        }
                } else if (loaded > 0) {
                    for (int slot = 0;; slot = (slot + 1) % 257) {
                        if (scores[slot] == kEmpty)
                            continue;
                        const bool take = randomSkip < 1;
                        --randomSkip;
                        if (take) {
                            chosen = slot;
                            break;
                        }
                    }
                    best = m_target;
                }
                if (chosen < 0)
                    break;

                const std::uint8_t* w = &words[static_cast<size_t>(chosen) * length];
                result = FillResult::Failed;
                if (m_engine.isUsedOrKilled(light, w))
                    continue;
                bool failedBefore = false;
                for (int p = 0; p < length; ++p)
                    failedBefore |= (tried[w[p]] >> p & 1u) && !(good[w[p]] >> p & 1u);
                if (failedBefore)
                    continue;
                if (triples && (failedTriples[w[q[0]]][w[q[1]]] >> w[q[2]] & 1u))
                    continue;
                light.setFillState(1);
                for (int p = 0; p < length; ++p)
                    setFixed(light.cell(p), w[p]);
                std::memcpy(last, w, static_cast<size_t>(length));
                hasWord = true;
                bool impossible = false;
                for (int p = 0; p < length && !impossible; ++p)
                    if (open[p]) {
                        crossingPriority[p] = m_engine.priority(*open[p]);
                        impossible = crossingPriority[p] == kFillImpossible;
                    }
                if (impossible)
                    continue;

                auto visit = [&](int p, Light& x, int b) {
                    const FillResult r = fillLight(x, b, level + 1);
                    if (r == FillResult::Failed || r == FillResult::Filled)
                        tried[w[p]] |= 1u << p;
                    if (r == FillResult::Filled)
                        good[w[p]] |= 1u << p;
                    return r;
                };
                result = FillResult::Filled;
                for (int p = 0; p < length && result == FillResult::Filled; ++p) {
                    if (!closing[p])
                        continue;
                    if (!(tried[w[p]] >> p & 1u)) {
                        result = visit(p, *closing[p], budget - 1);
                    } else {
                        closing[p]->setFillState(2);
                    }
                }
                if (result != FillResult::Filled)
                    continue;
                if (nOpen == 1 && -2 < budget) {
                    const int p = lastOpen;
                    if (!(tried[w[p]] >> p & 1u))
                        result = visit(p, *open[p], budget - 1);
                    else if (!(good[w[p]] >> p & 1u))
                        result = FillResult::Failed;
                    continue;
                }
                if (nOpen < 2 || budget < 1) {
                    result = nOpen == 0 ? FillResult::Filled : FillResult::Deferred;
                    continue;
                }
                for (int p = 0; p < length; ++p)
                    if (open[p])
                        open[p]->setFillState(3);
                auto pick = [&]() {
                    int at = -1;
                    for (int p = 0; p < length; ++p)
                        if (open[p] && open[p]->fillState() == 3 && crossingPriority[p] != kEmpty &&
                            (at < 0 || crossingPriority[p] < crossingPriority[at]))
                            at = p;
                    return at;
                };
                auto visitOpen = [&](int p, int b) {
                    crossingPriority[p] = kEmpty;
                    for (int i = 0; i < length; ++i)
                        light.cell(i).setMark(0);
                    const FillResult r = fillLight(*open[p], b, level + 1);
                    if (r == FillResult::Failed) {
                        int marked = 0;
                        for (int i = 0; i < length; ++i)
                            marked += light.cell(i).mark() != 0;
                        if (marked == 1)
                            tried[w[p]] |= 1u << p;
                    }
                    return r;
                };
                result = FillResult::Filled;
                bool stopped = false;
                FillResult stop = FillResult::Filled;
                for (int p = pick(); p >= 0; p = pick()) {
                    const FillResult r = visitOpen(p, budget < 11 ? budget - 1 : 1);
                    if (r == FillResult::Deferred) {
                        result = FillResult::Deferred;
                    } else if (r != FillResult::Filled) {
                        stopped = true;
                        stop = r;
                        break;
                    }
                }
                if (triples)
                    failedTriples[w[q[0]]][w[q[1]]] |= 1u << w[q[2]];
                if (stopped) {
                    result = stop;
                } else if (budget > 10 && result != FillResult::Filled) {
                    for (int p = 0; p < length; ++p)
                        if (open[p])
                            crossingPriority[p] = m_engine.priority(*open[p]);
                    result = FillResult::Filled;
                    for (int p = pick(); p >= 0 && result == FillResult::Filled; p = pick())
                        result = visitOpen(p, budget);
                }
            }
        }
        const bool keep =
            (result == FillResult::Filled || result == FillResult::Abandoned) && hasWord;
        light.setFillState(keep ? 2 : 3);
        for (int p = 0; p < length; ++p) {
            setFixed(light.cell(p), pattern[p]);
            if (keep)
                light.cell(p).setFilledLetter(last[p]);
            else if (result == FillResult::Failed)
                light.cell(p).setMark(1);
        }
        return result;
    }

    Grid& m_grid;
    Dictionary& m_dictionary;
    FillRandom& m_random;
    FillEngine m_engine;
    int m_s = 0;
    int m_target = 40;
    int m_firstWord = 0;
};

TEST(PlainFillComparison, EngineLeavesTheSameLettersAsThePlainSearch) {
    std::ifstream in(kWordList, std::ios::binary);
    if (!in)
        GTEST_SKIP() << "no word list at " << kWordList;
    std::ostringstream text;
    text << in.rdbuf();
    ScratchFolder scratch;
    BuildOptions options;
    options.sort = true;
    const std::string path = scratch.file("words.lxd");
    ASSERT_TRUE(buildDictionary(text.str(), path, options));
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(path));

    struct Case {
        const char* grid;
        int target;
        int firstWord;
        std::uint32_t seed;
    };
    for (const Case& c : {Case{"open5.tgr", 40, 0, 1}, Case{"british13.tgr", 40, 0, 1},
                          Case{"british13.tgr", -40, 1, 5}, Case{"british15.tgr", 20, 1, 77},
                          Case{"american15.tgr", 40, 0, 1}}) {
        SCOPED_TRACE(std::string(c.grid) + " target " + std::to_string(c.target) + " seed " +
                     std::to_string(c.seed));
        std::vector<std::string> pictures[2];
        int results[2];
        for (int way = 0; way < 2; ++way) {
            FillFixture f;
            std::ifstream file(std::string(TESSARAN_SOURCE_DIR) + "/bench/grids/" + c.grid,
                               std::ios::binary);
            ASSERT_EQ(GridFile::read(f.grid, file), 0);
            f.grid.refresh();
            f.grid.setting(GridSetting::NormalCommonality).setOverride(c.target);
            f.grid.setting(GridSetting::FirstWord).setOverride(c.firstWord);
            f.killList.add("ABACI");  // a killed word in play for both
            FillRandom random(c.seed);
            if (way == 0) {
                FillEngine engine(f.grid, dictionary, random);
                results[way] = engine.normalFill(nullptr).result;
            } else {
                PlainFill plain(f.grid, dictionary, random);
                results[way] = plain.normalFill();
            }
            for (int r = 0; r < f.grid.rows(); ++r) {
                std::string row;
                for (int col = 0; col < f.grid.columns(); ++col) {
                    const Cell& cell = f.grid.cellAt(r, col);
                    row += cell.filledLetter() != kNoLetter
                               ? dictionary.displayChar(cell.filledLetter())
                               : (cell.inAnyLight() ? '.' : '#');
                }
                pictures[way].push_back(row);
            }
        }
        EXPECT_EQ(results[0], results[1]);
        EXPECT_EQ(pictures[0], pictures[1]);
    }
}

}  // namespace
}  // namespace tessaran::testing
