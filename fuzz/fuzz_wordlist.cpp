// Fuzz target for the builder's word list reading, checked through the reader. The first
// byte chooses sorting and the length range, the rest is the word list. A successful
// build must read back: every stored word is a line of the list with the block's number
// of letters, and without sorting every accepted line is stored.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "builder/AlphabetMapping.h"
#include "builder/DictionaryBuilder.h"
#include "builder/DictionaryMaintainer.h"
#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"

namespace {

tessaran::AlphabetMapping folding() {
    tessaran::AlphabetMapping mapping;
    for (int c = 'a'; c <= 'z'; ++c)
        mapping.set(static_cast<uint8_t>(c), static_cast<uint8_t>(c - 32));
    for (char c : {'\'', '-', '.', ' '})
        mapping.set(static_cast<uint8_t>(c), 0);
    return mapping;
}

std::string scratchFile() {
    const std::filesystem::path folder =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    return (folder / ("tessaran-fuzz-wordlist-" + std::to_string(::getpid()) + ".lxd")).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const std::string path = scratchFile();
    static const tessaran::AlphabetMapping mapping = folding();
    const uint8_t choice = data[0];
    tessaran::BuildOptions options;
    options.sort = choice & 1;
    options.minLength = (choice >> 1) & 7;
    options.maxLength = options.minLength + ((choice >> 4) & 15) * 3;
    options.commonality = static_cast<int>(choice % 41) - 20;
    const std::string list(reinterpret_cast<const char*>(data + 1), size - 1);

    std::istringstream words(list);
    std::ofstream out;
    tessaran::DictionaryMaintainer quiet;
    tessaran::DictionaryBuilder builder(quiet, mapping, options);
    const bool built = builder.build(
        words,
        [&]() -> std::ostream* {
            out.open(path, std::ios::binary | std::ios::trunc);
            return out.is_open() ? &out : nullptr;
        },
        "fuzz.txt", path);
    out.close();
    if (!built)
        return 0;

    std::set<std::string> lines;
    std::istringstream split(list);
    for (std::string line; std::getline(split, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.insert(line);
    }
    tessaran::Dictionary dictionary;
    if (!dictionary.open(path))
        std::abort();
    for (int length = 1; length < dictionary.slotCount(); ++length) {
        tessaran::InputEngine cursor(dictionary);
        std::size_t stored = 0;
        if (cursor.start(length)) {
            for (;;) {
                const auto* letters = cursor.nextByFilter();
                if (!letters)
                    continue;
                if (letters[0] == tessaran::lxd::kNoLetter)
                    break;
                ++stored;
                const std::string raw = cursor.rawBytes();
                if (!lines.count(raw))
                    std::abort();
                int letterCount = 0;
                for (unsigned char c : raw)
                    letterCount += dictionary.letterOf(c) != tessaran::lxd::kNoLetter;
                if (letterCount != length)
                    std::abort();
            }
        }
        if (stored > dictionary.wordCount(length))
            std::abort();
        if (!options.sort && stored != dictionary.wordCount(length))
            std::abort();
    }
    return 0;
}
