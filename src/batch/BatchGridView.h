#pragma once

#include "grid/GridView.h"
#include "output/ViewSettings.h"

namespace tessaran {

// The observer of a grid in batch mode. It has no window, but it keeps the grid's
// appearance (the display dimensions, colours and fonts a grid overrides) in view
// settings, as the grid window does, so that reading and writing a grid file in batch
// mode loses none of it and exports draw the grid as the editor would. Lights and cells
// keep their own colours and fonts in the model (GridView's defaults).
class BatchGridView : public GridView {
public:
    void gridCleared() override { m_settings.clearGridOverrides(); }
    void writeGridExtras(std::ostream& out) override { m_settings.writeGridExtras(out); }
    bool readGridExtra(std::string_view line) override { return m_settings.readGridExtra(line); }

    ViewSettings& settings() { return m_settings; }
    const ViewSettings& settings() const { return m_settings; }

private:
    ViewSettings m_settings;
};

}  // namespace tessaran
