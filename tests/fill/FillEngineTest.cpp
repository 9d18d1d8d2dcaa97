#include <gtest/gtest.h>

#include <set>

#include "fill/FillEngine.h"
#include "fill/FillOperations.h"
#include "fill/FillRandom.h"
#include "fill/FillReport.h"
#include "fill/FillTestSupport.h"

namespace tessaran::testing {
namespace {

TEST(FillRandom, FollowsTheLinearCongruentialRecurrence) {
    FillRandom random(0);
    EXPECT_EQ(random.next(), 0);
    EXPECT_EQ(random.next(), 346);
    EXPECT_EQ(random.next(), 130);
    EXPECT_EQ(random.next(), 10982);
    EXPECT_EQ(random.next(), 1090);

    FillRandom clock(FillRandom::seedFromClock(59, 59));
    EXPECT_EQ(clock.seed(), 3599u);
    EXPECT_EQ(clock.next(), 1169);
    EXPECT_EQ(clock.next(), 10617);
    EXPECT_EQ(clock.next(), 29334);
    EXPECT_EQ(clock.seed(), 1922462834u);
}

// A 3x3 ring of four lights: two across (rows 0 and 2), two down (columns 0 and 2).
struct RingFill : FillFixture {
    RingFill() {
        layRows({"...", ".#.", "..."});
        useWords({"CAT", "COD", "TOE", "DYE", "DOG", "CUT", "TAB"});
    }
};

TEST(FillEngine, EvaluationScoresPlacedLettersAndSpotsImpossiblePairs) {
    FillFixture f;
    f.layRows({"..."});
    f.useWords({"CAT", "COT", "DOG"});
    FillEngine engine(f.grid, f.dictionary, f.random);
    engine.prepareNormal();
    Light& light = *f.grid.lights()[0];
    auto letter = [&](char c) { return f.dictionary.letterOf(static_cast<unsigned char>(c)); };

    EXPECT_EQ(engine.priority(light), 0);  // nothing placed, no checked cell
    EXPECT_EQ(engine.openCrossings(light), 0);

    light.cell(0).setFixedLetter(letter('C'));
    light.cell(2).setFixedLetter(letter('T'));
    FillEngine::invalidate(light);
    const int plausibility = engine.evaluate(light);
    ASSERT_NE(plausibility, kFillImpossible);
    EXPECT_EQ(engine.priority(light), -2 * 16777216 + 256 * plausibility);

    // No word has C first and G last, though each letter occurs at its position.
    light.cell(2).setFixedLetter(letter('G'));
    FillEngine::invalidate(light);
    EXPECT_EQ(engine.evaluate(light), kFillImpossible);
    EXPECT_EQ(engine.priority(light), kFillImpossible);

    // A letter never seen at a position.
    light.cell(0).setFixedLetter(letter('O'));
    light.cell(2).setFixedLetter(kNoLetter);
    FillEngine::invalidate(light);
    EXPECT_EQ(engine.evaluate(light), kFillImpossible);
}

TEST(FillEngine, LightWithoutOpenCrossingsTakesFirstUnusedWordInDictionaryOrder) {
    FillFixture f;
    f.layRows({"...", "###", "..."});
    f.useWords({"ZOO", "CAT", "DOG"});
    f.grid.setting(GridSetting::NormalCommonality).setOverride(-40);
    const NormalFillOutcome outcome = f.fill();
    EXPECT_EQ(outcome.result, 1);
    EXPECT_EQ(f.words(), (std::vector<std::string>{"ZOO", "CAT"}));
}

// With "Random" first words the first word a top-level light tries is the loaded slot
// the generator's next value (modulo 256) counts to, walking the slots round; the light
// through its first cell then takes the first word that fits.
TEST(FillEngine, RandomFirstWordFollowsTheGenerator) {
    const std::vector<std::string> list = {"AXE", "ACE", "BOA", "BAD", "CAB", "COB"};
    for (std::uint32_t seed : {1u, 7u, 1234u, 99999u, 3599u}) {
        SCOPED_TRACE(seed);
        FillFixture f;
        f.layRows({"...", ".##", ".##"});
        f.useWords(list);
        f.grid.setting(GridSetting::FirstWord).setOverride(1);
        f.random.setSeed(seed);
        ASSERT_EQ(f.fill().result, 1);
        FillRandom expected(seed);
        const std::string first = list[(expected.next() % 256) % list.size()];
        EXPECT_EQ(f.word(*f.grid.lights()[0]), first);
        for (const std::string& word : list)
            if (word != first && word[0] == first[0]) {
                EXPECT_EQ(f.word(*f.grid.lights()[1]), word);
                break;
            }
        EXPECT_EQ(f.random.seed(), expected.seed());  // one value drawn, no more
    }
}

TEST(FillEngine, FilledGridHoldsDistinctDictionaryWordsAndKeepsGivenLetters) {
    RingFill f;
    f.at(2, 0).setText("D");
    f.grid.refresh();
    const NormalFillOutcome outcome = f.fill();
    ASSERT_EQ(outcome.result, 1);
    std::set<std::string> seen;
    for (const std::string& word : f.words()) {
        EXPECT_TRUE(isDictionaryWord(f.dictionary, word)) << word;
        EXPECT_TRUE(seen.insert(word).second) << word << " used twice";
    }
    EXPECT_EQ(f.picture()[2][0], 'D');
    for (const Light* light : f.grid.lights())
        EXPECT_EQ(light->fillState(), 2);
}

TEST(FillEngine, KilledWordsAreNeverPlaced) {
    RingFill f;
    f.killList.add("cat");  // folds to the same letters as CAT
    ASSERT_EQ(f.fill().result, 1);
    for (const std::string& word : f.words()) {
        EXPECT_NE(word, "CAT");
        EXPECT_TRUE(isDictionaryWord(f.dictionary, word)) << word;
    }
}

TEST(FillEngine, PreCheckNamesALightNoWordCanFit) {
    FillFixture f;
    f.layRows({"...#....", "########", "....#..."});
    f.useWords({"CAT", "DOG", "BIRD"});
    f.at(2, 0).setText("Q");
    f.grid.refresh();
    const NormalFillOutcome outcome = f.fill();
    EXPECT_EQ(outcome.result, 0);
    ASSERT_NE(outcome.failedLight, nullptr);
    EXPECT_EQ(outcome.failedLight, f.grid.lights()[2]);
    EXPECT_EQ(fillResultText(outcome.result, outcome.failedLight, 0),
              "Fill failed at 3a (4) after 0 seconds");

    // A cell whose own text is "." holds no letter a word can have: the fill stops at
    // the first light through it rather than hiding a letter behind the ".".
    FillFixture g;
    g.layRows({"...", ".#.", "..."});
    g.useWords({"CAT", "COD", "TOE", "DYE", "DOG", "CUT", "TAB"});
    g.at(0, 0).setText(".");
    g.grid.refresh();
    const NormalFillOutcome dotted = g.fill();
    EXPECT_EQ(dotted.result, 0);
    EXPECT_EQ(dotted.failedLight, g.grid.lights()[0]);
}

// Only the pre-check names a light: a search that fails below the top level has no
// single light to blame, so the report gives none, with or without a start light.
TEST(FillEngine, FailedSearchReportsNoLight) {
    FillFixture f;
    f.layRows({"...", ".#.", "..."});
    f.useWords({"CAT", "COD", "TOE"});  // four lights, three words
    NormalFillOutcome outcome = f.fill();
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.failedLight, nullptr);
    EXPECT_EQ(fillResultText(outcome.result, outcome.failedLight, 2),
              "Fill failed after 2 seconds");
    outcome = f.fill(f.grid.lights()[3]);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.failedLight, nullptr);
}

TEST(FillEngine, LengthWithoutWordsFailsAtThatLight) {
    FillFixture f;
    f.layRows({"...##", "#####", "....."});
    f.useWords({"CAT", "DOG"});
    const NormalFillOutcome outcome = f.fill();
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.failedLight, f.grid.lights()[1]);

    // Longer than any dictionary word can be.
    FillFixture g;
    g.layRows({std::string(3, '.') + "#" + std::string(40, '.')});
    g.useWords({"CAT", "DOG"});
    const NormalFillOutcome longer = g.fill();
    EXPECT_EQ(longer.result, 0);
    EXPECT_EQ(longer.failedLight, g.grid.lights()[1]);
    FillEngine engine(g.grid, g.dictionary, g.random);
    EXPECT_EQ(engine.oneShotFill(*g.grid.lights()[1]), 0);
}

TEST(FillEngine, AbandonKeepsTheLettersFilledSoFar) {
    RingFill f;
    ScriptedView view;
    view.abandonAfter = 1;
    f.grid.setObserver(&view);
    const NormalFillOutcome outcome = f.fill();
    EXPECT_EQ(outcome.result, 2);
    int filled = 0;
    for (const Light* light : f.grid.lights())
        filled += light->fillState() == 2;
    EXPECT_GE(filled, 1);
    int letters = 0;
    for (const std::string& row : f.picture())
        for (char c : row)
            letters += c != '.' && c != '#';
    EXPECT_GE(letters, 3);
}

TEST(FillEngine, NewFillStartsFromScratchAndUncommittedLettersAreDropped) {
    RingFill f;
    ASSERT_EQ(f.fill().result, 1);
    const auto first = f.picture();
    ASSERT_EQ(f.fill().result, 1);
    EXPECT_EQ(f.picture(), first);  // consistent first words: the same fill again

    // A grid whose every light cell is given is complete at once.
    FillFixture g;
    g.layRows({".."});
    g.useWords({"AB"});
    g.at(0, 0).setText("A");
    g.at(0, 1).setText("B");
    g.grid.refresh();
    EXPECT_EQ(g.fill().result, 1);
    EXPECT_EQ(g.grid.lights()[0]->fillState(), 1);
}

TEST(FillEngine, ManualChoiceTakesTheOfferedWord) {
    struct ChoosingView : GridView {
        int choices = 0;
        int fillChoose(int slotCount, int target, int* scores, const Light*, int, std::uint8_t*,
                       const std::uint8_t*, int& chosen) override {
            ++choices;
            chosen = -1;
            for (int s = 0; s < slotCount; ++s)
                if (scores[s] != kFillEmptySlot &&
                    (chosen < 0 ||
                     std::abs(target - scores[s]) < std::abs(target - scores[chosen])))
                    chosen = s;
            return 1;  // Next: take it and stay manual
        }
    };
    RingFill f;
    ChoosingView view;
    f.grid.setObserver(&view);
    f.grid.setting(GridSetting::StartMode).setOverride(1);
    EXPECT_EQ(f.fill().result, 1);
    EXPECT_GE(view.choices, 1);
    for (const std::string& word : f.words())
        EXPECT_TRUE(isDictionaryWord(f.dictionary, word));

    // Without a window to choose in, a manual fill is abandoned.
    RingFill g;
    g.grid.setting(GridSetting::StartMode).setOverride(1);
    EXPECT_EQ(g.fill().result, 2);
    EXPECT_EQ(g.picture(), (std::vector<std::string>{"...", ".#.", "..."}));
    for (const Light* light : g.grid.lights())
        EXPECT_EQ(light->fillState(), 3);
}

TEST(FillEngine, CheckMendsBrokenLightsThroughUncheckedCellsOrNamesThem) {
    FillFixture f;
    f.layRows({"...", ".#.", "..."});
    f.useWords({"CAT", "COD", "TOE", "DYE", "CUT"});
    auto place = [&](const std::vector<std::string>& rows) {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                if (rows[r][c] != '#')
                    f.at(r, c).setFilledLetter(
                        f.dictionary.letterOf(static_cast<unsigned char>(rows[r][c])));
        f.grid.refresh();
    };
    // The left light reads CTD: its middle cell is unchecked, so it is mended to COD.
    place({"CAT", "T#O", "DYE"});
    FillEngine engine(f.grid, f.dictionary, f.random);
    EXPECT_EQ(engine.checkFill(), nullptr);
    f.grid.refresh();
    EXPECT_EQ(f.word(*f.grid.lights()[2]), "COD");

    // The bottom light reads DYT: no word fits D?T, so nothing can mend it.
    place({"CAT", "O#O", "DYT"});
    EXPECT_EQ(engine.checkFill(), f.grid.lights()[1]);
}

TEST(UnchFill, ChangesOnlyUncheckedUnsetCells) {
    FillFixture f;
    f.layRows({".....", ".#.#.", "....."});
    f.useWords({"CATER", "CUTER", "ROTES", "RATES", "CAR", "CUR", "TOT", "TAT", "RES", "RAS"});
    ASSERT_EQ(f.fill().result, 1);
    const auto before = f.picture();
    f.grid.setting(GridSetting::UnchCommonality).setOverride(-40);
    FillEngine engine(f.grid, f.dictionary, f.random);
    EXPECT_EQ(engine.unchFill(), 1);
    f.grid.refresh();
    const auto after = f.picture();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            if (f.grid.lightCount(f.at(r, c)) == 2) {
                EXPECT_EQ(after[r][c], before[r][c]);
            }
    for (const std::string& word : f.words())
        EXPECT_TRUE(isDictionaryWord(f.dictionary, word));

    // Nothing provisional: nothing to do, and success.
    FillFixture g;
    g.layRows({"..."});
    g.useWords({"CAT"});
    FillEngine none(g.grid, g.dictionary, g.random);
    EXPECT_EQ(none.unchFill(), 1);
    EXPECT_EQ(g.picture()[0], "...");
}

TEST(OneShotFill, StepsThroughFittingWordsInDictionaryOrderAndWraps) {
    FillFixture f;
    f.layRows({"..."});
    f.useWords({"CAT", "COT", "DOG"});
    Light& light = *f.grid.lights()[0];
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        FillEngine engine(f.grid, f.dictionary, f.random);
        ASSERT_EQ(engine.oneShotFill(light), 1);
        f.grid.refresh();
        seen.push_back(f.word(light));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"CAT", "COT", "DOG", "CAT"}));

    // A given letter narrows the words; none fits: result 0 and its message.
    f.at(0, 0).setText("X");
    f.grid.refresh();
    FillEngine engine(f.grid, f.dictionary, f.random);
    EXPECT_EQ(engine.oneShotFill(light), 0);
    EXPECT_EQ(oneShotFailureText(0, light, "words.lxd"),
              "No word in the dictionary will fit into 1a (3)");
    f.at(0, 0).setText("XY");
    f.grid.refresh();
    EXPECT_EQ(engine.oneShotFill(light), 0);
    EXPECT_EQ(oneShotFailureText(0, light, "words.lxd"),
              "1a (3) [cell 1 has 2 characters] can't be filled");
    EXPECT_EQ(oneShotFailureText(2, light, "words.lxd"),
              "Fill failed - dictionary words.lxd invalid?");

    FillFixture g;
    g.layRows({"...."});
    g.useWords({"CAT"});
    FillEngine noWords(g.grid, g.dictionary, g.random);
    EXPECT_EQ(noWords.oneShotFill(*g.grid.lights()[0]), 2);

    // A "." among given letters is the one open position: only the given letters count.
    FillFixture h;
    h.layRows({"..."});
    h.useWords({"DOG", "CAT", "COT"});
    h.at(0, 0).setText(".");
    h.at(0, 1).setText("A");
    h.at(0, 2).setText("T");
    h.grid.refresh();
    FillEngine dotted(h.grid, h.dictionary, h.random);
    ASSERT_EQ(dotted.oneShotFill(*h.grid.lights()[0]), 1);
    EXPECT_EQ(h.dictionary.displayChar(h.at(0, 0).filledLetter()), 'C');
}

TEST(FillOperations, CommitAndUndoPerLightAndPerGrid) {
    RingFill f;
    ASSERT_EQ(f.fill().result, 1);
    f.grid.refresh();
    Light& top = *f.grid.lights()[0];
    Light& left = *f.grid.lights()[2];
    const std::string topWord = f.word(top);

    commitLightFill(f.grid, top, f.dictionary);
    EXPECT_EQ(top.text().value_or(""), topWord);
    EXPECT_EQ(top.fillState(), 1);  // its letters are given now
    EXPECT_FALSE(f.grid.lights()[1]->text());

    // Undo of one light keeps the letters it shares with filled or complete crossings.
    undoLightFill(f.grid, left);
    EXPECT_EQ(f.picture()[1][0], '.');
    EXPECT_NE(f.picture()[0][0], '.');
    EXPECT_NE(f.picture()[2][0], '.');

    // Committing a light that is not provisionally filled changes nothing.
    commitLightFill(f.grid, left, f.dictionary);
    EXPECT_FALSE(left.text());

    commitFill(f.grid, f.dictionary);
    EXPECT_TRUE(f.grid.lights()[1]->text());
    EXPECT_TRUE(f.grid.lights()[3]->text());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(f.at(r, c).filledLetter(), kNoLetter);

    clearLight(f.grid, top);
    EXPECT_FALSE(top.text());

    RingFill g;
    ASSERT_EQ(g.fill().result, 1);
    undoFill(g.grid);
    for (const Light* light : g.grid.lights())
        EXPECT_EQ(light->fillState(), 3);
    EXPECT_EQ(g.picture(), (std::vector<std::string>{"...", ".#.", "..."}));
}

TEST(KillListFillTable, TranslatesWordsAndFollowsChangesDuringAFill) {
    FillFixture f;
    f.useWords({"CAT", "DOG"});
    auto letters = [&](const std::string& word) { return lettersOf(f.dictionary, word); };
    KillListWindows list;
    EXPECT_FALSE(list.isKilled(letters("CAT").data(), 3));  // no fill table

    list.add("c-a-t");
    list.beginFill(f.dictionary);
    EXPECT_TRUE(list.isKilled(letters("CAT").data(), 3));
    EXPECT_FALSE(list.isKilled(letters("DOG").data(), 3));
    EXPECT_FALSE(list.isKilled(letters("CA").data(), 2));

    list.add("dog");  // killed while the fill runs
    EXPECT_TRUE(list.isKilled(letters("DOG").data(), 3));
    list.add("CAT");  // a second spelling of the same letters
    list.remove("c-a-t");
    EXPECT_TRUE(list.isKilled(letters("CAT").data(), 3));
    list.remove("CAT");
    EXPECT_FALSE(list.isKilled(letters("CAT").data(), 3));

    list.endFill();
    EXPECT_FALSE(list.isKilled(letters("DOG").data(), 3));
    EXPECT_TRUE(list.contains("dog"));
}

}  // namespace
}  // namespace tessaran::testing
