// Fills of the benchmark grids with a dictionary built from the system word list, checked
// by what a setter would check: every light a dictionary word, no word twice, given and
// killed words respected, and the same fill again for the same settings and seed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "fill/FillEngine.h"
#include "fill/FillTestSupport.h"
#include "fill/FillWordIndex.h"
#include "grid/GridFile.h"

namespace tessaran::testing {
namespace {

constexpr const char* kWordList = "/usr/share/dict/british-english";

class RealGridFill : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = new ScratchFolder;
        s_dictionary = new Dictionary;
        std::ifstream in(kWordList, std::ios::binary);
        if (!in)
            return;
        std::ostringstream text;
        text << in.rdbuf();
        BuildOptions options;
        options.sort = true;
        const std::string path = s_scratch->file("words.lxd");
        if (buildDictionary(text.str(), path, options))
            s_dictionary->open(path);
    }
    static void TearDownTestSuite() {
        delete s_dictionary;
        delete s_scratch;
    }
    void SetUp() override {
        if (!s_dictionary->isValid())
            GTEST_SKIP() << "no word list at " << kWordList;
        m_fixture.grid.setting(GridSetting::Symmetry).setDefault(0);
    }

    Grid& load(const std::string& name) {
        std::ifstream in(std::string(TESSARAN_SOURCE_DIR) + "/bench/grids/" + name,
                         std::ios::binary);
        EXPECT_EQ(GridFile::read(m_fixture.grid, in), 0) << name;
        m_fixture.grid.refresh();
        return m_fixture.grid;
    }
    NormalFillOutcome fill(std::uint32_t seed = 1) {
        FillRandom random(seed);
        FillEngine engine(m_fixture.grid, *s_dictionary, random);
        const NormalFillOutcome outcome = engine.normalFill(nullptr);
        m_fixture.grid.refresh();
        return outcome;
    }
    std::vector<std::string> picture() {
        std::vector<std::string> rows;
        for (int r = 0; r < m_fixture.grid.rows(); ++r) {
            std::string row;
            for (int c = 0; c < m_fixture.grid.columns(); ++c) {
                const Cell& cell = m_fixture.grid.cellAt(r, c);
                if (cell.shownText())
                    row += *cell.shownText();
                else if (cell.filledLetter() != kNoLetter)
                    row += s_dictionary->displayChar(cell.filledLetter());
                else
                    row += cell.inAnyLight() ? '.' : '#';
            }
            rows.push_back(row);
        }
        return rows;
    }
    std::string word(const Light& light) {
        std::string text;
        for (const Cell* cell : light.cells())
            text += cell->shownText()
                        ? *cell->shownText()
                        : std::string(1, s_dictionary->displayChar(cell->filledLetter()));
        return text;
    }
    // Every light a dictionary word and no word in two lights.
    void expectSoundFill() {
        std::set<std::string> seen;
        for (const Light* light : m_fixture.grid.lights()) {
            const std::string w = word(*light);
            EXPECT_TRUE(isDictionaryWord(*s_dictionary, w)) << w;
            EXPECT_TRUE(seen.insert(w).second) << w << " appears twice";
        }
    }

    static inline ScratchFolder* s_scratch = nullptr;
    static inline Dictionary* s_dictionary = nullptr;
    FillFixture m_fixture;
};

TEST_F(RealGridFill, BenchmarkGridsFillWithDistinctDictionaryWords) {
    for (const char* name :
         {"open5.tgr", "british13.tgr", "british15.tgr", "barred12.tgr", "american15.tgr"}) {
        SCOPED_TRACE(name);
        load(name);
        const NormalFillOutcome outcome = fill();
        ASSERT_EQ(outcome.result, 1);
        for (const Light* light : m_fixture.grid.lights())
            EXPECT_EQ(light->fillState(), 2);
        expectSoundFill();
    }
}

TEST_F(RealGridFill, GivenLettersStayAndKilledWordsStayOut) {
    Grid& grid = load("british13.tgr");
    ASSERT_EQ(fill().result, 1);
    std::vector<std::string> killed;
    for (int i : {0, 5, 11})
        killed.push_back(word(*grid.lights()[i]));
    for (const std::string& w : killed)
        m_fixture.killList.add(w);
    grid.cellAt(0, 0).setText("S");
    grid.cellAt(6, 3).setText("E");
    grid.refresh();

    ASSERT_EQ(fill().result, 1);
    expectSoundFill();
    EXPECT_EQ(picture()[0][0], 'S');
    EXPECT_EQ(picture()[6][3], 'E');
    for (const Light* light : grid.lights())
        for (const std::string& w : killed)
            EXPECT_NE(word(*light), w);
}

TEST_F(RealGridFill, SameSettingsAndSeedGiveTheSameFill) {
    load("british15.tgr");
    ASSERT_EQ(fill(1).result, 1);
    const auto consistent = picture();
    ASSERT_EQ(fill(99).result, 1);
    EXPECT_EQ(picture(), consistent);  // consistent first words ignore the seed

    m_fixture.grid.setting(GridSetting::FirstWord).setOverride(1);
    std::set<std::vector<std::string>> fills;
    for (std::uint32_t seed : {7u, 8u, 9u}) {
        ASSERT_EQ(fill(seed).result, 1);
        expectSoundFill();
        const auto first = picture();
        ASSERT_EQ(fill(seed).result, 1);
        EXPECT_EQ(picture(), first) << "seed " << seed;
        fills.insert(first);
    }
    EXPECT_GT(fills.size(), 1u);  // the random first word changes the fill
}

TEST_F(RealGridFill, UnchFillKeepsCheckedAndGivenLetters) {
    Grid& grid = load("british15.tgr");
    grid.setting(GridSetting::UnchCommonality).setOverride(-40);
    ASSERT_EQ(fill().result, 1);
    const auto before = picture();
    FillRandom random(1);
    FillEngine engine(grid, *s_dictionary, random);
    EXPECT_EQ(engine.unchFill(), 1);
    grid.refresh();
    const auto after = picture();
    int changed = 0;
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c) {
            if (grid.lightCount(grid.cellAt(r, c)) == 2) {
                EXPECT_EQ(after[r][c], before[r][c]) << r << "," << c;
            }
            changed += after[r][c] != before[r][c];
        }
    EXPECT_GT(changed, 0);
    expectSoundFill();
}

// The index the search reads candidates from gives exactly the words, in exactly the
// order, that a pattern cursor of the dictionary gives.
TEST_F(RealGridFill, WordIndexEnumeratesLikeTheDictionaryCursor) {
    FillWordIndex index(*s_dictionary);
    std::mt19937 generator(5);
    for (int length = 2; length <= 12; ++length) {
        const FillWordIndex::Words* words = index.words(length);
        ASSERT_NE(words, nullptr) << length;
        for (int trial = 0; trial < 20; ++trial) {
            std::vector<std::uint8_t> pattern(length, lxd::kAnyLetter);
            const std::uint32_t from = generator() % words->count;
            const int fixed = static_cast<int>(generator() % 4);
            for (int i = 0; i < fixed; ++i) {
                const int p = static_cast<int>(generator() % length);
                pattern[p] = words->letters[static_cast<size_t>(from) * length + p];
            }
            // Letters taken from no word, so that some patterns fit nothing at all, and
            // now and then a cell that holds no letter.
            if (trial % 3 == 1)
                pattern[generator() % length] =
                    static_cast<std::uint8_t>(generator() % s_dictionary->lettersInUse());
            if (trial == 19)
                pattern[generator() % length] = lxd::kNoLetter;
            std::vector<std::string> expected;
            InputEngine cursor(*s_dictionary);
            ASSERT_TRUE(cursor.startPattern(pattern.data(), length));
            for (;;) {
                const lxd::LetterIndex* w = cursor.nextByPattern();
                if (!w)
                    continue;
                if (w[0] == lxd::kNoLetter)
                    break;
                expected.emplace_back(w, w + length);
            }
            std::vector<std::string> actual;
            FillCursor fast;
            ASSERT_TRUE(fast.startPattern(index, pattern.data(), length));
            std::uint8_t out[32];
            while (fast.next(out))
                actual.emplace_back(out, out + length);
            ASSERT_EQ(actual, expected) << "length " << length << " trial " << trial;
        }
    }
}

}  // namespace
}  // namespace tessaran::testing
