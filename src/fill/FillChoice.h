#pragma once
// The word-by-word choice of a manual fill, without its window: the candidate lines the
// progress window lists, the reading of a word the user types, and the slot the fill is
// handed back. Also the kill-list spelling of a typed word.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaran {

class Dictionary;
class KillList;

// One offered candidate as the list shows it.
struct FillChoiceLine {
    int slot = 0;
    int score = 0;
    std::string word;  // the dictionary's own spelling, or the letters' display characters
    std::string text;  // score right-aligned in 4 characters, two spaces, the word
};

// Where the word of a line starts in its text.
inline constexpr int kChoiceWordColumn = 6;

// The offered slots (score not kFillEmptySlot) of a choice for a light of length letters,
// nearest the target first. Each word is spelled as the dictionary stores it when the
// pattern's block holds it; otherwise by the display characters of its letters.
std::vector<FillChoiceLine> fillChoiceLines(Dictionary& dictionary, int slotCount, int target,
                                            const int* scores, int length,
                                            const std::uint8_t* words, const std::uint8_t* pattern);

// The letters of a typed text: characters that are no letter of the dictionary's
// alphabet are left out.
std::vector<std::uint8_t> typedLetters(const Dictionary& dictionary, std::string_view text);

// Whether the typed text has exactly length letters and each agrees with the pattern
// (254 agrees with any letter).
bool typedWordFits(const Dictionary& dictionary, std::string_view text, int length,
                   const std::uint8_t* pattern);

// The text a kill list keeps for a typed word: each letter as its display character,
// everything else dropped. Empty when the text holds no letter.
std::string killListSpelling(const Dictionary& dictionary, std::string_view text);

// The slot that takes the typed word (REQUIRES: typedWordFits): the offered slot holding
// exactly its letters, or else the highest-numbered free slot, into which the letters are
// written; the word is then also taken off the kill list (killList may be null), since the
// user chose it explicitly. Answers -1 when no slot is free.
int takeTypedWord(const Dictionary& dictionary, std::string_view text, int slotCount,
                  const int* scores, int length, std::uint8_t* words, KillList* killList);

}  // namespace tessaran
