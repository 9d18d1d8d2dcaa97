#pragma once
// The editor's word store: the one loaded dictionary file (.lxd). It keeps the header,
// the alphabet, the code tree and the letter statistics in memory; the word blocks stay
// on disk and InputEngine cursors stream them.

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/DictionaryFormat.h"

namespace tessaran {

class InputEngine;

// What the requireValid() guard shows when a command needs the dictionary and there is
// none: a message box with an exclamation icon.
inline constexpr std::string_view kNoDictionaryCaption = "No Dictionary Available";
inline constexpr std::string_view kNoDictionaryText =
    "The current dictionary is invalid: functions requiring\n"
    "the dictionary are disabled until a new dictionary is\n"
    "selected using the Filling Properties Dialog.";
// The description the filling properties show while the store holds no dictionary.
inline constexpr std::string_view kInvalidDictionaryDescription =
    "-- CURRENT DICTIONARY INVALID --";

class Dictionary {
public:
    // Shows a message box (caption, text) with an exclamation icon; supplied by the
    // windowing layer or the batch edge.
    using Alert = std::function<void(std::string_view caption, std::string_view text)>;

    Dictionary();
    // REQUIRES: every InputEngine created on this dictionary has been destroyed.
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // The one dictionary of the process, used by the editor's windows and commands.
    // Tests and tools may also make dictionaries of their own.
    static Dictionary& instance();

    // Opens the dictionary file `fileName` and returns whether the store is now valid.
    // When the store is already valid under exactly this name the file is not touched.
    // Otherwise the store becomes invalid, remembers the new name and, if the name is not
    // empty, loads the file; an empty name just closes the dictionary. A file that is
    // missing, truncated, foreign or breaks the format's limits leaves the store invalid.
    // Every live cursor is ended when the store changes: it reports its block exhausted
    // and never reads the new file at the old file's offsets.
    bool open(std::string_view fileName);

    bool isValid() const { return m_valid; }
    // The name last given to open() (empty when none was given).
    const std::string& fileName() const { return m_fileName; }
    // The file's description (NUL-terminated, at most 79 characters); empty when invalid.
    const char* description() const { return m_description.data(); }

    // N: the longest word length + 1 (0 when invalid).
    int slotCount() const { return m_slotCount; }
    // Accepted input lines of `length` letters, counted before duplicate removal; 0 for a
    // length outside 0..N-1.
    std::uint32_t wordCount(int length) const;

    // Letter index of a byte value, or 255 when it is not a letter. This is the editor's
    // letter-of-a-character map; callers that must also exclude letters beyond the
    // alphabet compare the result with alphabetSize(). All 255 while invalid.
    lxd::LetterIndex letterOf(unsigned char byteValue) const { return m_letter[byteValue]; }
    // Code length in bits of a byte value, 0 when it has no code.
    int codeLength(unsigned char byteValue) const { return m_codeLength[byteValue]; }
    // The character that shows a letter index; '!' for a letter without one.
    char displayChar(lxd::LetterIndex letter) const { return m_display[letter]; }

    int lettersInUse() const { return m_lettersInUse; }  // S
    int alphabetSize() const { return m_alphabetSize; }  // T

    // Letter statistics for scoring partial fills. Scores are log2 of how much more often
    // than average the letter (pair) occurs there; -128 means it never does. Arguments
    // outside the dictionary (a length not in 1..N-1, a position not in 0..length-1, a
    // class not in 0..4, a letter not below S) answer -128 or an empty mask: no stored
    // word has such a letter there.
    int positionalScore(int length, int position, lxd::LetterIndex letter) const;
    int pairScore(int pairClass, lxd::LetterIndex first, lxd::LetterIndex second) const;
    // Bit k set: some word of `length` letters has `first` and `second` at the positions
    // of mask slot k (lxd::maskBit). A clear bit proves that no word does.
    std::uint32_t cooccurrenceMask(int length, lxd::LetterIndex first,
                                   lxd::LetterIndex second) const;

    // Summary figures: the sum of all word counts, and the shortest and longest lengths
    // with a word count above 0 (0 when there are none or the store is invalid).
    std::uint64_t entries() const;
    int shortest() const;
    int longest() const;

    // The guard of commands that need the dictionary: when the store is invalid, calls
    // `alert` with the "No Dictionary Available" message and returns false.
    bool requireValid(const Alert& alert) const;

private:
    friend class InputEngine;
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

    // Internal nodes 256..510 of the code tree are stored at index node - 256.
    static constexpr std::uint16_t kRoot = 256;
    static constexpr std::uint16_t kNoNode = 0xFFFF;
    struct Lookahead {
        std::uint16_t node;  // leaf (< 256), internal node, or kNoNode for a broken path
        std::uint8_t bits;   // stream bits taken to reach it
    };

    void clear();
    bool load();
    bool loadTables(std::FILE* file, std::uint64_t fileSize);
    bool buildCodeTree(const std::array<std::uint32_t, 256>& codes);

    // Opens the current file read-only; when the process has run out of file
    // descriptors, takes the handle of the oldest cursor holding one and retries.
    FileHandle openFile();
    void attach(InputEngine* cursor);
    void detach(InputEngine* cursor);

    std::uint64_t blockStart(int length) const { return m_blockOffsets[length]; }
    // Where the block of `length` ends: the next block's offset, or the file's end.
    std::uint64_t blockEnd(int length) const;

    std::string m_fileName;
    bool m_valid = false;
    // Bumped whenever the store changes, so cursors started before can tell.
    std::uint64_t m_generation = 0;

    int m_slotCount = 0;
    std::array<std::uint32_t, lxd::kMaxSlotCount> m_blockOffsets{};
    std::array<std::uint32_t, lxd::kMaxSlotCount> m_wordCounts{};
    std::uint64_t m_fileSize = 0;
    std::array<char, lxd::kDescriptionSize> m_description{};
    int m_lettersInUse = 0;
    int m_alphabetSize = 0;

    std::array<std::uint8_t, 256> m_codeLength{};
    std::array<lxd::LetterIndex, 256> m_letter{};
    std::array<char, 256> m_display{};
    std::array<std::array<std::uint16_t, 2>, lxd::kMaxInternalNodes> m_children{};
    int m_internalNodes = 0;
    std::array<Lookahead, 256> m_lookahead{};

    std::vector<std::int8_t> m_positionalScores;  // M vectors of S
    std::vector<std::int8_t> m_pairScores;        // 5 matrices of S x S
    std::vector<std::uint32_t> m_masks;           // K matrices of S x S

    // Live cursors in order of creation (not owned).
    std::vector<InputEngine*> m_cursors;
};

}  // namespace tessaran
