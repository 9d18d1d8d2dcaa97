#include "app/GridDimensionsForm.h"

#include <algorithm>

namespace tessaran {
namespace {

constexpr int kUnitIndex = static_cast<int>(DisplayDimension::UnitType);
constexpr int kLockingIndex = static_cast<int>(DisplayDimension::WHIndependent);

constexpr const char* kUnitTexts[] = {"Points", "10ths of Inches", "Inches", "Millimetres",
                                      "Centimetres"};
constexpr const char* kLockingTexts[] = {"Locked", "Independent"};
constexpr const char* kBarStyleTexts[] = {"Centered", "Lopsided"};
constexpr const char* kAlignmentTexts[] = {"Left", "Centered", "Right"};

bool isLength(int index) {
    return index >= 0 && index < kLengthDimensionCount;
}

}  // namespace

std::span<const char* const> dimensionChoiceTexts(DisplayDimension dimension) {
    switch (dimension) {
        case DisplayDimension::UnitType:
            return kUnitTexts;
        case DisplayDimension::WHIndependent:
            return kLockingTexts;
        case DisplayDimension::BarStyleLopsided:
            return kBarStyleTexts;
        case DisplayDimension::GridAlignment:
            return kAlignmentTexts;
        default:
            return {};
    }
}

GridDimensionsForm::GridDimensionsForm(const DisplayDimensions& dimensions) {
    load(dimensions);
}

void GridDimensionsForm::load(const DisplayDimensions& dimensions) {
    m_dimensions = dimensions;
    m_unit = static_cast<UnitType>(dimensions[kUnitIndex].value());
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        m_checked[i] = dimensions[i].isOverridden();
        if (isLength(i))
            show(i, dimensions[i].value());
        else
            m_choices[i - kLengthDimensionCount] = dimensions[i].value();
    }
}

bool GridDimensionsForm::isLocked() const {
    return choice(kLockingIndex) == 0;
}

int GridDimensionsForm::twips(int index) const {
    const Length& length = m_lengths.at(index);
    return length.twips ? *length.twips : readTwips(length.text, m_unit);
}

void GridDimensionsForm::show(int index, int twips) {
    m_lengths[index] = {showTwips(twips, m_unit), twips};
}

void GridDimensionsForm::showIn(UnitType unit) {
    std::array<int, kLengthDimensionCount> values{};
    for (int i = 0; i < kLengthDimensionCount; ++i)
        values[i] = twips(i);
    m_unit = unit;
    for (int i = 0; i < kLengthDimensionCount; ++i)
        show(i, values[i]);
}

void GridDimensionsForm::type(int index, const std::string& text) {
    if (!isLength(index))
        return;
    m_lengths[index] = {text, std::nullopt};
    m_checked[index] = true;
    mirror(index);
}

void GridDimensionsForm::spin(int index, int steps) {
    if (!isLength(index))
        return;
    const GridDimension& dimension = m_dimensions[index];
    const long long stepped =
        static_cast<long long>(twips(index)) + static_cast<long long>(steps) * kSpinStepTwips;
    show(index, static_cast<int>(
                    std::clamp<long long>(stepped, dimension.minimum(), dimension.limit() - 1)));
    m_checked[index] = true;
    mirror(index);
}

void GridDimensionsForm::setChecked(int index, bool checked) {
    if (index < 0 || index >= kDisplayDimensionCount)
        return;
    m_checked[index] = checked;
    if (isLength(index)) {
        if (!checked)
            show(index, m_dimensions[index].defaultValue());
        mirror(index);
        return;
    }
    if (checked)
        return;
    const int value = m_dimensions[index].defaultValue();
    m_choices[index - kLengthDimensionCount] = value;
    if (index == kUnitIndex)
        showIn(static_cast<UnitType>(value));
}

void GridDimensionsForm::choose(int index, int value) {
    if (isLength(index) || index < 0 || index >= kDisplayDimensionCount)
        return;
    m_choices[index - kLengthDimensionCount] = value;
    m_checked[index] = true;
    if (index == kUnitIndex)
        showIn(static_cast<UnitType>(value));
}

void GridDimensionsForm::mirror(int index) {
    const int partner = lockedPartner(index);
    if (partner < 0 || !isLocked())
        return;
    m_checked[partner] = m_checked[index];
    if (!m_checked[index]) {
        show(partner, m_dimensions[partner].defaultValue());
        return;
    }
    const Length& source = m_lengths[index];
    if (source.text.size() <= kMirroredTextLength)
        m_lengths[partner] = source;
    else
        m_lengths[partner] = {source.text.substr(0, kMirroredTextLength), std::nullopt};
}

void GridDimensionsForm::apply(DisplayDimensions& dimensions) const {
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        GridDimension& dimension = dimensions[i];
        if (!m_checked[i]) {
            dimension.setOverridden(false);
        } else if (isLength(i)) {
            dimension.setOverride(twips(i));
        } else if (i == kUnitIndex) {
            dimension.setOverride(static_cast<int>(m_unit));
        } else {
            dimension.setOverride(choice(i));
        }
    }
}

bool GridDimensionsForm::changes(const DisplayDimensions& dimensions) const {
    DisplayDimensions applied = dimensions;
    apply(applied);
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        if (applied[i].isOverridden() != dimensions[i].isOverridden() ||
            applied[i].value() != dimensions[i].value())
            return true;
    }
    return false;
}

}  // namespace tessaran
