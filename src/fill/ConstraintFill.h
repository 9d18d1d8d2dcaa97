#pragma once
// The Constraint fill method: a normal fill by constraint propagation, beside the
// light-by-light search of FillEngine and behind the same contract (the grid's given
// letters and cell texts, the dictionary, the kill list, no word twice, provisional
// letters in filledLetter with fillState 2, fillProgress after every placement, the
// normal fill's results).
//
// Every light to fill keeps the set of dictionary words still possible for it (a bit set
// over the words of its length, narrowed with FillWordIndex's per position and letter
// sets), and every cell shared by two such lights the set of letters still possible
// there. Placing a word narrows its crossings, which narrow their own crossings, until
// nothing changes or some light has no word left; a light left without words fails the
// placement at once. The next light placed is the one with the fewest words left for how
// often it has been part of a dead end; its words are tried in dictionary order, the best
// of the first few (by the words they leave the crossings) first. A dead end takes the
// word out of the light's set and propagates that; after a growing number of dead ends
// the search starts again from the top, keeping what it learnt about the hard lights and
// with a little seeded randomness in the choice of light, so that one early bad choice
// cannot trap it.
//
// The search keeps to the commonest words while it can: it first lets each light take
// only the first third or so of the words of its length, then more, and only then every
// word, moving on when a stage runs into too many dead ends. Dictionaries that list
// common words first so get fills of common words wherever the grid allows them.
//
// Search state lives in flat arrays with an undo trail and an explicit decision stack:
// memory grows with the grid and the dictionary, never with the depth of recursion.

#include <cstdint>
#include <memory>

#include "fill/FillEngine.h"

namespace tessaran {

class Dictionary;
class FillRandom;
class Grid;
class Light;

class ConstraintFill {
public:
    // What a run did; for tests and measurements.
    struct Counters {
        long placements = 0;  // words placed (each reported through fillProgress)
        long deadEnds = 0;    // placements or removals that left some light without words
        long restarts = 0;
    };

    // REQUIRES: grid, dictionary and random outlive the object; the dictionary is the one
    // whose letters the fill uses (normally the grid's effective dictionary, opened). The
    // random generator breaks ties between equally hard lights after a restart, and draws
    // the first word when the grid's first word setting is "Random".
    ConstraintFill(Grid& grid, Dictionary& dictionary, FillRandom& random);
    ~ConstraintFill();
    ConstraintFill(const ConstraintFill&) = delete;
    ConstraintFill& operator=(const ConstraintFill&) = delete;

    // Fills every light that still has an empty cell, starting with startLight when it is
    // given and open; earlier uncommitted fills are dropped first. result 1: filled; 0: no
    // fill exists (failedLight names the light left without words when propagation alone
    // proves it); 2: abandoned through fillProgress.
    //
    // The run is always automatic: there is no word-by-word choice, so an Interrupt answer
    // from fillProgress is taken as "go on" (Abandon stops the fill).
    NormalFillOutcome normalFill(Light* startLight);

    const Counters& counters() const { return m_counters; }

private:
    class Search;

    Grid& m_grid;
    Dictionary& m_dictionary;
    FillRandom& m_random;
    Counters m_counters;
};

}  // namespace tessaran
