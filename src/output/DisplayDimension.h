#pragma once
// The eighteen display dimensions: fourteen lengths in twips that shape the drawn grid
// and four enumerated display settings, all held as GridDimensions so that they share
// the default and per-grid override of the grid settings.

#include <array>
#include <string_view>

#include "grid/GridDimension.h"

namespace tessaran {

// Indices as fixed by the settings file and the grid file's appearance lines.
enum class DisplayDimension {
    CellWidth = 0,
    CellHeight = 1,
    BarWidth = 2,
    BarHeight = 3,
    RuleWidth = 4,
    RuleHeight = 5,
    BorderWidth = 6,
    BorderHeight = 7,
    NumberOffsetX = 8,
    NumberOffsetY = 9,
    TextOffsetX = 10,
    TextOffsetY = 11,
    GridOffsetX = 12,
    GridOffsetY = 13,
    UnitType = 14,          // see output/Units.h
    WHIndependent = 15,     // 0 "Locked", 1 "Independent"
    BarStyleLopsided = 16,  // 0 "Centered", 1 "Lopsided"
    GridAlignment = 17,     // 0 "Left", 1 "Centered", 2 "Right"
};
inline constexpr int kDisplayDimensionCount = 18;
// Indices below this are lengths in twips.
inline constexpr int kLengthDimensionCount = 14;

struct DisplayDimensionInfo {
    const char* key;  // settings and grid file key
    int minimum;
    int limit;          // one more than the largest value
    int defaultValue;   // before the settings file is read
    const char* label;  // the dimension dialog's label
};

const DisplayDimensionInfo& displayDimensionInfo(DisplayDimension dimension);
// The dimension whose key is exactly key (case-sensitive), or -1.
int displayDimensionIndex(std::string_view key);

using DisplayDimensions = std::array<GridDimension, kDisplayDimensionCount>;

// The eighteen dimensions with their ranges and built-in defaults, none overridden.
DisplayDimensions makeDisplayDimensions();

// The partner of a width or height among the first eight lengths (CellWidth <->
// CellHeight, ...), which "Locked" ties together; -1 for any other index.
int lockedPartner(int index);

}  // namespace tessaran
