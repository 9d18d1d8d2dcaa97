#pragma once
// The dictionary build: turns a word list (one word per line) and an alphabet mapping
// into a dictionary file (.lxd, laid out in dictionary/DictionaryFormat.h).
//
// The word list is read several times: once to calibrate the Huffman code, once for the
// letter statistics, then once per word length while writing that length's block. Only
// statistics are held in memory, and, when sorting, the words of one length at a time;
// when repeats are dropped, also the letters of every word kept so far in the pass.
// The header goes out first with blanks in place of the magic; the magic, the slot
// count and the block offsets are written last, so an interrupted build never leaves a
// file the editor accepts.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "builder/AlphabetMapping.h"

namespace tessaran {

class DictionaryMaintainer;

// The build's messages (reported through DictionaryMaintainer::message) and errors
// (through DictionaryMaintainer::error), "%s" standing for the argument.
namespace buildtext {
inline constexpr const char* kCalibrating = "Calibrating dictionary\n";
inline constexpr const char* kCompressing = "Alphabet analysis completed OK - compressing\n";
inline constexpr const char* kStoring = "Alphabet analysis completed OK - storing\n";
inline constexpr const char* kFrequencyDone = "Frequency analysis completed OK\n";
inline constexpr const char* kLengthDone = "%s letter words handled OK\n";
inline constexpr const char* kInputOpenFailed = "Couldn't open input file \"%s\"\n";
inline constexpr const char* kAbandoned = "Dictionary creation abandoned\n";
inline constexpr const char* kNoEntries =
    "No entries to process - check input file and length range\n";
inline constexpr const char* kNoMemory = "Insufficient memory to create the dictionary!\n";
inline constexpr const char* kOutputOpenFailed = "Couldn't open \"%s\"\n";
inline constexpr const char* kSortNoMemory = "Insufficient memory to handle %s letter words!\n";
inline constexpr const char* kWriteFailed = "Couldn't output \"%s\" - out of disk space?\n";
}  // namespace buildtext

struct BuildOptions {
    std::string description;  // only the first 79 characters are stored
    bool sort = true;         // order each length by commonality and drop duplicates
    bool unique = false;      // keep only the first of words with the same letters
    int commonality = 0;      // the ceiling of the commonality key is 2 to this power
    int minLength = 1;        // below 1 means 1
    int maxLength = 31;       // above 31 means 31; below the minimum means the minimum
};

class DictionaryBuilder {
public:
    // Opens the output when the build first needs it; nullptr when it cannot be created.
    // The stream must be seekable and stay alive until build() returns.
    using OutputOpener = std::function<std::ostream*()>;

    DictionaryBuilder(DictionaryMaintainer& monitor, const AlphabetMapping& mapping,
                      BuildOptions options);

    // Builds `outputName` from the word list `inputName`. Returns true on success; every
    // failure has been reported through the monitor's error().
    bool build(const std::string& inputName, const std::string& outputName);

    // The same on streams: `words` must be seekable (it is rewound for every pass);
    // `openOutput` is called at most once, after the word list has been analysed. The
    // names are used in messages only.
    bool build(std::istream& words, const OutputOpener& openOutput, std::string_view inputName,
               std::string_view outputName);

private:
    DictionaryMaintainer& m_monitor;
    AlphabetMapping m_mapping;
    BuildOptions m_options;
};

}  // namespace tessaran
