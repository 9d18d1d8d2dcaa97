#pragma once
// What the Grid Dimensions dialog holds and does, without the window: for each of the
// fourteen lengths an override box and the text of its edit in the dialog's unit, for
// each of the four enumerations an override box and the list's choice; the user's typing,
// spinning, ticking and choosing; and Apply onto the display dimensions.
//
// Rules the dialog follows:
// - A change to a value ticks its box; unticking a box shows the default again.
// - Changing "Units:" re-shows every length in the new unit; unticking it goes back to
//   the default unit.
// - While "Width/Height:" shows "Locked", a change to a width or height among the first
//   eight lengths is mirrored onto its partner (typed text, spun value, or its box).
//
// A length shown by the form (loaded, spun, converted, or a default put back) keeps its
// exact twips until the user types into it, so that a change of unit, or an Apply of
// values that were only shown, never moves a length by the rounding of its text.

#include <array>
#include <optional>
#include <span>
#include <string>

#include "output/DisplayDimension.h"
#include "output/Units.h"

namespace tessaran {

class GridDimensionsForm {
public:
    static constexpr int kSpinStepTwips = 5;
    // The longest text mirrored onto a locked partner.
    static constexpr int kMirroredTextLength = 12;

    // Loaded from dimensions: each box shows whether the grid overrides it, each length its
    // effective value in the effective unit, each list its effective value.
    explicit GridDimensionsForm(const DisplayDimensions& dimensions);
    void load(const DisplayDimensions& dimensions);

    // ---- What the window shows; index is a DisplayDimension index ----
    bool isChecked(int index) const { return m_checked.at(index); }
    // The edit's text of a length (index below kLengthDimensionCount).
    const std::string& text(int index) const { return m_lengths.at(index).text; }
    // The list's choice of an enumeration (index kLengthDimensionCount and up).
    int choice(int index) const { return m_choices.at(index - kLengthDimensionCount); }
    UnitType unit() const { return m_unit; }
    bool isLocked() const;
    // The twips a length's edit stands for, as Apply would read it.
    int twips(int index) const;

    // ---- The user's actions ----
    void type(int index, const std::string& text);
    // Steps of kSpinStepTwips (negative: down), within the dimension's range.
    void spin(int index, int steps);
    // Ticking or unticking a box (a length or an enumeration).
    void setChecked(int index, bool checked);
    // Choosing an entry of an enumeration's list.
    void choose(int index, int value);

    // Apply: ticked boxes override their dimension with the shown value (lengths read in
    // the form's unit, "Units:" with the form's unit), unticked ones stop overriding.
    void apply(DisplayDimensions& dimensions) const;
    // Whether apply would change what dimensions override or their effective values.
    bool changes(const DisplayDimensions& dimensions) const;

private:
    struct Length {
        std::string text;
        std::optional<int> twips;  // the exact value behind a text the form showed
    };

    void show(int index, int twips);
    void showIn(UnitType unit);
    void mirror(int index);

    DisplayDimensions m_dimensions;  // ranges and defaults as loaded
    std::array<Length, kLengthDimensionCount> m_lengths;
    std::array<int, kDisplayDimensionCount - kLengthDimensionCount> m_choices{};
    std::array<bool, kDisplayDimensionCount> m_checked{};
    UnitType m_unit = UnitType::Points;
};

// The texts of an enumeration's list in value order ("Points" ... "Centimetres" for
// "Units:"); empty for a length.
std::span<const char* const> dimensionChoiceTexts(DisplayDimension dimension);

}  // namespace tessaran
