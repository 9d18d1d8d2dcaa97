#include "output/ViewSettings.h"

#include <optional>
#include <ostream>

#include "grid/Cell.h"
#include "grid/Light.h"
#include "grid/TextFields.h"

namespace tessaran {

namespace {

constexpr const char* kForegroundKey = "ForegroundColor";
constexpr const char* kBackgroundKey = "BackgroundColor";
constexpr const char* kNumberFontKey = "NumberFont";
constexpr const char* kTextFontKey = "TextFont";

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// "Key=value"; a line without "=" has no key.
std::optional<KeyValue> splitLine(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyValue{line.substr(0, equals), line.substr(equals + 1)};
}

void writeLine(std::ostream& out, std::string_view key, std::string_view value) {
    out << key << '=' << value << "\r\n";
}

template <typename Owner>
void writeOwnAppearance(std::ostream& out, const Owner& owner) {
    if (owner.backgroundColour())
        writeLine(out, kBackgroundKey, formatColour(*owner.backgroundColour()));
    if (owner.textFont())
        writeLine(out, kTextFontKey, owner.textFont()->toText());
}

template <typename Owner>
bool readOwnAppearance(std::string_view line, Owner& owner) {
    const auto pair = splitLine(line);
    if (!pair)
        return false;
    if (pair->key == kBackgroundKey) {
        owner.setBackgroundColour(parseColour(pair->value));
        return true;
    }
    if (pair->key == kTextFontKey) {
        owner.setTextFont(FontSpec::fromText(pair->value));
        return true;
    }
    return false;
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
            writeLine(out, displayDimensionInfo(static_cast<DisplayDimension>(i)).key,
                      std::to_string(d.value()));
    }
    if (m_foreground.isOverridden())
        writeLine(out, kForegroundKey, formatColour(m_foreground.value()));
    if (m_background.isOverridden())
        writeLine(out, kBackgroundKey, formatColour(m_background.value()));
    if (m_numberFont.isOverridden())
        writeLine(out, kNumberFontKey, m_numberFont.value().toText());
    if (m_textFont.isOverridden())
        writeLine(out, kTextFontKey, m_textFont.value().toText());
}

bool ViewSettings::readGridExtra(std::string_view line) {
    const auto pair = splitLine(line);
    if (!pair)
        return false;
    const int index = displayDimensionIndex(pair->key);
    if (index >= 0) {
        m_dimensions[static_cast<size_t>(index)].setOverride(leadingInt(pair->value));
        return true;
    }
    if (pair->key == kForegroundKey) {
        m_foreground.setOverride(parseColour(pair->value));
    } else if (pair->key == kBackgroundKey) {
        m_background.setOverride(parseColour(pair->value));
    } else if (pair->key == kNumberFontKey) {
        m_numberFont.setOverride(FontSpec::fromText(pair->value));
    } else if (pair->key == kTextFontKey) {
        m_textFont.setOverride(FontSpec::fromText(pair->value));
    } else {
        return false;
    }
    return true;
}

void ViewSettings::writeLightExtras(std::ostream& out, const Light& light) {
    writeOwnAppearance(out, light);
}

void ViewSettings::writeCellExtras(std::ostream& out, const Cell& cell) {
    writeOwnAppearance(out, cell);
}

bool ViewSettings::readLightExtra(std::string_view line, Light& light) {
    return readOwnAppearance(line, light);
}

bool ViewSettings::readCellExtra(std::string_view line, Cell& cell) {
    return readOwnAppearance(line, cell);
}

}  // namespace tessaran
