#pragma once
// Vocabulary for tests that build dictionaries with the builder and read them back with
// the reader: word lists in, .lxd files in a scratch folder, words out per length.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "builder/AlphabetMapping.h"
#include "builder/DictionaryBuilder.h"
#include "builder/DictionaryMaintainer.h"
#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"

namespace tessaran::testing {

// Records what a build reports.
class RecordingMaintainer : public DictionaryMaintainer {
public:
    bool progress(int percent) override {
        percents.push_back(percent);
        return abandonAfter < 0 || static_cast<int>(percents.size()) <= abandonAfter;
    }
    void message(std::string_view format, std::string_view argument) override {
        messages.push_back(formatText(format, argument));
    }
    void error(std::string_view format, std::string_view argument) override {
        errors.push_back(formatText(format, argument));
    }

    std::vector<int> percents;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    int abandonAfter = -1;  // progress answers false from this many calls on
};

// The folding of the default dictionary: lower case to upper case; apostrophe, hyphen,
// full stop and blank are not letters.
inline AlphabetMapping foldingMapping() {
    AlphabetMapping mapping;
    for (char c = 'a'; c <= 'z'; ++c)
        mapping.set(c, c - 'a' + 'A');
    for (char c : {'\'', '-', '.', ' '})
        mapping.set(c, 0);
    return mapping;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// A scratch folder of its own per test process, removed with the object.
class ScratchFolder {
public:
    ScratchFolder()
        : m_path(
              std::filesystem::temp_directory_path() /
              ("tessaran-test-" + std::to_string(::getpid()) + "-" + std::to_string(s_counter++))) {
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    std::string folderPath() const { return m_path.string(); }

private:
    static inline int s_counter = 0;
    std::filesystem::path m_path;
};

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Builds the dictionary of `wordList` (the file's exact bytes) into `outputPath`.
inline bool buildDictionary(const std::string& wordList, const std::string& outputPath,
                            BuildOptions options = {},
                            const AlphabetMapping& mapping = foldingMapping(),
                            RecordingMaintainer* monitor = nullptr) {
    RecordingMaintainer quiet;
    std::istringstream words(wordList);
    std::ofstream out;
    DictionaryBuilder builder(monitor ? *monitor : quiet, mapping, std::move(options));
    return builder.build(
        words,
        [&]() -> std::ostream* {
            out.open(outputPath, std::ios::binary | std::ios::trunc);
            return out.is_open() ? &out : nullptr;
        },
        "words.txt", outputPath);
}

// Every stored word of `length`, as raw bytes, in stored order (read with nextByFilter).
inline std::vector<std::string> storedWords(Dictionary& dictionary, int length) {
    std::vector<std::string> words;
    InputEngine cursor(dictionary);
    if (!cursor.start(length))
        return words;
    for (;;) {
        const lxd::LetterIndex* letters = cursor.nextByFilter();
        if (!letters)
            continue;
        if (letters[0] == lxd::kNoLetter)
            break;
        words.push_back(cursor.rawBytes());
    }
    return words;
}

// The letter indices of a word as the dictionary sees it, non-letters dropped.
inline std::vector<lxd::LetterIndex> lettersOf(const Dictionary& dictionary,
                                               const std::string& word) {
    std::vector<lxd::LetterIndex> letters;
    for (unsigned char c : word)
        if (dictionary.letterOf(c) != lxd::kNoLetter)
            letters.push_back(dictionary.letterOf(c));
    return letters;
}

}  // namespace tessaran::testing
