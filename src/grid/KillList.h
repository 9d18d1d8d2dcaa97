#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaran {

class Dictionary;

// The words automatic filling must not use, saved with the grid. The grid and the fill
// know only this interface; the grid window owns the one implementation and lends it to
// its Grid. Words are compared as stored: exact, case-sensitive single-byte texts.
class KillList {
public:
    virtual ~KillList() = default;

    // Adds word unless an equal text is already listed. Line breaks in word become spaces.
    virtual void add(std::string_view word) = 0;
    virtual bool contains(std::string_view word) const = 0;
    // Removes the equal text, if listed.
    virtual void remove(std::string_view word) = 0;
    virtual void clear() = 0;

    // The fill table: while a fill operation runs, the words translated into the letters
    // of `dictionary` (characters that are not letters dropped), so that every candidate
    // can be tested quickly. add and remove keep it up to date while it exists.
    // REQUIRES: dictionary outlives the table (until endFill).
    virtual void beginFill(const Dictionary& dictionary) = 0;
    // Whether the first `length` letter indices of letters spell a killed word. False
    // without a fill table or when it is empty.
    virtual bool isKilled(const std::uint8_t* letters, int length) const = 0;
    virtual void endFill() = 0;

    // A pass over the list in list (insertion) order: startIteration, then next until it
    // answers nothing. Adding or removing words ends the pass.
    virtual void startIteration() = 0;
    virtual std::optional<std::string> next() = 0;
};

}  // namespace tessaran
