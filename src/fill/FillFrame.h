#pragma once
// The work record of one fillLight call: the light's pattern, its crossings, the memory
// of letters that failed or succeeded at each crossing, and the candidate slots.

#include <cstdint>

namespace tessaran {

class Light;

struct FillFrame {
    // The fill handles lights of at most this many cells (words have at most 31 letters).
    static constexpr int kMaxLength = 32;
    // Candidate slots: 0..255 are loaded from the dictionary, 256 holds a typed word.
    static constexpr int kSlotCount = 257;
    static constexpr int kLoadedSlots = 256;

    // fixedLetter of each cell when the call started (254: empty).
    std::uint8_t pattern[kMaxLength];
    // For an empty cell whose other light has fewer than two open crossings: that light.
    Light* closingCrossing[kMaxLength];
    // For an empty cell whose other light has two or more open crossings: that light.
    Light* openCrossing[kMaxLength];
    // The cell's position within its crossing light (for scoring without a lookup).
    int crossingIndex[kMaxLength];
    // Indexed by the letters at the first two open-crossing positions; bit c: letter c at
    // the third open-crossing position led to failure.
    std::uint32_t failedTriples[kMaxLength][kMaxLength];
    // Indexed by letter; bit p: a crossing at position p was filled (or failed) with it.
    std::uint32_t triedLetters[256];
    // Indexed by letter; bit p: the crossing at position p succeeded with it.
    std::uint32_t goodLetters[256];
    // Candidate words, length letters per slot (slot s starts at s * length).
    std::uint8_t words[kMaxLength * kSlotCount];
    // Score of each slot; kFillEmptySlot for a free one.
    int scores[kSlotCount];
    // Priority of each open crossing with the candidate's letters placed.
    int crossingPriority[kMaxLength];
    // Plausibility of each crossing with each letter in the shared cell, worked out once per
    // call: a crossing's other cells do not change while this call runs (deeper calls put
    // back what they change before they return).
    int crossingScores[kMaxLength][256];
    // Loaded slots 0..255 by distance from the commonality target, then slot number: the
    // order in which the consistent choice takes them. Rebuilt when slots are loaded.
    std::uint16_t order[kLoadedSlots];
    int orderCount;
    int orderPos;
    bool orderStale;
    // The word last placed in the light (valid when hasWord).
    std::uint8_t lastWord[kMaxLength];
    bool hasWord;
};

}  // namespace tessaran
