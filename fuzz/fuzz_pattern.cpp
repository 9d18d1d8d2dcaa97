// Pattern text and words for the word search's compiler and matcher. The input is the
// pattern up to the first line feed, then words, one a line (built-in words when
// none). Every word of up to 8 letters is tried at its length, and the chosen matcher
// must agree with the interpreter.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "wordsearch/MatchEngine.h"
#include "wordsearch/PatternExpansion.h"

namespace {

tessaran::LetterMap alphabet() {
    tessaran::LetterMap map;
    for (int i = 0; i < 26; ++i) {
        map.set(static_cast<unsigned char>('a' + i), static_cast<uint8_t>(i));
        map.set(static_cast<unsigned char>('A' + i), static_cast<uint8_t>(i));
    }
    map.set(0xE9, 26);  // e acute, a letter of its own
    map.set('~', 27);   // a letter that no word holds
    map.setSizes(27, 28);
    return map;
}

void tryWord(tessaran::MatchEngine& engine, const tessaran::LetterMap& map, std::string_view word) {
    std::vector<uint8_t> letters;
    for (char c : word) {
        const uint8_t letter = map.letterOf(static_cast<unsigned char>(c));
        if (letter != tessaran::LetterMap::kNotALetter && letter < 27)
            letters.push_back(letter);
        if (letters.size() > 8)
            return;
    }
    if (letters.empty())
        return;
    const int length = static_cast<int>(letters.size());
    letters.push_back(255);
    engine.setLength(length);
    if (engine.matches(letters.data()) != engine.matchesByInterpreter(letters.data()))
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const tessaran::LetterMap map = alphabet();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    const std::string_view pattern = input.substr(0, newline);

    tessaran::MatchEngine engine;
    for (const std::string& text :
         {std::string(pattern), tessaran::expandPattern(pattern, "[aeiou]", "(;.*)")}) {
        if (!engine.compile(text, map))
            continue;
        if (engine.maximumLength() > 32)
            abort();
        if (newline == std::string_view::npos) {
            for (const char* word : {"a", "at", "tea", "eat", "abba", "banana", "caf\xE9",
                                     "strength", "missive", "abcdefgh"})
                tryWord(engine, map, word);
            continue;
        }
        std::string_view words = input.substr(newline + 1);
        while (!words.empty()) {
            const size_t end = words.find('\n');
            tryWord(engine, map, words.substr(0, end));
            if (end == std::string_view::npos)
                break;
            words.remove_prefix(end + 1);
        }
    }
    return 0;
}
