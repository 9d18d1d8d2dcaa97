#pragma once
// Vocabulary for the word search tests: a plain alphabet of lower-case letters (upper
// case folded onto them, as the default mapping does) and letter strings made from
// ordinary text.

#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "wordsearch/LetterMap.h"

namespace tessaran::test {

// a..z are letters 0..25, A..Z the same letters; letters 26 ("z"+1) and up are in the
// alphabet but in no word, reached through the extra characters given (in order).
inline LetterMap plainAlphabet(std::string_view unusedLetters = {}) {
    LetterMap map;
    for (int i = 0; i < 26; ++i) {
        map.set(static_cast<unsigned char>('a' + i), static_cast<uint8_t>(i));
        map.set(static_cast<unsigned char>('A' + i), static_cast<uint8_t>(i));
    }
    for (size_t i = 0; i < unusedLetters.size(); ++i)
        map.set(static_cast<unsigned char>(unusedLetters[i]), static_cast<uint8_t>(26 + i));
    map.setSizes(26, 26 + static_cast<int>(unusedLetters.size()));
    return map;
}

// The letter string of a word: letter indices ended by 255; non-letters are skipped.
inline std::vector<uint8_t> letterString(std::string_view word, const LetterMap& map) {
    std::vector<uint8_t> out;
    for (char c : word) {
        const uint8_t letter = map.letterOf(static_cast<unsigned char>(c));
        if (letter != LetterMap::kNotALetter)
            out.push_back(letter);
    }
    out.push_back(255);
    return out;
}

// Calls visit(length, letters) for every word of up to `longest` letters, shortest
// first and in stored order; letters are ended by 255 and valid during the call only.
template <typename Visit>
void forEachWord(Dictionary& dictionary, int longest, Visit visit) {
    for (int length = 1; length <= longest && length < dictionary.slotCount(); ++length) {
        InputEngine cursor(dictionary);
        if (!cursor.start(length))
            continue;
        for (const lxd::LetterIndex* word;
             (word = cursor.nextByFilter()) == nullptr || word[0] != lxd::kNoLetter;) {
            if (word != nullptr)
                visit(length, word);
        }
    }
}

}  // namespace tessaran::test
