#pragma once

#include <string>

namespace tessaran {

class Light;

// How a light is named to the user (status bar, statistics lists, fill messages): its
// shown number, "a" or "d" and its length, as "12a (7)"; or, when its first cell shows no
// number, its first and last cells as 1-based row and column, as "(1,3)-(1,9)a (7)".
// Reads the shown numbers of the last refresh.
std::string lightDescription(const Light& light);

}  // namespace tessaran
