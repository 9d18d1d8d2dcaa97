#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaran {

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

    // A pass over the list in list (insertion) order: startIteration, then next until it
    // answers nothing. Adding or removing words ends the pass.
    virtual void startIteration() = 0;
    virtual std::optional<std::string> next() = 0;
};

}  // namespace tessaran
