#include "grid/UnchPresets.h"

namespace tessaran {
namespace {

// "None": no limits at all.
constexpr UnchPresetValues kNone{
    "None",
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
    99,
};

// "Blocked": half of each light unchecked (L/2 rounded down to rounded up), never two
// unches together.
constexpr UnchPresetValues kBlocked{
    "Blocked",
    {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7},
    {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8},
    1,
};

// "Ximenean Barred": the customary unching of barred cryptic grids.
constexpr UnchPresetValues kXimeneanBarred{
    "Ximenean Barred",
    {0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4, 4},
    {0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4, 5, 5, 5},
    1,
};

// "Fully Checked": every cell checked.
constexpr UnchPresetValues kFullyChecked{
    "Fully Checked",
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    0,
};

}  // namespace

const UnchPresetValues& unchPresetValues(UnchPreset preset) {
    switch (preset) {
        case UnchPreset::Blocked:
            return kBlocked;
        case UnchPreset::XimeneanBarred:
            return kXimeneanBarred;
        case UnchPreset::FullyChecked:
            return kFullyChecked;
        case UnchPreset::None:
            break;
    }
    return kNone;
}

}  // namespace tessaran
