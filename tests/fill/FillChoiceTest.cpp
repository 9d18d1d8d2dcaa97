// The manual choice without its window: the candidate lines, and the typed word taken
// back into the fill's slots.

#include <gtest/gtest.h>

#include "FillTestSupport.h"
#include "fill/FillChoice.h"
#include "fill/FillResult.h"
#include "grid/KillListWindows.h"

namespace tessaran::testing {
namespace {

struct FillChoiceTest : ::testing::Test, FillFixture {
    static constexpr int kSlots = 6;
    static constexpr int kLength = 5;
    std::uint8_t words[kSlots * kLength] = {};
    int scores[kSlots];
    std::uint8_t pattern[kLength];

    FillChoiceTest() {
        useWords({"e-mail", "Paris", "stone", "steel", "notes"});
        for (int& score : scores)
            score = kFillEmptySlot;
        for (std::uint8_t& letter : pattern)
            letter = 254;
    }
    void offer(int slot, const char* word, int score) {
        for (int p = 0; p < kLength; ++p)
            words[slot * kLength + p] = dictionary.letterOf(static_cast<unsigned char>(word[p]));
        scores[slot] = score;
    }
};

TEST_F(FillChoiceTest, LinesAreNearestTheTargetFirstWithTheDictionarysSpelling) {
    offer(0, "STONE", 12);
    offer(2, "PARIS", 38);
    offer(3, "ABCDE", -3);  // no dictionary word: spelled by its letters
    offer(4, "NOTES", 40);
    offer(5, "EMAIL", 30);
    const std::vector<FillChoiceLine> lines =
        fillChoiceLines(dictionary, kSlots, 40, scores, kLength, words, pattern);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text, "  40  notes");
    EXPECT_EQ(lines[1].text, "  38  Paris");
    EXPECT_EQ(lines[2].text, "  30  e-mail");  // the stored spelling, hyphen and all
    EXPECT_EQ(lines[3].text, "  12  stone");
    EXPECT_EQ(lines[4].text, "  -3  ABCDE");
    EXPECT_EQ(lines[1].slot, 2);
    EXPECT_EQ(lines[2].text.substr(kChoiceWordColumn), "e-mail");
}

TEST_F(FillChoiceTest, ATypedWordMustFitAndTakesAnOfferedOrTheHighestFreeSlot) {
    pattern[0] = dictionary.letterOf('S');
    EXPECT_TRUE(typedWordFits(dictionary, "steel", kLength, pattern));
    EXPECT_TRUE(typedWordFits(dictionary, "s-t-e-e-l", kLength, pattern));
    EXPECT_FALSE(typedWordFits(dictionary, "notes", kLength, pattern));  // against the S
    EXPECT_FALSE(typedWordFits(dictionary, "stee", kLength, pattern));
    EXPECT_FALSE(typedWordFits(dictionary, "steely", kLength, pattern));

    offer(1, "STONE", 10);
    KillListWindows killList;
    killList.add("STEEL");
    killList.add("OTHER");
    EXPECT_EQ(takeTypedWord(dictionary, "Stone", kSlots, scores, kLength, words, &killList), 1);
    // Not offered: written into the last free slot, and no longer killed.
    EXPECT_EQ(takeTypedWord(dictionary, "steel", kSlots, scores, kLength, words, &killList), 5);
    for (int p = 0; p < kLength; ++p)
        EXPECT_EQ(dictionary.displayChar(words[5 * kLength + p]), "STEEL"[p]);
    EXPECT_FALSE(killList.contains("STEEL"));
    EXPECT_TRUE(killList.contains("OTHER"));

    EXPECT_EQ(killListSpelling(dictionary, "e-mail"), "EMAIL");
    EXPECT_EQ(killListSpelling(dictionary, "--"), "");
}

}  // namespace
}  // namespace tessaran::testing
