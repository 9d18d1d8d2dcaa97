#include "fill/FillChoice.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "fill/FillResult.h"
#include "grid/KillList.h"

namespace tessaran {
namespace {

constexpr std::uint8_t kAnyLetter = 254;

bool isLetter(const Dictionary& dictionary, std::uint8_t letter) {
    return letter < dictionary.alphabetSize();
}

}  // namespace

std::vector<FillChoiceLine> fillChoiceLines(Dictionary& dictionary, int slotCount, int target,
                                            const int* scores, int length,
                                            const std::uint8_t* words,
                                            const std::uint8_t* pattern) {
    std::vector<FillChoiceLine> lines;
    std::vector<bool> spelled;
    for (int slot = 0; slot < slotCount; ++slot)
        if (scores[slot] != kFillEmptySlot) {
            lines.push_back({slot, scores[slot], {}, {}});
            spelled.push_back(false);
        }
    if (lines.empty() || length <= 0)
        return lines;

    // Read the block once more for the spellings the dictionary stores (hyphens,
    // apostrophes, blanks and case, which the letters alone do not keep).
    size_t missing = lines.size();
    InputEngine cursor(dictionary);
    if (cursor.startPattern(pattern, length)) {
        while (missing > 0) {
            const std::uint8_t* found = cursor.nextByPatternWhole();
            if (!found)
                continue;  // nothing yet: the cursor goes on where it stopped
            if (found[0] == 255)
                break;
            for (size_t i = 0; i < lines.size(); ++i) {
                if (spelled[i] ||
                    std::memcmp(found, words + static_cast<size_t>(lines[i].slot) * length,
                                static_cast<size_t>(length)) != 0)
                    continue;
                lines[i].word = cursor.rawBytes();
                spelled[i] = true;
                --missing;
            }
        }
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        if (spelled[i])
            continue;
        const std::uint8_t* letters = words + static_cast<size_t>(lines[i].slot) * length;
        for (int p = 0; p < length; ++p)
            lines[i].word += letters[p] == kAnyLetter ? ' ' : dictionary.displayChar(letters[p]);
    }

    std::stable_sort(lines.begin(), lines.end(), [target](const auto& a, const auto& b) {
        return std::llabs(static_cast<long long>(target) - a.score) <
               std::llabs(static_cast<long long>(target) - b.score);
    });
    for (FillChoiceLine& line : lines) {
        char score[16];
        std::snprintf(score, sizeof score, "%4d", line.score);
        line.text = std::string(score) + "  " + line.word;
    }
    return lines;
}

std::vector<std::uint8_t> typedLetters(const Dictionary& dictionary, std::string_view text) {
    std::vector<std::uint8_t> letters;
    for (const char c : text) {
        const std::uint8_t letter = dictionary.letterOf(static_cast<unsigned char>(c));
        if (isLetter(dictionary, letter))
            letters.push_back(letter);
    }
    return letters;
}

bool typedWordFits(const Dictionary& dictionary, std::string_view text, int length,
                   const std::uint8_t* pattern) {
    const std::vector<std::uint8_t> letters = typedLetters(dictionary, text);
    if (static_cast<int>(letters.size()) != length)
        return false;
    for (int p = 0; p < length; ++p)
        if (pattern[p] != kAnyLetter && pattern[p] != letters[static_cast<size_t>(p)])
            return false;
    return true;
}

std::string killListSpelling(const Dictionary& dictionary, std::string_view text) {
    std::string spelling;
    for (const std::uint8_t letter : typedLetters(dictionary, text))
        spelling += dictionary.displayChar(letter);
    return spelling;
}

int takeTypedWord(const Dictionary& dictionary, std::string_view text, int slotCount,
                  const int* scores, int length, std::uint8_t* words, KillList* killList) {
    const std::vector<std::uint8_t> letters = typedLetters(dictionary, text);
    if (static_cast<int>(letters.size()) != length)
        return -1;
    for (int slot = 0; slot < slotCount; ++slot)
        if (scores[slot] != kFillEmptySlot &&
            std::memcmp(words + static_cast<size_t>(slot) * length, letters.data(),
                        static_cast<size_t>(length)) == 0)
            return slot;
    for (int slot = slotCount - 1; slot >= 0; --slot) {
        if (scores[slot] != kFillEmptySlot)
            continue;
        std::memcpy(words + static_cast<size_t>(slot) * length, letters.data(),
                    static_cast<size_t>(length));
        if (killList) {
            killList->remove(killListSpelling(dictionary, text));
            killList->remove(text);
        }
        return slot;
    }
    return -1;
}

}  // namespace tessaran
