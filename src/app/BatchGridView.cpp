#include "app/BatchGridView.h"

#include <string>

#include "grid/TextFields.h"

namespace tessaran {
namespace {

// Default, minimum and limit of each display dimension, in appearance keyword order.
constexpr int kDimensionRanges[BatchGridView::kDimensionCount][3] = {
    {500, 0, 30000},
    {500, 0, 30000},
    {50, 0, 30000},
    {50, 0, 30000},
    {20, 0, 30000},
    {20, 0, 30000},
    {30, 0, 30000},
    {30, 0, 30000},
    {20, -30000, 30000},
    {20, -30000, 30000},
    {280, -30000, 30000},
    {320, -30000, 30000},
    {0, -30000, 30000},
    {0, -30000, 30000},
    {0, 0, 5},
    {0, 0, 2},
    {0, 0, 2},
    {0, 0, 3},
};

}  // namespace

BatchGridView::BatchGridView() {
    for (int i = 0; i < kDimensionCount; ++i)
        m_dimensions[i] =
            GridDimension(kDimensionRanges[i][0], kDimensionRanges[i][1], kDimensionRanges[i][2]);
}

void BatchGridView::gridCleared() {
    for (GridDimension& d : m_dimensions)
        d.setOverridden(false);
    m_foregroundColour.reset();
    m_backgroundColour.reset();
    m_numberFont.reset();
    m_textFont.reset();
}

void BatchGridView::writeGridExtras(std::ostream& out) {
    const auto* keys = GridFile::kAppearanceKeywords;
    for (int i = 0; i < kDimensionCount; ++i)
        if (m_dimensions[i].isOverridden())
            GridFile::writeProperty(out, keys[i], std::to_string(m_dimensions[i].value()));
    if (m_foregroundColour)
        GridFile::writeProperty(out, keys[GridFile::kForegroundColor],
                                formatColour(*m_foregroundColour));
    if (m_backgroundColour)
        GridFile::writeProperty(out, keys[GridFile::kBackgroundColor],
                                formatColour(*m_backgroundColour));
    if (m_numberFont)
        GridFile::writeProperty(out, keys[GridFile::kNumberFont], m_numberFont->toText());
    if (m_textFont)
        GridFile::writeProperty(out, keys[GridFile::kTextFont], m_textFont->toText());
}

bool BatchGridView::readGridExtra(std::string_view line) {
    std::string_view value;
    const int index = GridFile::matchKeyword(line, GridFile::kAppearanceKeywords,
                                             GridFile::kAppearanceKeywordCount, value);
    if (index < 0)
        return false;
    if (index < kDimensionCount) {
        m_dimensions[index].setOverride(leadingInt(value));
    } else if (index == GridFile::kForegroundColor) {
        m_foregroundColour = parseColour(value);
    } else if (index == GridFile::kBackgroundColor) {
        m_backgroundColour = parseColour(value);
    } else if (index == GridFile::kNumberFont) {
        m_numberFont = FontSpec::fromText(value);
    } else {
        m_textFont = FontSpec::fromText(value);
    }
    return true;
}

}  // namespace tessaran
