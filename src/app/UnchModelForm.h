#pragma once
// What the Unch Model dialog holds and does, without the window: the Min and Max texts of
// light lengths 1 to 15, the consecutive-unches text and the "Customized" box, loaded
// from the grid, filled by the presets and applied back to the grid.
//
// The dialog edits lengths 1 to 15 only. Applying keeps the limits in force for longer
// lights (a model read from a grid file or the settings may have them), and the
// consecutive field shows the limit of the model in force, so that applying fields that
// were only loaded gives the grid the model it already had.

#include <array>
#include <string>

#include "grid/UnchModel.h"
#include "grid/UnchPresets.h"

namespace tessaran {

class Grid;

class UnchModelForm {
public:
    static constexpr int kLengths = kUnchDialogLengths;

    // Loaded from grid, with "Customized" ticked when the grid has its own model.
    explicit UnchModelForm(const Grid& grid);

    const std::string& minText(int length) const { return m_min.at(length - 1); }
    const std::string& maxText(int length) const { return m_max.at(length - 1); }
    const std::string& consecutiveText() const { return m_consecutive; }
    bool isCustomized() const { return m_customized; }

    // The user's typing; lengths run from 1 to kLengths.
    void setMinText(int length, std::string text) { m_min.at(length - 1) = std::move(text); }
    void setMaxText(int length, std::string text) { m_max.at(length - 1) = std::move(text); }
    void setConsecutiveText(std::string text) { m_consecutive = std::move(text); }

    // Fills every row and the consecutive field from the preset and ticks "Customized".
    void choosePreset(UnchPreset preset);
    // The user clicked "Customized": unticking reloads the fields from grid; ticking only
    // ticks.
    void setCustomized(bool customized, const Grid& grid);

    // The model the fields describe, read as integers (text that is not a number reads
    // as 0), not yet normalised. Entries beyond length 15 are those of inForce.
    UnchModel model(const UnchModel* inForce) const;

    // Apply: with "Customized" ticked the grid takes the fields as its own model
    // (normalised); unticked, its own model goes and the default applies again. The grid
    // takes an undo checkpoint first when its own model is about to change (the model is
    // saved with the grid), and is refreshed, so its views show the new evaluation. The
    // fields are then reloaded and "Customized" shows whether the grid has its own model.
    // Answers whether the grid's model changed.
    bool apply(Grid& grid);

    // The fields as the grid's limits give them, "Customized" left as it is.
    void load(const Grid& grid);

    // The model whose limits the grid uses: its own, else the default when that has
    // entries, else none.
    static const UnchModel* modelInForce(const Grid& grid);

private:
    std::array<std::string, kLengths> m_min;
    std::array<std::string, kLengths> m_max;
    std::string m_consecutive;
    bool m_customized = false;
};

}  // namespace tessaran
