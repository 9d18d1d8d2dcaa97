#pragma once

#include <array>
#include <optional>

#include "grid/Colour.h"
#include "grid/FontSpec.h"
#include "grid/GridDimension.h"
#include "grid/GridFile.h"
#include "grid/GridView.h"

namespace tessaran {

// The observer of a grid in batch mode. It has no window, but it keeps the grid's
// appearance lines (the display dimensions, colours and fonts a grid overrides) so that
// reading and writing a grid file in batch mode loses none of them. Lights and cells keep
// their own colours and fonts in the model (GridView's defaults).
class BatchGridView : public GridView {
public:
    BatchGridView();

    void gridCleared() override;
    void writeGridExtras(std::ostream& out) override;
    bool readGridExtra(std::string_view line) override;

    // The display dimension overrides, indexed as GridFile::kAppearanceKeywords 0 to 17.
    static constexpr int kDimensionCount = 18;
    const GridDimension& dimension(int index) const { return m_dimensions[index]; }

private:
    std::array<GridDimension, kDimensionCount> m_dimensions;
    std::optional<Colour> m_foregroundColour;
    std::optional<Colour> m_backgroundColour;
    std::optional<FontSpec> m_numberFont;
    std::optional<FontSpec> m_textFont;
};

}  // namespace tessaran
