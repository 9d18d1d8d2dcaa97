#pragma once
// The ways a Normal Fill can search, and the one entry point that runs a fill with a
// chosen way. The program setting FillMethod ([Filling] in tessaran.ini) stores the
// method's number.

#include <optional>
#include <string_view>

namespace tessaran {

class Dictionary;
class FillRandom;
class Grid;
class Light;
struct NormalFillOutcome;  // fill/FillEngine.h

enum class FillMethod {
    Standard = 0,    // FillEngine: light by light, depth first, with the manual choice
    Constraint = 1,  // ConstraintFill: propagation over every light's word set, restarts
};

// "standard" or "constraint".
const char* fillMethodName(FillMethod method);
// The method a name (as fillMethodName writes it, any case) stands for; nothing when the
// name is none of them.
std::optional<FillMethod> parseFillMethod(std::string_view name);
// The method a stored setting value selects: 1 Constraint; any other value Standard,
// the default, so that a settings file from a later version cannot break the fill.
FillMethod fillMethodFromSetting(int value);

// The Normal Fill of the grid with the method. A grid whose fills start in Manual mode
// (its start mode setting) always uses Standard: the word-by-word choice steps through
// that search. The caller owns the random generator (seeded as it sees fit) and, as for
// FillEngine, checks first that the dictionary is valid.
NormalFillOutcome runNormalFill(Grid& grid, Dictionary& dictionary, FillRandom& random,
                                FillMethod method, Light* startLight);

}  // namespace tessaran
