#include "output/DisplayDimension.h"

#include <string_view>

namespace tessaran {

namespace {

const DisplayDimensionInfo kDimensions[kDisplayDimensionCount] = {
    {"CellWidth", 0, 30000, 500, "Cell width:"},
    {"CellHeight", 0, 30000, 500, "Cell height:"},
    {"BarWidth", 0, 30000, 50, "Bar width:"},
    {"BarHeight", 0, 30000, 50, "Bar height:"},
    {"RuleWidth", 0, 30000, 20, "Rule width:"},
    {"RuleHeight", 0, 30000, 20, "Rule height:"},
    {"BorderWidth", 0, 30000, 30, "Border width:"},
    {"BorderHeight", 0, 30000, 30, "Border height:"},
    {"NumberOffsetX", -30000, 30000, 20, "Nr. Offset X:"},
    {"NumberOffsetY", -30000, 30000, 20, "Nr Offset Y:"},
    {"TextOffsetX", -30000, 30000, 280, "Text Offset X:"},
    {"TextOffsetY", -30000, 30000, 320, "Text Offset Y:"},
    {"GridOffsetX", -30000, 30000, 0, "Grid Offset X:"},
    {"GridOffsetY", -30000, 30000, 0, "Grid Offset Y:"},
    {"UnitType", 0, 5, 0, "Units:"},
    {"WHIndependent", 0, 2, 0, "Width/Height:"},
    {"BarStyleLopsided", 0, 2, 0, "Bar Style:"},
    {"GridAlignment", 0, 3, 0, "Grid Alignment:"},
};

}  // namespace

const DisplayDimensionInfo& displayDimensionInfo(DisplayDimension dimension) {
    return kDimensions[static_cast<int>(dimension)];
}

int displayDimensionIndex(std::string_view key) {
    for (int i = 0; i < kDisplayDimensionCount; ++i)
        if (key == kDimensions[i].key)
            return i;
    return -1;
}

DisplayDimensions makeDisplayDimensions() {
    DisplayDimensions dimensions;
    for (int i = 0; i < kDisplayDimensionCount; ++i)
        dimensions[static_cast<size_t>(i)] = GridDimension(
            kDimensions[i].defaultValue, kDimensions[i].minimum, kDimensions[i].limit);
    return dimensions;
}

int lockedPartner(int index) {
    if (index < 0 || index >= 8)
        return -1;
    return index % 2 == 0 ? index + 1 : index - 1;
}

}  // namespace tessaran
