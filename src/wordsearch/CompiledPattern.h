#pragma once
// A pattern compiled to its byte program, with the lengths and the side tables the
// matcher uses to step over subpatterns and to remember star placements.
//
// Program layout (every position or count byte that a scan tests is below 240):
//   253 F body                      the whole pattern (its outermost subpattern)
//   249|250|251 F body              subpattern: fixed, variable without a star in its
//                                   template, with a star in its template
//   body = [template ops 252] [244 A anagram ops] 252
//   240 n (pos letter)...           run of n positions, letters at the listed offsets
//   241 n entries...                run whose entries may also be (pos+64 k letters) for a
//                                   choice list or (pos+192 k letters) for a negated one
//   242 T rest                      star; T is the fixed length of the rest of the
//                                   template, whose ops follow and end with their own 252
//   243 T rest                      the last star of a template: takes all the extra
//   anagram ops, in this order: nested subpatterns, 247 k letters (one of), 248 k letters
//   (none of), then 245 k letters (distinct, increasing) or 246 (count letter)...
//   A variable nested subpattern in a template is followed by the rest of the template
//   as a level of its own, ended by its own 252.

#include <cstdint>
#include <vector>

namespace tessaran {

enum PatternCode : uint8_t {
    kRun = 240,
    kChoiceRun = 241,
    kStar = 242,
    kLastStar = 243,
    kAnagram = 244,
    kDistinctLetters = 245,
    kCountedLetters = 246,
    kOneOf = 247,
    kNoneOf = 248,
    kFixedSubpattern = 249,
    kVariableSubpattern = 250,
    kStarSubpattern = 251,
    kEnd = 252,
    kHeader = 253,
};

// One subpattern body (the whole pattern is body 0), located in the program.
struct PatternBody {
    int templatePc = -1;  // first template operation; -1 when the template is empty
    int anagramPc = -1;   // first anagram operation after 244 and A; -1 without one
    int end = 0;          // just past the body's final 252
    int fixedLength = 0;
    int extraLength = 0;  // capped at 32 (unbounded counts as 32)
    int anagramCount = 0;
    // The anagram part is only different letters, as many as the fixed length: a run
    // fits when it is an arrangement of them.
    bool arrangement = false;
};

struct CompiledPattern {
    std::vector<uint8_t> program;
    std::vector<PatternBody> bodies;
    // Per program offset: the body whose code byte stands there, else -1.
    std::vector<int16_t> bodyAt;
    // Per program offset: the memo slot of a star (242) or variable subpattern (250)
    // in a template, else -1. Their outcome depends only on where they start and how
    // much extra they may take, so the matcher tries each such place once per word.
    std::vector<int16_t> memoSlot;
    int memoSlots = 0;
    int fixedLength = 0;
    int maximumLength = 0;
    // Header, runs, stars, choice lists, letter operations and subpattern codes
    // emitted, and the last of them: how the matcher recognises the simplest shapes.
    int operationCount = 0;
    uint8_t lastOperation = 0;
};

}  // namespace tessaran
