// The Constraint fill method, checked as a setter would check any fill: every light a
// dictionary word, no word twice, given letters kept, killed words absent; a grid without
// a fill reported as a failure; Abandon leaving a provisional fill as the Standard method
// leaves one; the same seed giving the same fill. Real grids use a dictionary built from
// the system word list; small cases use word lists made for them.

#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/resource.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "fill/ConstraintFill.h"
#include "fill/FillMethod.h"
#include "fill/FillTestSupport.h"
#include "grid/GridFile.h"

namespace tessaran::testing {
namespace {

constexpr const char* kWordList = "/usr/share/dict/british-english";

// Every light holds a dictionary word, no word twice, and no working letter is left.
void expectSoundFill(FillFixture& f, bool complete = true) {
    std::set<std::string> seen;
    for (const Light* light : f.grid.lights()) {
        const std::string w = f.word(*light);
        if (!complete && w.find('.') != std::string::npos)
            continue;
        EXPECT_TRUE(isDictionaryWord(f.dictionary, w)) << w;
        EXPECT_TRUE(seen.insert(w).second) << w << " appears twice";
    }
    for (int r = 0; r < f.grid.rows(); ++r)
        for (int c = 0; c < f.grid.columns(); ++c)
            EXPECT_EQ(f.grid.cellAt(r, c).fixedLetter(), kNoLetter) << r << "," << c;
}

NormalFillOutcome constraintFill(FillFixture& f, std::uint32_t seed = 1,
                                 ConstraintFill::Counters* counters = nullptr) {
    FillRandom random(seed);
    ConstraintFill fill(f.grid, f.dictionary, random);
    const NormalFillOutcome outcome = fill.normalFill(nullptr);
    if (counters)
        *counters = fill.counters();
    f.grid.refresh();
    return outcome;
}

// ---------------------------------------------------------------------------------------
// Small grids and word lists

struct ConstraintFillSmall : FillFixture, ::testing::Test {};

TEST_F(ConstraintFillSmall, FillsWithDistinctWordsKeepingGivenLetters) {
    useWords({"CAT", "COD", "TOE", "DYE", "DOG", "CUT", "TOT", "ODE"});
    layRows({"...", ".#.", "..."});
    at(0, 2).setText("T");
    grid.refresh();
    ASSERT_EQ(constraintFill(*this).result, 1);
    EXPECT_EQ(picture()[0][2], 'T');
    for (const Light* light : grid.lights())
        EXPECT_EQ(light->fillState(), 2);
    expectSoundFill(*this);
}

// Propagation alone shows that no word fits: the fill fails before placing anything and
// names the light left without words.
TEST_F(ConstraintFillSmall, FailureProvenByPropagationNamesTheLight) {
    useWords({"CAT", "COD", "TOE", "DYE"});
    layRows({"...", ".#.", "..."});
    at(2, 1).setText("Q");  // no word has Q in the middle
    grid.refresh();
    ConstraintFill::Counters counters;
    NormalFillOutcome outcome = constraintFill(*this, 1, &counters);
    EXPECT_EQ(outcome.result, 0);
    ASSERT_NE(outcome.failedLight, nullptr);
    EXPECT_EQ(outcome.failedLight, grid.lights()[1]);  // the bottom across light
    EXPECT_EQ(counters.placements, 0);

    // Every light has words, but no word ends in a letter that a word starts with, so the
    // top right corner can hold nothing.
    at(2, 1).clearText();
    const std::string corners = scratch.file("corners.lxd");
    BuildOptions inOrder;
    inOrder.sort = false;
    ASSERT_TRUE(buildDictionary(joinLines({"ABC", "DEF"}), corners, inOrder));
    ASSERT_TRUE(dictionary.open(corners));
    grid.refresh();
    outcome = constraintFill(*this, 1, &counters);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_NE(outcome.failedLight, nullptr);
    EXPECT_EQ(counters.placements, 0);
    for (const Light* light : grid.lights())
        EXPECT_EQ(light->fillState(), 3);
}

// The fill keeps to a dictionary's first words while they can fill the grid, even where
// later words would leave the crossings far more choice, and takes later words only where
// the grid needs them.
TEST_F(ConstraintFillSmall, CommonWordsFirstRareWordsOnlyWhereNeeded) {
    // Four words that fill the grid, then seven rarer ones, all S.S, that fill it as well
    // and cross each other freely.
    useWords({"CAT", "COD", "TOE", "DYE", "SIS", "SAS", "SOS", "SUS", "SES", "SYS", "SMS"});
    layRows({"...", ".#.", "..."});
    ASSERT_EQ(constraintFill(*this).result, 1);
    EXPECT_EQ(picture(), (std::vector<std::string>{"CAT", "O#O", "DYE"}));

    // A given I in the top light leaves only SIS there, and so only rare words around it.
    at(0, 1).setText("I");
    grid.refresh();
    ASSERT_EQ(constraintFill(*this).result, 1);
    const std::vector<std::string> rows = picture();
    EXPECT_EQ(rows[0], "SIS");
    EXPECT_EQ(rows[2][0], 'S');
    EXPECT_EQ(rows[2][2], 'S');
    expectSoundFill(*this);
}

// A fill that every light can take alone but the whole grid cannot (each word may be used
// once) is a failure found by the search, not a success with a repeated word.
TEST_F(ConstraintFillSmall, NoWordTwiceMakesAnImpossibleGridFail) {
    useWords({"AA", "BB"});
    layRows({"..", ".."});
    ConstraintFill::Counters counters;
    const NormalFillOutcome outcome = constraintFill(*this, 1, &counters);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_GT(counters.placements, 0);
    for (const Light* light : grid.lights())
        EXPECT_EQ(light->fillState(), 3);
    expectSoundFill(*this, false);
}

// The grid's Manual start mode walks the Standard search, whose word-by-word choice
// (without a window to answer it) abandons; Automatic runs the chosen method.
TEST_F(ConstraintFillSmall, ManualStartModeAlwaysRunsTheStandardMethod) {
    useWords({"CAT", "COD", "TOE", "DYE", "DOG", "CUT"});
    layRows({"...", ".#.", "..."});
    FillRandom random(1);
    EXPECT_EQ(runNormalFill(grid, dictionary, random, FillMethod::Constraint, nullptr).result, 1);
    grid.setting(GridSetting::StartMode).setOverride(1);
    EXPECT_EQ(runNormalFill(grid, dictionary, random, FillMethod::Constraint, nullptr).result, 2);

    EXPECT_EQ(parseFillMethod("Constraint"), FillMethod::Constraint);
    EXPECT_EQ(parseFillMethod("standard"), FillMethod::Standard);
    EXPECT_EQ(parseFillMethod("fast"), std::nullopt);
    EXPECT_EQ(fillMethodFromSetting(1), FillMethod::Constraint);
    EXPECT_EQ(fillMethodFromSetting(7), FillMethod::Standard);
}

// ---------------------------------------------------------------------------------------
// Real grids

class ConstraintRealGrid : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = new ScratchFolder;
        s_path = new std::string;
        std::ifstream in(kWordList, std::ios::binary);
        if (!in)
            return;
        std::ostringstream text;
        text << in.rdbuf();
        *s_path = s_scratch->file("words.lxd");
        if (!buildDictionary(text.str(), *s_path, BuildOptions{}))
            s_path->clear();
    }
    static void TearDownTestSuite() {
        delete s_path;
        delete s_scratch;
    }
    void SetUp() override {
        if (s_path->empty() || !f.dictionary.open(*s_path))
            GTEST_SKIP() << "no word list at " << kWordList;
        f.grid.setting(GridSetting::Symmetry).setDefault(0);
    }

    void load(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        ASSERT_EQ(GridFile::read(f.grid, in), 0) << path;
        f.grid.refresh();
    }
    static std::string benchGrid(const std::string& name) {
        return std::string(TESSARAN_SOURCE_DIR) + "/bench/grids/" + name;
    }

    static inline ScratchFolder* s_scratch = nullptr;
    static inline std::string* s_path = nullptr;
    FillFixture f;
};

TEST_F(ConstraintRealGrid, EveryBenchmarkGridFillsWithDistinctDictionaryWords) {
    std::vector<std::string> grids;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(TESSARAN_SOURCE_DIR) + "/bench/grids"))
        if (entry.path().extension() == ".tgr")
            grids.push_back(entry.path().string());
    ASSERT_GE(grids.size(), 8u);
    for (const std::string& path : grids) {
        SCOPED_TRACE(path);
        load(path);
        ASSERT_EQ(constraintFill(f).result, 1);
        for (const Light* light : f.grid.lights())
            EXPECT_EQ(light->fillState(), 2);
        expectSoundFill(f);
    }
}

TEST_F(ConstraintRealGrid, GivenLettersStayAndKilledWordsStayOut) {
    load(benchGrid("american15x78.tgr"));
    ASSERT_EQ(constraintFill(f).result, 1);
    std::vector<std::string> killed;
    for (int i : {0, 7, 30, 50})
        killed.push_back(f.word(*f.grid.lights()[i]));
    for (const std::string& w : killed)
        f.killList.add(w);
    f.grid.cellAt(0, 1).setText("S");
    f.grid.cellAt(7, 7).setText("E");
    f.grid.refresh();

    ASSERT_EQ(constraintFill(f).result, 1);
    expectSoundFill(f);
    EXPECT_EQ(f.picture()[0][1], 'S');
    EXPECT_EQ(f.picture()[7][7], 'E');
    for (const std::string& w : f.words())
        for (const std::string& k : killed)
            EXPECT_NE(w, k);
}

// A word killed while the fill runs (the progress window's Kill) is refused from then on.
TEST_F(ConstraintRealGrid, WordKilledDuringTheFillIsNotUsed) {
    load(benchGrid("british13.tgr"));
    ASSERT_EQ(constraintFill(f).result, 1);
    std::map<const Light*, std::string> first;
    for (const Light* light : f.grid.lights())
        first[light] = f.word(*light);

    // At the first report, kill the word some other light took the first time.
    struct KillingView : GridView {
        KillList* list = nullptr;
        std::map<const Light*, std::string>* words = nullptr;
        std::string killed;
        int fillProgress(const FillView*, const Light* light, int, int) override {
            if (light && killed.empty()) {
                for (const auto& [other, word] : *words)
                    if (other != light && other->length() == light->length())
                        killed = word;
                list->add(killed);
            }
            return 0;
        }
    } view;
    view.list = &f.killList;
    view.words = &first;
    f.grid.setObserver(&view);
    ASSERT_EQ(constraintFill(f).result, 1);
    f.grid.setObserver(nullptr);
    ASSERT_FALSE(view.killed.empty());
    for (const std::string& w : f.words())
        EXPECT_NE(w, view.killed);
    expectSoundFill(f);
}

// The grid needs restarts, so the seeded randomness is at work; the "Random" first word
// setting draws from the same generator.
TEST_F(ConstraintRealGrid, SameSeedGivesTheSameFill) {
    load(benchGrid("american21.tgr"));
    f.grid.setting(GridSetting::FirstWord).setOverride(1);
    std::set<std::vector<std::string>> fills;
    for (std::uint32_t seed : {3u, 4u}) {
        ConstraintFill::Counters counters;
        ASSERT_EQ(constraintFill(f, seed, &counters).result, 1);
        const auto first = f.picture();
        ASSERT_EQ(constraintFill(f, seed).result, 1);
        EXPECT_EQ(f.picture(), first) << "seed " << seed;
        fills.insert(first);
    }
    EXPECT_EQ(fills.size(), 2u);
}

// Abandon stops at the next report, at once, and leaves what the Standard method leaves:
// the words standing when it stopped, as a provisional fill of real, crossing-consistent
// dictionary words, and every other light open.
TEST_F(ConstraintRealGrid, AbandonStopsAtOnceLeavingTheStandingWords) {
    load(benchGrid("american21x138.tgr"));
    struct AbandoningView : GridView {
        int calls = 0;
        int abandonAt = 40;
        double longestGap = 0;  // processor seconds between two reports
        std::clock_t last = std::clock();
        std::chrono::steady_clock::time_point abandonedAt;
        int fillProgress(const FillView*, const Light* light, int, int) override {
            if (!light)
                return 0;
            const std::clock_t now = std::clock();
            if (calls > 0)
                longestGap = std::max(longestGap, double(now - last) / CLOCKS_PER_SEC);
            last = now;
            if (++calls < abandonAt)
                return 0;
            abandonedAt = std::chrono::steady_clock::now();
            return 3;
        }
    } view;
    f.grid.setObserver(&view);
    ConstraintFill::Counters counters;
    const NormalFillOutcome outcome = constraintFill(f, 1, &counters);
    const double stopping =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - view.abandonedAt).count();
    f.grid.setObserver(nullptr);

    EXPECT_EQ(outcome.result, 2);
    EXPECT_EQ(counters.placements, view.abandonAt);
    EXPECT_LT(stopping, 0.1);
    EXPECT_LT(view.longestGap, 0.1);
    int filled = 0;
    for (const Light* light : f.grid.lights()) {
        const std::string w = f.word(*light);
        if (light->fillState() == 2) {
            ++filled;
            EXPECT_TRUE(isDictionaryWord(f.dictionary, w)) << w;
        } else {
            EXPECT_EQ(light->fillState(), 3);
        }
    }
    EXPECT_GT(filled, 0);
    EXPECT_LT(filled, static_cast<int>(f.grid.lights().size()));
    expectSoundFill(f, false);
}

// A 50x50 grid of 450 lights fills in bounded memory on a small stack: the search
// keeps its path in arrays, not in recursion.
TEST_F(ConstraintRealGrid, LargestGridFillsOnASmallStack) {
    std::vector<std::string> rows(50, std::string(50, '.'));
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 50; ++c)
            if ((r % 2 && c % 2) || (r % 2 == 0 && c % 6 == 3) || (c % 2 == 0 && r % 6 == 3))
                rows[r][c] = '#';
    f.layRows(rows);
    ASSERT_GT(f.grid.lights().size(), 400u);

    struct Run {
        FillFixture* fixture;
        NormalFillOutcome outcome;
    } run{&f, {}};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 256 * 1024);
    pthread_t thread;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    ASSERT_EQ(pthread_create(
                  &thread, &attributes,
                  [](void* arg) -> void* {
                      auto* r = static_cast<Run*>(arg);
                      r->outcome = constraintFill(*r->fixture);
                      return nullptr;
                  },
                  &run),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);

    ASSERT_EQ(run.outcome.result, 1);
    expectSoundFill(f);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 200 * 1024);  // kilobytes
}

}  // namespace
}  // namespace tessaran::testing
