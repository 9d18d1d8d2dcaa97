#include "grid/GridView.h"

#include <optional>
#include <ostream>

#include "grid/Cell.h"
#include "grid/GridFile.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

// Lights and cells carry their own colour and font; both are written and read alike.
template <typename Item>
void writeOwnAppearance(std::ostream& out, const Item& item) {
    if (const auto& colour = item.backgroundColour())
        GridFile::writeProperty(out, GridFile::kAppearanceKeywords[GridFile::kBackgroundColor],
                                formatColour(*colour));
    if (const auto& font = item.textFont())
        GridFile::writeProperty(out, GridFile::kAppearanceKeywords[GridFile::kTextFont],
                                font->toText());
}

template <typename Item>
bool readOwnAppearance(std::string_view line, Item& item) {
    std::string_view value;
    const int index = GridFile::matchKeyword(line, GridFile::kAppearanceKeywords,
                                             GridFile::kAppearanceKeywordCount, value);
    if (index == GridFile::kBackgroundColor) {
        item.setBackgroundColour(parseColour(value));
        return true;
    }
    if (index == GridFile::kTextFont) {
        item.setTextFont(FontSpec::fromText(value));
        return true;
    }
    return false;
}

}  // namespace

GridView::~GridView() = default;

int GridView::fillProgress(const FillView*, const Light*, int, int) {
    return 0;
}

int GridView::fillChoose(int, int, int*, const Light*, int, std::uint8_t*, const std::uint8_t*,
                         int&) {
    return 3;
}

void GridView::writeLightExtras(std::ostream& out, const Light& light) {
    writeOwnAppearance(out, light);
}

void GridView::writeCellExtras(std::ostream& out, const Cell& cell) {
    writeOwnAppearance(out, cell);
}

bool GridView::readLightExtra(std::string_view line, Light& light) {
    return readOwnAppearance(line, light);
}

bool GridView::readCellExtra(std::string_view line, Cell& cell) {
    return readOwnAppearance(line, cell);
}

}  // namespace tessaran
