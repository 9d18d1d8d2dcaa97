// The Grid menu tools' rules without windows: the dimensions form (units, locking,
// spinning, Apply), the unch model form (presets, normalisation, what Apply keeps) and
// the resize request.

#include <gtest/gtest.h>

#include "app/GridDimensionsForm.h"
#include "app/GridResizeRequest.h"
#include "app/UnchModelForm.h"
#include "grid/GridTestSupport.h"

namespace tessaran {
namespace {

using testing::GridFixture;

constexpr int kCellWidth = static_cast<int>(DisplayDimension::CellWidth);
constexpr int kCellHeight = static_cast<int>(DisplayDimension::CellHeight);
constexpr int kBarWidth = static_cast<int>(DisplayDimension::BarWidth);
constexpr int kRuleWidth = static_cast<int>(DisplayDimension::RuleWidth);
constexpr int kTextOffsetX = static_cast<int>(DisplayDimension::TextOffsetX);
constexpr int kTextOffsetY = static_cast<int>(DisplayDimension::TextOffsetY);
constexpr int kUnits = static_cast<int>(DisplayDimension::UnitType);
constexpr int kLocking = static_cast<int>(DisplayDimension::WHIndependent);
constexpr int kAlignment = static_cast<int>(DisplayDimension::GridAlignment);

TEST(GridDimensionsForm, UnitsReShowEveryLengthAndKeepItsExactValue) {
    DisplayDimensions dimensions = makeDisplayDimensions();
    GridDimensionsForm form(dimensions);
    EXPECT_EQ(form.text(kCellWidth), "25");
    const std::pair<UnitType, const char*> shown[] = {{UnitType::TenthsOfInches, "3.472"},
                                                      {UnitType::Inches, "0.3472"},
                                                      {UnitType::Millimetres, "8.819"},
                                                      {UnitType::Centimetres, "0.8819"},
                                                      {UnitType::Points, "25"}};
    for (const auto& [unit, text] : shown) {
        form.choose(kUnits, static_cast<int>(unit));
        EXPECT_EQ(form.text(kCellWidth), text);
        EXPECT_EQ(form.text(kCellHeight), text);
        EXPECT_TRUE(form.isChecked(kUnits));
    }
    EXPECT_EQ(form.text(kTextOffsetY), "16");

    // A length that its text cannot hold exactly: converting it back and forth and applying
    // without typing keeps it to the twip.
    dimensions[kBarWidth].setOverride(29999);
    form.load(dimensions);
    form.choose(kUnits, static_cast<int>(UnitType::TenthsOfInches));
    EXPECT_EQ(form.text(kBarWidth), "208.3");
    form.choose(kUnits, static_cast<int>(UnitType::Inches));
    form.apply(dimensions);
    EXPECT_EQ(dimensions[kBarWidth].value(), 29999);
    EXPECT_EQ(dimensions[kUnits].value(), static_cast<int>(UnitType::Inches));

    // Typed text is read in the unit it was typed in.
    form.type(kRuleWidth, "1");
    form.choose(kUnits, static_cast<int>(UnitType::Points));
    EXPECT_EQ(form.text(kRuleWidth), "72");
    // Unticking "Units:" goes back to the default unit.
    form.setChecked(kUnits, false);
    EXPECT_EQ(form.unit(), UnitType::Points);
    EXPECT_EQ(form.choice(kUnits), 0);
    EXPECT_EQ(form.text(kRuleWidth), "72");
}

TEST(GridDimensionsForm, LockedWidthsAndHeightsFollowEachOtherButOffsetsNever) {
    DisplayDimensions dimensions = makeDisplayDimensions();
    GridDimensionsForm form(dimensions);
    ASSERT_TRUE(form.isLocked());

    form.type(kCellWidth, "30");
    EXPECT_EQ(form.text(kCellHeight), "30");
    EXPECT_TRUE(form.isChecked(kCellWidth));
    EXPECT_TRUE(form.isChecked(kCellHeight));

    form.spin(kCellHeight, 2);  // 600 + 10 twips
    EXPECT_EQ(form.text(kCellHeight), "30.5");
    EXPECT_EQ(form.text(kCellWidth), "30.5");

    form.type(kTextOffsetX, "10");
    EXPECT_EQ(form.text(kTextOffsetY), "16");
    EXPECT_FALSE(form.isChecked(kTextOffsetY));

    // Unticking one side puts both back to their defaults.
    form.setChecked(kCellHeight, false);
    EXPECT_FALSE(form.isChecked(kCellWidth));
    EXPECT_EQ(form.text(kCellWidth), "25");

    // Mirrored text is cut to twelve characters.
    form.type(kBarWidth, "2.500000000000001");
    EXPECT_EQ(form.text(kBarWidth + 1), "2.5000000000");

    form.choose(kLocking, 1);
    form.type(kCellWidth, "40");
    EXPECT_EQ(form.text(kCellHeight), "25");

    form.apply(dimensions);
    EXPECT_EQ(dimensions[kCellWidth].value(), 800);
    EXPECT_FALSE(dimensions[kCellHeight].isOverridden());
    EXPECT_EQ(dimensions[kTextOffsetX].value(), 200);
    EXPECT_EQ(dimensions[kBarWidth + 1].value(), 50);
    EXPECT_EQ(dimensions[kLocking].value(), 1);
    EXPECT_FALSE(dimensions[kAlignment].isOverridden());
}

TEST(GridDimensionsForm, SpinsStepFiveTwipsWithinTheRangeAndUntickedBoxesStopOverriding) {
    DisplayDimensions dimensions = makeDisplayDimensions();
    dimensions[kRuleWidth].setOverride(3);
    dimensions[kAlignment].setOverride(2);
    GridDimensionsForm form(dimensions);
    EXPECT_TRUE(form.isChecked(kRuleWidth));
    EXPECT_EQ(form.choice(kAlignment), 2);

    form.spin(kRuleWidth, -1);
    EXPECT_EQ(form.twips(kRuleWidth), 0);  // never below the minimum
    form.spin(kRuleWidth, 3);
    EXPECT_EQ(form.twips(kRuleWidth), 15);
    form.type(kCellWidth, "1e9");
    form.spin(kCellWidth, 1);
    EXPECT_EQ(form.twips(kCellWidth), 29999);
    form.type(kTextOffsetX, "junk");
    EXPECT_EQ(form.twips(kTextOffsetX), 0);

    form.setChecked(kAlignment, false);
    EXPECT_EQ(form.choice(kAlignment), 0);
    form.apply(dimensions);
    EXPECT_EQ(dimensions[kRuleWidth].value(), 15);
    EXPECT_EQ(dimensions[kCellWidth].value(), 29999);
    EXPECT_TRUE(dimensions[kTextOffsetX].isOverridden());
    EXPECT_EQ(dimensions[kTextOffsetX].value(), 0);
    EXPECT_FALSE(dimensions[kAlignment].isOverridden());
}

std::string rows(const UnchModelForm& form) {
    std::string text;
    for (int length = 1; length <= UnchModelForm::kLengths; ++length)
        text += form.minText(length) + "-" + form.maxText(length) + " ";
    return text + form.consecutiveText();
}

TEST(UnchModelForm, PresetsFillTheRowsAndApplyNormalisesWhatWasTyped) {
    GridFixture f;
    UnchModelForm form(f.grid);
    EXPECT_FALSE(form.isCustomized());
    EXPECT_EQ(rows(form), "0-1 0-2 0-3 0-4 0-5 0-6 0-7 0-8 0-9 0-10 0-11 0-12 0-13 0-14 0-15 99");

    form.choosePreset(UnchPreset::Blocked);
    EXPECT_TRUE(form.isCustomized());
    EXPECT_EQ(rows(form), "0-1 1-1 1-2 2-2 2-3 3-3 3-4 4-4 4-5 5-5 5-6 6-6 6-7 7-7 7-8 1");
    form.choosePreset(UnchPreset::XimeneanBarred);
    EXPECT_EQ(form.minText(10), "3");
    EXPECT_EQ(form.maxText(15), "5");
    EXPECT_EQ(f.grid.unchModel(), std::nullopt);  // nothing until Apply

    form.setMinText(4, "-2");
    form.setMaxText(5, "9");
    form.setMaxText(6, "abc");
    EXPECT_TRUE(form.apply(f.grid));
    ASSERT_TRUE(f.grid.unchModel());
    EXPECT_EQ(f.grid.unchLimits(4), (UnchLimits{1, 0, 1}));
    EXPECT_EQ(f.grid.unchLimits(5), (UnchLimits{1, 1, 5}));
    EXPECT_EQ(f.grid.unchLimits(6), (UnchLimits{1, 1, 1}));  // max raised to the min
    EXPECT_EQ(form.minText(4), "0");
    EXPECT_TRUE(form.isCustomized());
    EXPECT_EQ(f.grid.undoState(), 2);

    // "None" leaves an own model without entries, which hides the default model.
    f.grid.setDefaultUnchModel({0, {0, 0, 0}, {0, 0, 0}});
    form.choosePreset(UnchPreset::None);
    form.apply(f.grid);
    ASSERT_TRUE(f.grid.unchModel());
    EXPECT_EQ(f.grid.unchModel()->count(), 0);
    EXPECT_EQ(f.grid.unchLimits(3), (UnchLimits{99, 0, 3}));

    // Unticking reloads the fields from the grid; Apply then drops the own model.
    form.choosePreset(UnchPreset::FullyChecked);
    form.setCustomized(false, f.grid);
    EXPECT_EQ(form.maxText(3), "3");
    form.apply(f.grid);
    EXPECT_FALSE(f.grid.unchModel());
    EXPECT_FALSE(form.isCustomized());
    EXPECT_EQ(f.grid.unchLimits(3), (UnchLimits{0, 0, 0}));
}

TEST(UnchModelForm, ApplyingLoadedFieldsChangesNothingEvenBeyondLengthFifteen) {
    GridFixture f;
    // Ten entries and a run limit of 2: the entry for 15 is trimmed, yet the limit shows.
    UnchModel ten{2, {}, {}};
    for (int i = 0; i < 10; ++i) {
        ten.minUnched.push_back(0);
        ten.maxUnched.push_back(1);
    }
    f.grid.setUnchModelAsRead(ten);
    UnchModelForm form(f.grid);
    EXPECT_TRUE(form.isCustomized());
    EXPECT_EQ(form.consecutiveText(), "2");
    EXPECT_FALSE(form.apply(f.grid));
    EXPECT_EQ(f.grid.unchModel(), ten);
    EXPECT_EQ(f.grid.undoState(), 0);  // no change, no checkpoint

    // Twenty entries from a grid file: the dialog edits 1 to 15 and keeps the rest.
    UnchModel twenty{1, std::vector<int>(20, 1), std::vector<int>(20, 1)};
    twenty.minUnched[0] = twenty.maxUnched[0] = 0;
    f.grid.setUnchModelAsRead(twenty);
    form = UnchModelForm(f.grid);
    form.setMaxText(12, "2");
    EXPECT_TRUE(form.apply(f.grid));
    EXPECT_EQ(f.grid.unchModel()->count(), 20);
    EXPECT_EQ(f.grid.unchLimits(12), (UnchLimits{1, 1, 2}));
    EXPECT_EQ(f.grid.unchLimits(18), (UnchLimits{1, 1, 1}));
}

TEST(GridResizeRequest, CountsSidesAndPositionsAtTheSelection) {
    GridResizeRequest request{2, ResizeAction::Delete, 3, ResizeAction::AddAfter};
    EXPECT_EQ(request.columnDelta(), -2);
    EXPECT_EQ(request.columnSide(), 0);
    EXPECT_EQ(request.rowDelta(), 3);
    EXPECT_EQ(request.rowSide(), 1);
    EXPECT_EQ(resizeArguments(request, 4, 6), (ResizeArguments{-2, 4, 3, 7}));
    request.columnAction = ResizeAction::AddAfter;
    EXPECT_EQ(resizeArguments(request, 0, 0), (ResizeArguments{2, 1, 3, 1}));

    GridFixture f(15, 15);
    EXPECT_TRUE(canResize(f.grid, {35, 15, 0, 0}));
    EXPECT_FALSE(canResize(f.grid, {36, 15, 0, 0}));
    EXPECT_FALSE(canResize(f.grid, {0, 0, -15, 0}));
    f.grid.setting(GridSetting::Symmetry).setOverride(1);
    EXPECT_FALSE(canResize(f.grid, {20, 3, 0, 0}));  // twice 20 under the half turn
}

}  // namespace
}  // namespace tessaran
