#include "output/ViewSettings.h"

#include <ostream>

#include "grid/GridFile.h"
#include "grid/TextFields.h"

namespace tessaran {

namespace {

// Appearance keyword indices beyond the eighteen dimensions.
constexpr int kForeground = GridFile::kForegroundColor;
constexpr int kBackground = GridFile::kBackgroundColor;
constexpr int kNumberFont = GridFile::kNumberFont;
constexpr int kTextFont = GridFile::kTextFont;

const char* key(int index) {
    return GridFile::kAppearanceKeywords[index];
}

}  // namespace

ViewSettings::ViewSettings()
    : m_dimensions(makeDisplayDimensions()),
      m_foreground(rgb(0, 0, 0)),
      m_background(rgb(255, 255, 255)),
      m_numberFont(FontSpec::defaultNumberFont()),
      m_textFont(FontSpec::defaultTextFont()) {}

void ViewSettings::clearGridOverrides() {
    for (GridDimension& d : m_dimensions)
        d.setOverridden(false);
    m_foreground.setOverridden(false);
    m_background.setOverridden(false);
    m_numberFont.setOverridden(false);
    m_textFont.setOverridden(false);
}

void ViewSettings::commitOverrides() {
    for (GridDimension& d : m_dimensions)
        d.commitOverride();
    m_foreground.commitOverride();
    m_background.commitOverride();
    m_numberFont.commitOverride();
    m_textFont.commitOverride();
}

void ViewSettings::writeGridExtras(std::ostream& out) const {
    for (int i = 0; i < kDisplayDimensionCount; ++i) {
        const GridDimension& d = m_dimensions[static_cast<size_t>(i)];
        if (d.isOverridden())
            GridFile::writeProperty(out, key(i), std::to_string(d.value()));
    }
    if (m_foreground.isOverridden())
        GridFile::writeProperty(out, key(kForeground), formatColour(m_foreground.value()));
    if (m_background.isOverridden())
        GridFile::writeProperty(out, key(kBackground), formatColour(m_background.value()));
    if (m_numberFont.isOverridden())
        GridFile::writeProperty(out, key(kNumberFont), m_numberFont.value().toText());
    if (m_textFont.isOverridden())
        GridFile::writeProperty(out, key(kTextFont), m_textFont.value().toText());
}

bool ViewSettings::readGridExtra(std::string_view line) {
    std::string_view value;
    const int index = GridFile::matchKeyword(line, GridFile::kAppearanceKeywords,
                                             GridFile::kAppearanceKeywordCount, value);
    if (index < 0)
        return false;
    if (index < kDisplayDimensionCount) {
        m_dimensions[static_cast<size_t>(index)].setOverride(leadingInt(value));
    } else if (index == kForeground) {
        m_foreground.setOverride(parseColour(value));
    } else if (index == kBackground) {
        m_background.setOverride(parseColour(value));
    } else if (index == kNumberFont) {
        m_numberFont.setOverride(FontSpec::fromText(value));
    } else {
        m_textFont.setOverride(FontSpec::fromText(value));
    }
    return true;
}

}  // namespace tessaran
