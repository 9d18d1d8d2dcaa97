#pragma once

#include <cstdint>
#include <iosfwd>
#include <string_view>

namespace tessaran {

class Cell;
class FillView;  // the fill's snapshot of cell letters, defined with the fill engine
class Light;

// The grid's observer: the grid window implements it (and the batch commands a headless
// one). The grid never knows more of its window than this. Every call has a neutral
// default, so an implementation overrides only what it cares about.
class GridView {
public:
    virtual ~GridView() = 0;

    // Automatic filling reports after every placement. indicator is the fill's mode minus
    // its depth budget; INT_MIN (with no light) asks for a redisplay only and must be
    // answered with 0. Answers 0 to go on, 1 when the user interrupted, 3 when the user
    // abandoned.
    virtual int fillProgress(const FillView* fillView, const Light* light, int level,
                             int indicator);
    // Manual filling: offers slotCount candidate words (words holds light length letters
    // per slot, scores one score per slot) for light and lets the user choose; chosen is
    // set to the chosen slot, and a word typed by the user is written into a free slot.
    // Answers 0 Continue, 1 Next, 2 Back, 3 Abandon. The default abandons.
    virtual int fillChoose(int slotCount, int target, int* scores, const Light* light, int level,
                           std::uint8_t* words, const std::uint8_t* pattern, int& chosen);

    // After every refresh of numbering and shown texts.
    virtual void gridChanged() {}
    // After the grid changed shape (reflect, rotate, resize).
    virtual void gridReshaped() {}
    // Before light is destroyed; the light is still intact.
    virtual void lightDeleting(const Light& light) { (void)light; }
    // The grid was cleared: drop every per-grid appearance value.
    virtual void gridCleared() {}
    // The undo state or the file name changed.
    virtual void stateChanged() {}

    // Append the appearance lines of the grid file ("Key=value" lines, each ending in
    // CR LF) for the grid, a light, a cell. The light and cell defaults write the
    // BackgroundColor and TextFont the light or cell holds, in that order.
    virtual void writeGridExtras(std::ostream& out) { (void)out; }
    virtual void writeLightExtras(std::ostream& out, const Light& light);
    virtual void writeCellExtras(std::ostream& out, const Cell& cell);

    // Take one appearance line (without its line end) read from a grid file; answer
    // whether it was recognised. The light and cell defaults take BackgroundColor and
    // TextFont into the light or cell.
    virtual bool readGridExtra(std::string_view line) { return (void)line, false; }
    virtual bool readLightExtra(std::string_view line, Light& light);
    virtual bool readCellExtra(std::string_view line, Cell& cell);
};

}  // namespace tessaran
