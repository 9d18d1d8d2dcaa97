#pragma once
// The four ready-made unch models offered by the Unch Model dialog. Each fills the
// dialog's rows for light lengths 1 to 15 and its consecutive-unches field; nothing
// reaches the grid until the dialog applies its fields.

#include <array>

namespace tessaran {

inline constexpr int kUnchDialogLengths = 15;

enum class UnchPreset { None = 0, Blocked = 1, XimeneanBarred = 2, FullyChecked = 3 };
inline constexpr int kUnchPresetCount = 4;

struct UnchPresetValues {
    const char* caption;                            // the button's text
    std::array<int, kUnchDialogLengths> minUnched;  // entry i: lights of length i + 1
    std::array<int, kUnchDialogLengths> maxUnched;
    int maxConsecutive;
};

const UnchPresetValues& unchPresetValues(UnchPreset preset);

}  // namespace tessaran
