// Fuzz target for the dictionary reader. The input is a dictionary file; whatever it
// holds, opening it and reading every block with every kind of cursor must stay inside
// the reader's tables, and every word delivered must have exactly its block's length.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "dictionary/WordFilter.h"

namespace {

using tessaran::lxd::LetterIndex;

// Accepts every third word, to mix matches and misses.
class EveryThird : public tessaran::WordFilter {
public:
    bool matches(const LetterIndex* letters) override { return letters[0] % 3 == 0; }
};

std::string scratchFile() {
    const std::filesystem::path folder =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    return (folder / ("tessaran-fuzz-dictionary-" + std::to_string(::getpid()) + ".lxd")).string();
}

void checkWord(const LetterIndex* letters, int length) {
    for (int p = 0; p < length; ++p)
        if (letters[p] >= tessaran::lxd::kAnyLetter)
            std::abort();
    if (letters[length] != tessaran::lxd::kNoLetter)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = scratchFile();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    if (size)
        std::fwrite(data, 1, size, file);
    std::fclose(file);

    tessaran::Dictionary dictionary;
    if (!dictionary.open(path))
        return 0;
    const int slots = dictionary.slotCount();
    if (slots < 2 || slots > 32)
        std::abort();
    for (int c = 0; c < 256; ++c) {
        const LetterIndex letter = dictionary.letterOf(static_cast<unsigned char>(c));
        if (letter != tessaran::lxd::kNoLetter && letter >= dictionary.alphabetSize())
            std::abort();
    }
    EveryThird filter;
    for (int length = 0; length <= slots; ++length) {
        for (int kind = 0; kind < 3; ++kind) {
            tessaran::InputEngine cursor(dictionary, &filter);
            LetterIndex pattern[33];
            for (int p = 0; p < 33; ++p)
                pattern[p] = p % 2 ? tessaran::lxd::kAnyLetter : 0;
            if (!cursor.startPattern(pattern, length))
                continue;
            for (int calls = 0; calls < 100000; ++calls) {
                const LetterIndex* letters = kind == 0   ? cursor.nextByPattern()
                                             : kind == 1 ? cursor.nextByPatternWhole()
                                                         : cursor.nextByFilter();
                if (!letters)
                    continue;
                if (letters[0] == tessaran::lxd::kNoLetter)
                    break;
                checkWord(letters, length);
                for (int p = 0; p < length; ++p) {
                    dictionary.positionalScore(length, p, letters[p]);
                    if (p + 1 < length) {
                        dictionary.pairScore(p % 5, letters[p], letters[p + 1]);
                        dictionary.cooccurrenceMask(length, letters[p], letters[p + 1]);
                    }
                }
                if (kind != 0) {
                    char text[256];
                    std::snprintf(text, sizeof text, "%s", cursor.rawBytes());
                    cursor.toDisplayText(text);
                }
            }
        }
    }
    dictionary.entries();
    dictionary.shortest();
    dictionary.longest();
    return 0;
}
