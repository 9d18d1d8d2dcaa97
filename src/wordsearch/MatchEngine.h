#pragma once
// The word search's matcher: compiles a pattern (PatternCompiler) and decides, one
// dictionary word at a time, whether the word fits it. It also carries the user's
// length range and the length of the words now being tested.
//
// Words come in as letter strings: letter indices ended by 255.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "dictionary/WordFilter.h"
#include "wordsearch/CompiledPattern.h"
#include "wordsearch/LetterMap.h"

namespace tessaran {

// It is the filter of the word search's InputEngine.
class MatchEngine : public WordFilter {
public:
    // Which routine matches(): the three simplest shapes skip the interpreter.
    enum class Matcher {
        General,          // the interpreter
        Template,         // letters and wildcards only
        DistinctAnagram,  // ";" then different letters and wildcards
        CountedAnagram,   // ";" then letters, some repeated, and wildcards
    };

    static constexpr int kLongestWord = 32;

    MatchEngine();

    // Replaces the program. On failure the engine is not compiled, keeps the error
    // text, and its fixed and maximum lengths are 0, so no length is searched.
    bool compile(std::string_view text, const LetterMap& letters);
    bool isCompiled() const { return m_compiled; }
    std::string_view errorText() const { return m_errorText; }
    int fixedLength() const { return m_pattern.fixedLength; }
    int maximumLength() const { return m_pattern.maximumLength; }
    const std::vector<uint8_t>& program() const { return m_pattern.program; }
    Matcher matcher() const { return m_matcher; }

    // The user's range, each held within 1..32; it survives compiles.
    void setShortest(int n) { m_shortest = clampLength(n); }
    void setLongest(int n) { m_longest = clampLength(n); }
    int shortest() const { return m_shortest; }
    int longest() const { return m_longest; }
    int effectiveShortest() const;
    int effectiveLongest() const;

    // The length of the words that matches() will be given.
    void setLength(int length);
    int length() const { return m_length; }

    // Whether the word (of the length set) fits the pattern, by the matcher chosen
    // at compile time. False when nothing is compiled or the word has another length.
    bool matches(const lxd::LetterIndex* letters) override;
    // The same decision by the general interpreter whatever the shape; the fast
    // matchers must always agree with it.
    bool matchesByInterpreter(const uint8_t* letters);

private:
    struct AnagramRun {
        int start = 0;
        int length = 0;
        uint8_t* pool = nullptr;                    // count per letter index, all 256 of them
        std::array<uint8_t, kLongestWord> letters;  // the run's different letters
        int letterCount = 0;
        int lettersPc = -1;  // the part's letters operation after its runs and lists
        // Places tried in this run. Past a bound the states that failed are remembered,
        // so that many choice lists or subpatterns cannot take exponential time.
        int tries = 0;
        std::unique_ptr<std::unordered_set<std::string>> failed;
    };

    static int clampLength(int n) { return n < 2 ? 1 : n < kLongestWord ? n : kLongestWord; }
    bool hasLength(const uint8_t* letters) const;
    bool matchTemplate(const uint8_t* word) const;
    bool matchDistinct(const uint8_t* word);
    bool matchCounted(const uint8_t* word);

    bool matchBody(int bodyIndex, int start, int length, int extra);
    bool matchLevel(int pc, int p, int extra);
    bool matchAnagram(const PatternBody& body, int start, int length);
    bool matchAnagramFrom(int pc, AnagramRun& run, int slack);
    bool placeSubpattern(int pc, AnagramRun& run, int slack);
    int lettersFit(int pc, const uint8_t* pool, int& slack) const;
    bool lettersStillFit(const AnagramRun& run, int slack) const;
    bool chooseLetter(int pc, AnagramRun& run, int slack);
    std::string stateKey(int pc, const AnagramRun& run, int slack) const;
    bool claimed(int start, int length) const;
    int unclaimedLetters(const AnagramRun& run) const;

    CompiledPattern m_pattern;
    bool m_compiled = false;
    std::string_view m_errorText;
    Matcher m_matcher = Matcher::General;
    int m_shortest = 1;
    int m_longest = kLongestWord;
    int m_length = 0;
    int m_extra = 0;

    // Fast matchers' tables, taken from the program at compile time.
    std::vector<std::pair<uint8_t, uint8_t>> m_letters;  // (position or count, letter)
    int m_anagramCount = 0;
    // For each body whose anagram part is an arrangement of different letters: where
    // each letter stands in its list (255: not listed).
    std::vector<std::array<uint8_t, 256>> m_places;
    std::vector<int> m_placeTable;  // per body: index into m_places, or -1
    // Per program offset of a subpattern in an anagram part: the letters that it and the
    // subpatterns after it in that part take at the least.
    std::vector<uint8_t> m_runsNeed;
    // Per body: where its anagram part's letters operation stands when subpatterns or
    // choice lists come before it, else -1.
    std::vector<int> m_lettersAfterChoices;
    std::array<uint8_t, 256> m_counts{};  // scratch, all zero between calls

    // Interpreter state for the word being matched.
    const uint8_t* m_word = nullptr;
    uint32_t m_claims = 0;         // positions claimed by anagram subpatterns
    std::vector<uint32_t> m_memo;  // per (slot, p, extra): stamp * 2 + outcome
    // One pool per depth of nested anagram parts, all zero when not in use.
    std::vector<std::array<uint8_t, 256>> m_pools;
    int m_poolDepth = 0;
    uint32_t m_stamp = 0;
};

}  // namespace tessaran
