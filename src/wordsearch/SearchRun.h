#pragma once
// One run of the word search over the dictionary: every length from the engine's
// effective shortest to its effective longest, each length's block read through one
// InputEngine cursor with the MatchEngine as its filter.
//
// The run is driven one cursor call at a time (step), so a window can let its events
// run between calls and stop whenever it likes: the run keeps its length and the
// cursor's place, and the next step continues exactly at the next word.

#include <cstdint>
#include <memory>

#include "dictionary/Dictionary.h"
#include "dictionary/InputEngine.h"
#include "wordsearch/MatchEngine.h"

namespace tessaran {

class SearchRun {
public:
    enum class Step {
        Match,       // a word matched: matchBytes() holds it
        NothingYet,  // a slice of words passed without a match
        LengthDone,  // the current length's block is exhausted; the next one is set up
        Complete,    // every length has been read
    };

    // REQUIRES: both outlive the run, and the engine keeps its program while the run
    // lasts (compiling anew means starting a new run).
    SearchRun(Dictionary& dictionary, MatchEngine& engine);

    // Starts over at the engine's effective shortest length. Returns false, with the
    // run complete at once, when the dictionary is invalid or nothing is compiled.
    bool start();
    // One cursor call: decodes at most InputEngine::kWordBudget words.
    Step step();
    bool isComplete() const { return m_length > m_lastLength; }

    // Progress: the length being read (L), the last length of the run (M), the words of
    // length L examined so far and the dictionary's word count for L. When step() answers
    // LengthDone or Complete these already describe the next length (or, when complete,
    // nothing); a caller that shows the finished length full notes length() before the
    // step.
    int length() const { return m_length; }
    int lastLength() const { return m_lastLength; }
    long wordsExamined() const { return isComplete() ? 0 : m_cursor->wordsExamined(); }
    std::uint32_t wordCount() const;
    long matchCount() const { return m_matches; }
    // Words examined over the whole run so far.
    long totalWordsExamined() const {
        return m_examinedBefore + (isComplete() ? 0 : m_cursor->wordsExamined());
    }

    // The raw bytes of the last match, ended by byte value 0; valid until the next step.
    const char* matchBytes() const { return m_cursor->rawBytes(); }

private:
    // Moves L forward past every length whose block cannot be read, from `length` on.
    void settleOn(int length);

    Dictionary& m_dictionary;
    MatchEngine& m_engine;
    std::unique_ptr<InputEngine> m_cursor;
    int m_length = 1;
    int m_lastLength = 0;
    long m_matches = 0;
    long m_examinedBefore = 0;  // in the lengths already finished
};

}  // namespace tessaran
