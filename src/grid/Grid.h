#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/Cell.h"
#include "grid/Direction.h"
#include "grid/GridDimension.h"
#include "grid/Light.h"
#include "grid/LightPosition.h"
#include "grid/UnchModel.h"

namespace tessaran {

class GridView;
class GridOutput;
class KillList;

// The ten grid settings, in their fixed order. Each is a GridDimension: a program default
// with an optional per-grid override that is saved with the grid.
enum class GridSetting {
    BlockType = 0,          // 0 "Foreground" (blocks drawn filled), 1 "Hole"
    Numbering = 1,          // 0 "Enabled" (automatic numbers), 1 "Disabled"
    CheckingMode = 2,       // 0 "Unconstrained", 1 "100%"
    Symmetry = 3,           // 0 to 9, the symmetry types
    DirectionMode = 4,      // 0 "Normalized" (lights read forwards), 1 "Unnormalized"
    NumberPosition = 5,     // 0 "First Cell", 1 "Top Left Cell"
    NormalCommonality = 6,  // -40 to 40
    UnchCommonality = 7,    // -40 to 40
    StartMode = 8,          // 0 "Automatic", 1 "Manual"
    FirstWord = 9,          // 0 "Consistent", 1 "Random"
};
inline constexpr int kGridSettingCount = 10;

// The groups of settings that one "Save As Defaults" button commits together.
enum class SettingGroup { Appearance, Numbering, Editing, Filling, Unch };

struct LightStatistics {
    int lights = 0;
    int across = 0;
    int down = 0;
    int complete = 0;  // fillState 1
    int filled = 0;    // fillState 2
    int open = 0;      // fillState 3
};

struct CheckedCounts {
    int unchecked = 0;  // cells in exactly one light
    int checked = 0;    // cells in two lights
};

// One crossword grid: rows x columns cells, the lights laid over them and the grid-level
// settings and texts. A passive model: it reports changes through its GridView, if one is
// attached, and never draws or asks anything itself.
//
// Invariants kept by every operation: 0 or 1 to 50 rows and columns; a cell is in at most
// one across and one down light; a light is a straight run of 1 to 50 cells along one row
// or column with a step of one. Texts that the grid file carries never contain line
// breaks.
//
// The light table: slots that are empty or own one light. It starts with 4 slots and
// doubles when a new light finds no empty slot; a new light takes the first empty slot and
// a destroyed light empties its slot. Slot order is the order of lights everywhere (grid
// file, statistics, searches).
class Grid {
public:
    static constexpr int kMaxSize = 50;

    // Settings at their built-in defaults, no cells, an empty light table, no texts, both
    // unch models with maxConsecutive 99 and no entries, undo state 0.
    Grid();
    ~Grid();
    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

    // ---- Cells ----
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    bool contains(int row, int column) const {
        return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
    }
    // REQUIRES: contains(row, column).
    Cell& cellAt(int row, int column) { return *m_cells[row * m_columns + column]; }
    const Cell& cellAt(int row, int column) const { return *m_cells[row * m_columns + column]; }

    // ---- Settings ----
    GridDimension& setting(GridSetting s) { return m_settings[static_cast<int>(s)]; }
    const GridDimension& setting(GridSetting s) const { return m_settings[static_cast<int>(s)]; }
    // The effective value of a setting.
    int settingValue(GridSetting s) const { return setting(s).value(); }
    // The overrides of group become its defaults and stop being overrides ("Save As
    // Defaults"). Filling also moves the grid's dictionary into defaultDictionary; Unch
    // moves the grid's own unch model into defaultUnchModel.
    void commitAsDefaults(SettingGroup group);

    // ---- Texts ----
    // Dictionary chosen in the program settings, and the one this grid names.
    const std::optional<std::string>& defaultDictionary() const { return m_defaultDictionary; }
    void setDefaultDictionary(std::optional<std::string_view> name);
    const std::optional<std::string>& dictionary() const { return m_dictionary; }
    void setDictionary(std::optional<std::string_view> name);
    // dictionary() when present, else defaultDictionary().
    const std::optional<std::string>& effectiveDictionary() const;
    const std::optional<std::string>& description() const { return m_description; }
    void setDescription(std::optional<std::string_view> description);

    // ---- Unch models ----
    const UnchModel& defaultUnchModel() const { return m_defaultUnchModel; }
    void setDefaultUnchModel(const UnchModel& model) { m_defaultUnchModel = model; }
    const std::optional<UnchModel>& unchModel() const { return m_unchModel; }
    // Normalises model (UnchModel::normalised), stores it as the grid's own, refreshes.
    void setUnchModel(const UnchModel& model);
    // Stores model unchanged as the grid's own (the grid file keeps a model as written).
    void setUnchModelAsRead(const UnchModel& model) { m_unchModel = model; }
    void clearUnchModel() { m_unchModel.reset(); }
    // The limits for a light of the given length: from the grid's own model when it has
    // one ((99, 0, length) beyond its entries), else from the default model when that has
    // an entry for the length, else (99, 0, length).
    UnchLimits unchLimits(int length) const;

    // ---- Collaborators (not owned) ----
    GridView* observer() const { return m_observer; }
    void setObserver(GridView* observer) { m_observer = observer; }
    KillList* killList() const { return m_killList; }
    void setKillList(KillList* killList) { m_killList = killList; }
    // Where the Export command sends the grid: attached by the main window, detached (null)
    // when it goes.
    GridOutput* output() const { return m_output; }
    void setOutput(GridOutput* output) { m_output = output; }

    // ---- File name and undo state ----
    const std::optional<std::string>& fileName() const { return m_fileName; }
    // Copies the name (or clears it) and tells the observer stateChanged.
    void setFileName(std::optional<std::string_view> name);
    // 0 no snapshot; 1 as last read or saved, an undone edit can be redone; 2 one edit
    // since reading or saving; 3 an edit was undone; 4 edited further.
    int undoState() const { return m_undoState; }
    // Whether the grid differs from its file (undo state 2 or more).
    bool isChanged() const { return m_undoState >= 2; }

    // ---- Lights ----
    // The light table in slot order; an empty slot holds nullptr.
    int lightSlotCount() const { return static_cast<int>(m_lights.size()); }
    Light* lightInSlot(int slot) const { return m_lights[slot].get(); }
    // Every light, in slot order.
    std::vector<Light*> lights() const;
    // The slot of light, or -1.
    int slotOf(const Light& light) const;

    // The cell's light of the given orientation, if any.
    Light* lightOf(const Cell& cell, Direction direction) const;
    // The cell's light that is not light.
    Light* otherLight(const Cell& cell, const Light* light) const;
    // 0, 1 (an unchecked cell) or 2 (a checked cell).
    int lightCount(const Cell& cell) const;
    LightSpec lightSpec(const Light& light) const { return light.spec(); }
    LightStatistics lightStatistics() const;
    CheckedCounts checkedCounts() const;

    // ---- Light primitives (the editing operations build on these; none refreshes) ----
    // The cells of a spec from start to end. REQUIRES: the spec is well formed and fits.
    std::vector<Cell*> cellsOf(const LightSpec& spec);
    // spec and its partners under the grid's symmetry type, in the fixed partner order
    // (at most 8, possibly repeating a spec); normalised in "Normalized" mode.
    std::vector<LightSpec> symmetryList(const LightSpec& spec) const;
    // Takes the cells of spec out of every light of its orientation. When both ends lie in
    // one light, a single leftover cell at either end goes too, and a light with two or
    // more cells left on both sides is split (the part behind spec becomes a new light
    // without number, text, colour or font). Lights left with fewer than 2 cells are
    // destroyed. Ignores a spec that is not well formed or does not fit.
    void carve(const LightSpec& spec);
    // Creates lights for specs from the last to the first: each carves its cells and takes
    // the first empty slot. A spec other than the first whose light already exists at its
    // start cell (compared normalised in "Normalized" mode) is skipped, as is any spec that
    // is not well formed or does not fit. Returns the light made for specs[0], if any.
    Light* createLights(const std::vector<LightSpec>& specs);
    // The light of spec's orientation at its start cell when its spec equals spec
    // (compared normalised in "Normalized" mode).
    Light* matchLight(const LightSpec& spec) const;
    // Tells the observer lightDeleting, then destroys the light and empties its slot.
    void destroyLight(Light& light);
    // Full-length lights for every row whose first cell has no across light, then every
    // column whose top cell has no down light, each with its symmetry partners.
    void allLights();

    // ---- Whole-grid operations ----
    // Destroys all lights and cells, clears every setting override, the grid's dictionary,
    // description and own unch model, empties the kill list and tells the observer
    // gridCleared.
    void clear();
    // clear, then rows x columns new cells (each clamped to 1 to kMaxSize).
    void setDimensions(int columns, int rows);
    // A fresh grid: drops the undo snapshot, undo state 0, no file name (observer told),
    // setDimensions, all lights when asked, refresh.
    void newGrid(int columns, int rows, bool allLights);
    // ---- Grid file and undo ----
    // Reads the grid file at path (see GridFile). On 0, 16 or 32 the undo snapshot is
    // dropped, the undo state becomes 0, the file name becomes path and the grid is
    // refreshed; on 1, 2, 4 or 8 the grid is left exactly as it was.
    int readGrid(const std::string& path);
    // Saves the grid to path without ever destroying the previous file: the text goes to a
    // temporary file beside it that replaces it only once complete. Returns 0, 1 when the
    // file cannot be created, 16 when writing failed. On success the undo snapshot is
    // dropped, the undo state becomes 0 and the file name becomes path; on failure undo
    // state and file name stay as they were.
    int writeGrid(const std::string& path);

    // Single-level undo. checkpoint, before every user edit, replaces the snapshot with the
    // current grid (its file text and every cell's filled letter) and moves the state to 2
    // (from 0 or 1) or 4. undo (states 2, 4) and redo (states 1, 3) swap the grid with its
    // snapshot: undo takes 2 to 1 and 4 to 3, redo 1 to 2 and 3 to 4; other states ignore
    // the call. The observer is told stateChanged when the state number changes.
    void checkpoint();
    void undo();
    void redo();
    bool canUndo() const { return m_undoState == 2 || m_undoState == 4; }
    bool canRedo() const { return m_undoState == 1 || m_undoState == 3; }

    // Recomputes every cell's shown number and text (with their clash flags) and every
    // light's fillState, then tells the observer gridChanged.
    void refresh();

    // ---- Editing operations (GridEditing.cpp) ----
    // Each acts on its light, spec or cell together with the partners the symmetry type
    // asks for, keeps crossing lights complete in "100%" checking mode, and ends with a
    // refresh. Lights and cells passed in must belong to this grid.

    // Adds the light at spec. Returns it, or nullptr when spec does not fit the grid or the
    // light did not survive the checking-mode joins.
    Light* addLight(const LightSpec& spec);
    // Moves light to spec (nothing happens when spec is its spec or does not fit). The
    // light keeps its number, text, colour and font.
    void moveLight(Light& light, const LightSpec& spec);
    // Reads light the other way; no visible change in "Normalized" mode.
    void reverseLight(Light& light);
    void deleteLight(Light& light);
    // Makes a light cell a block, or a block a light cell.
    void toggleBlock(Cell& cell);
    // Deletes every light and filled letter, keeping cell texts, numbers, colours and
    // fonts; then lays all lights when asked.
    void restart(bool withAllLights);
    void clearLightText(Light& light);
    void clearAllLightTexts();
    void clearAllCellTexts();
    // Reflects in the main diagonal; rotates 90 degrees anticlockwise. Rows and columns
    // swap; the observer is told gridReshaped.
    void reflect();
    void rotate();
    // Inserts (delta > 0) or deletes (delta < 0) columns and rows at the given positions,
    // with their symmetrical counterparts. Returns false, leaving the grid untouched, when
    // a position lies outside 0..size or the result would be outside 1 to kMaxSize.
    bool resize(int columnDelta, int columnPosition, int rowDelta, int rowPosition);

    // ---- Editing primitives (none refreshes) ----
    // Makes one light of the light cells around spec along its orientation: the light at
    // spec absorbs or is absorbed by its neighbours, and a neighbour that lies only in a
    // crossing light is taken in.
    void join(const LightSpec& spec);
    // Moves the light matching each oldSpecs[i] to newSpecs[i]; the answer tells which
    // old specs had a light.
    std::vector<bool> moveLights(const std::vector<LightSpec>& oldSpecs,
                                 const std::vector<LightSpec>& newSpecs);
    // "100%" completion after lights were removed (the specs whose flag in found is set)
    // and added: cells left unchecked by a removal become blocks, added lights are joined
    // to their neighbours and their cells to the crossing direction.
    void completeChecking(const std::vector<LightSpec>& removed, const std::vector<bool>& found,
                          const std::vector<LightSpec>& added);

private:
    // Editing helpers (GridEditing.cpp).
    bool fullChecking() const;
    void relocateLight(Light& light, const LightSpec& spec);
    void transpose(bool rotate);
    Light& addLight(std::vector<Cell*> cells, int stepColumn, int stepRow);
    bool specUsable(const LightSpec& spec) const;
    bool sameSpec(const LightSpec& a, const LightSpec& b) const;
    void destroyAllLights();
    void computeNumbers();
    void computeShownTexts();
    void setUndoState(int state);
    void dropUndoSnapshot() { m_undoSnapshot.reset(); }
    struct UndoSnapshot;
    UndoSnapshot takeSnapshot() const;
    void swapWithSnapshot(int newState);

    // The other side of the single-level undo: the grid file text and every cell's
    // filled letter, row by row.
    struct UndoSnapshot {
        std::string text;
        std::vector<std::uint8_t> filledLetters;
    };

    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::unique_ptr<Cell>> m_cells;  // row by row
    std::array<GridDimension, kGridSettingCount> m_settings;
    std::optional<std::string> m_defaultDictionary;
    std::optional<std::string> m_dictionary;
    std::optional<std::string> m_description;
    UnchModel m_defaultUnchModel;
    std::optional<UnchModel> m_unchModel;
    GridView* m_observer = nullptr;
    KillList* m_killList = nullptr;
    GridOutput* m_output = nullptr;
    std::vector<std::unique_ptr<Light>> m_lights;
    std::optional<std::string> m_fileName;
    int m_undoState = 0;
    std::optional<UndoSnapshot> m_undoSnapshot;
};

}  // namespace tessaran
