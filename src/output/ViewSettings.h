#pragma once
// Everything the grid window owns that decides how a grid looks: the eighteen display
// dimensions, the grid's colours and fonts (each a default with an optional per-grid
// override), the view colours and the view state. It also reads and writes the grid
// file's grid-level appearance lines, which carry the grid's overrides.

#include <iosfwd>
#include <string_view>

#include "grid/Colour.h"
#include "grid/Font.h"
#include "output/DisplayDimension.h"
#include "output/OverridableValue.h"
#include "output/Units.h"

namespace tessaran {

// When the light direction arrows are drawn.
enum class ArrowMode { Never = 0, IfOutOfRange = 1, Always = 2 };

class ViewSettings {
public:
    // Built-in defaults: the dimension table's, black on white, the two default fonts,
    // black view colours, zoom 100 %, no arrows, graticule on.
    ViewSettings();

    GridDimension& dimension(DisplayDimension d) { return m_dimensions[static_cast<size_t>(d)]; }
    const GridDimension& dimension(DisplayDimension d) const {
        return m_dimensions[static_cast<size_t>(d)];
    }
    // The effective value.
    int value(DisplayDimension d) const { return dimension(d).value(); }
    DisplayDimensions& dimensions() { return m_dimensions; }
    const DisplayDimensions& dimensions() const { return m_dimensions; }
    UnitType unitType() const { return static_cast<UnitType>(value(DisplayDimension::UnitType)); }

    // Bars, rules, borders and filled blocks.
    OverridableValue<Colour>& foregroundColour() { return m_foreground; }
    const OverridableValue<Colour>& foregroundColour() const { return m_foreground; }
    // Light cells, unless a cell or its lights have their own.
    OverridableValue<Colour>& backgroundColour() { return m_background; }
    const OverridableValue<Colour>& backgroundColour() const { return m_background; }
    OverridableValue<FontSpec>& numberFont() { return m_numberFont; }
    const OverridableValue<FontSpec>& numberFont() const { return m_numberFont; }
    OverridableValue<FontSpec>& textFont() { return m_textFont; }
    const OverridableValue<FontSpec>& textFont() const { return m_textFont; }

    // View colours and state: program-wide, never saved with a grid.
    Colour underunchedColour = 0;
    Colour overunchedColour = 0;
    Colour mainBranchFillingColour = 0;
    Colour sideBranchFillingColour = 0;
    ArrowMode arrowMode = ArrowMode::Never;
    bool graticule = true;
    // Use zoomPercent() to read it: a stored value that cannot divide is drawn as 100.
    int zoomFactor = 100;
    int zoomPercent() const { return zoomFactor > 0 ? zoomFactor : 100; }

    // Drops every per-grid override (the grid was cleared or a new one is read).
    void clearGridOverrides();
    // Makes every override of the dimensions, colours and fonts its default.
    void commitOverrides();

    // The grid's appearance lines in the grid file's order ("Key=value" + CR LF): each
    // overridden dimension, then ForegroundColor, BackgroundColor, NumberFont, TextFont
    // when overridden.
    void writeGridExtras(std::ostream& out) const;
    // Takes one grid-level appearance line (either line form of the grid file); false
    // when its key is none of the 22. A light's or cell's own colour and font live in
    // the model, and GridView reads and writes their lines.
    bool readGridExtra(std::string_view line);

private:
    DisplayDimensions m_dimensions;
    OverridableValue<Colour> m_foreground;
    OverridableValue<Colour> m_background;
    OverridableValue<FontSpec> m_numberFont;
    OverridableValue<FontSpec> m_textFont;
};

}  // namespace tessaran
