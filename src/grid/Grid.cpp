#include "grid/Grid.h"

#include <algorithm>

#include "grid/KillList.h"
#include "grid/GridView.h"
#include "grid/TextFields.h"

namespace tessaran {
namespace {

constexpr int kInitialLightSlots = 4;

std::optional<std::string> ownedText(std::optional<std::string_view> text) {
    if (!text)
        return std::nullopt;
    return withoutLineBreaks(*text);
}

}  // namespace

Grid::Grid() : m_lights(kInitialLightSlots) {
    // Built-in defaults, before the program settings are applied: (default, min, limit).
    static constexpr int kSettings[kGridSettingCount][3] = {
        {0, 0, 2}, {0, 0, 2},     {0, 0, 2},     {1, 0, 10}, {0, 0, 2},
        {0, 0, 2}, {40, -40, 41}, {40, -40, 41}, {0, 0, 2},  {0, 0, 2},
    };
    for (int i = 0; i < kGridSettingCount; ++i)
        m_settings[i] = GridDimension(kSettings[i][0], kSettings[i][1], kSettings[i][2]);
}

Grid::~Grid() {
    // Lights detach from cells as they go, so they go first.
    for (auto& slot : m_lights)
        slot.reset();
}

// ---- Settings and texts ----

void Grid::commitAsDefaults(SettingGroup group) {
    auto commit = [this](std::initializer_list<GridSetting> settings) {
        for (GridSetting s : settings)
            setting(s).commitOverride();
    };
    switch (group) {
        case SettingGroup::Appearance:
            commit({GridSetting::BlockType});
            break;
        case SettingGroup::Numbering:
            commit({GridSetting::Numbering, GridSetting::NumberPosition});
            break;
        case SettingGroup::Editing:
            commit({GridSetting::CheckingMode, GridSetting::Symmetry, GridSetting::DirectionMode});
            break;
        case SettingGroup::Filling:
            commit({GridSetting::NormalCommonality, GridSetting::UnchCommonality,
                    GridSetting::StartMode, GridSetting::FirstWord});
            if (m_dictionary) {
                m_defaultDictionary = std::move(m_dictionary);
                m_dictionary.reset();
            }
            break;
        case SettingGroup::Unch:
            if (m_unchModel) {
                m_defaultUnchModel = std::move(*m_unchModel);
                m_unchModel.reset();
            }
            break;
    }
}

void Grid::setDefaultDictionary(std::optional<std::string_view> name) {
    m_defaultDictionary = ownedText(name);
}

void Grid::setDictionary(std::optional<std::string_view> name) {
    m_dictionary = ownedText(name);
}

const std::optional<std::string>& Grid::effectiveDictionary() const {
    return m_dictionary ? m_dictionary : m_defaultDictionary;
}

void Grid::setDescription(std::optional<std::string_view> description) {
    m_description = ownedText(description);
}

void Grid::setUnchModel(const UnchModel& model) {
    m_unchModel = model.normalised();
    refresh();
}

UnchLimits Grid::unchLimits(int length) const {
    const UnchModel* model = nullptr;
    if (m_unchModel) {
        model = &*m_unchModel;
    } else if (m_defaultUnchModel.count() > 0) {
        model = &m_defaultUnchModel;
    }
    if (model && length >= 1 && length - 1 < model->count())
        return {model->maxConsecutive, model->minUnched[length - 1], model->maxUnched[length - 1]};
    return {99, 0, length};
}

void Grid::setFileName(std::optional<std::string_view> name) {
    // Kept exactly: a path is never written into a grid file, and any other spelling would
    // name another file.
    m_fileName = name ? std::optional<std::string>(*name) : std::nullopt;
    if (m_observer)
        m_observer->stateChanged();
}

void Grid::setUndoState(int state) {
    if (state == m_undoState)
        return;
    m_undoState = state;
    if (m_observer)
        m_observer->stateChanged();
}

// ---- Lights ----

std::vector<Light*> Grid::lights() const {
    std::vector<Light*> result;
    for (const auto& slot : m_lights)
        if (slot)
            result.push_back(slot.get());
    return result;
}

int Grid::slotOf(const Light& light) const {
    for (size_t i = 0; i < m_lights.size(); ++i)
        if (m_lights[i].get() == &light)
            return static_cast<int>(i);
    return -1;
}

Light* Grid::lightOf(const Cell& cell, Direction direction) const {
    for (Light* light : {cell.lightA(), cell.lightB()})
        if (light && light->direction() == direction)
            return light;
    return nullptr;
}

Light* Grid::otherLight(const Cell& cell, const Light* light) const {
    if (cell.lightA() && cell.lightA() != light)
        return cell.lightA();
    if (cell.lightB() && cell.lightB() != light)
        return cell.lightB();
    return nullptr;
}

int Grid::lightCount(const Cell& cell) const {
    return (cell.lightA() ? 1 : 0) + (cell.lightB() ? 1 : 0);
}

LightStatistics Grid::lightStatistics() const {
    LightStatistics stats;
    for (const Light* light : lights()) {
        ++stats.lights;
        ++(light->direction() == Direction::Across ? stats.across : stats.down);
        switch (light->fillState()) {
            case 1:
                ++stats.complete;
                break;
            case 2:
                ++stats.filled;
                break;
            default:
                ++stats.open;
                break;
        }
    }
    return stats;
}

CheckedCounts Grid::checkedCounts() const {
    CheckedCounts counts;
    for (const auto& cell : m_cells) {
        const int n = lightCount(*cell);
        if (n == 1)
            ++counts.unchecked;
        if (n == 2)
            ++counts.checked;
    }
    return counts;
}

bool Grid::specUsable(const LightSpec& spec) const {
    return spec.isWellFormed(Light::kMaxLength) && spec.fitsIn(m_columns, m_rows);
}

bool Grid::sameSpec(const LightSpec& a, const LightSpec& b) const {
    if (settingValue(GridSetting::DirectionMode) == 0)
        return a.normalised() == b.normalised();
    return a == b;
}

std::vector<Cell*> Grid::cellsOf(const LightSpec& spec) {
    std::vector<Cell*> cells;
    const int n = spec.length();
    cells.reserve(n);
    for (int i = 0; i < n; ++i)
        cells.push_back(
            &cellAt(spec.startRow + i * spec.stepRow, spec.startColumn + i * spec.stepColumn));
    return cells;
}

std::vector<LightSpec> Grid::symmetryList(const LightSpec& spec) const {
    const int w = m_columns;
    const int h = m_rows;
    const int type = settingValue(GridSetting::Symmetry);
    const bool square = w == h;
    auto is = [type](std::initializer_list<int> types) {
        return std::find(types.begin(), types.end(), type) != types.end();
    };
    const auto [x1, y1, x2, y2, dx, dy] = spec;
    std::vector<LightSpec> list{spec};
    if (is({1, 2, 4, 5, 6}))
        list.push_back({w - 1 - x1, h - 1 - y1, w - 1 - x2, h - 1 - y2, -dx, -dy});
    if (square && is({2, 6})) {
        list.push_back({y1, w - 1 - x1, y2, w - 1 - x2, dy, -dx});
        list.push_back({h - 1 - y1, x1, h - 1 - y2, x2, -dy, dx});
    }
    if (is({3, 5, 6}))
        list.push_back({w - 1 - x1, y1, w - 1 - x2, y2, -dx, dy});
    if (is({5, 6, 8}))
        list.push_back({x1, h - 1 - y1, x2, h - 1 - y2, dx, -dy});
    if (square && is({4, 6, 7}))
        list.push_back({y1, x1, y2, x2, dy, dx});
    if (square && is({4, 6, 9}))
        list.push_back({h - 1 - y1, w - 1 - x1, h - 1 - y2, w - 1 - x2, -dy, -dx});
    if (settingValue(GridSetting::DirectionMode) == 0)
        for (LightSpec& s : list)
            s = s.normalised();
    return list;
}

Light& Grid::addLight(std::vector<Cell*> cells, int stepColumn, int stepRow) {
    auto light = std::make_unique<Light>(*this, std::move(cells), stepColumn, stepRow);
    auto slot = std::find(m_lights.begin(), m_lights.end(), nullptr);
    if (slot == m_lights.end()) {
        const size_t old = m_lights.size();
        m_lights.resize(std::max<size_t>(old * 2, kInitialLightSlots));
        slot = m_lights.begin() + static_cast<std::ptrdiff_t>(old);
    }
    *slot = std::move(light);
    return **slot;
}

void Grid::destroyLight(Light& light) {
    const int slot = slotOf(light);
    if (slot < 0)
        return;
    if (m_observer)
        m_observer->lightDeleting(light);
    m_lights[slot].reset();
}

void Grid::carve(const LightSpec& spec) {
    if (!specUsable(spec))
        return;
    const Direction direction = spec.direction();
    std::vector<Cell*> range = cellsOf(spec);
    std::vector<Cell*> recreate;
    int recreateStepColumn = 0;
    int recreateStepRow = 0;

    Light* whole = lightOf(*range.front(), direction);
    if (whole && whole == lightOf(*range.back(), direction)) {
        // Measure along the light itself, which may read the other way from the spec.
        const int i1 = range.front()->indexIn(whole);
        const int i2 = range.back()->indexIn(whole);
        int low = std::min(i1, i2);
        int high = std::max(i1, i2);
        const int before = low;
        const int after = whole->length() - 1 - high;
        if (before == 1)
            low = 0;
        if (after == 1)
            high = whole->length() - 1;
        if (before >= 2 && after >= 2) {
            recreate.assign(whole->cells().begin() + (whole->length() - after),
                            whole->cells().end());
            recreateStepColumn = whole->stepColumn();
            recreateStepRow = whole->stepRow();
            high = whole->length() - 1;
        }
        range.assign(whole->cells().begin() + low, whole->cells().begin() + high + 1);
    }
    for (Cell* cell : range) {
        Light* light = lightOf(*cell, direction);
        if (light && light->removeCell(*cell))
            destroyLight(*light);
    }
    if (!recreate.empty())
        addLight(std::move(recreate), recreateStepColumn, recreateStepRow);
}

Light* Grid::createLights(const std::vector<LightSpec>& specs) {
    Light* first = nullptr;
    for (size_t i = specs.size(); i-- > 0;) {
        const LightSpec& spec = specs[i];
        if (!specUsable(spec))
            continue;
        if (i >= 1) {
            const Light* existing =
                lightOf(cellAt(spec.startRow, spec.startColumn), spec.direction());
            if (existing && sameSpec(existing->spec(), spec))
                continue;
        }
        std::vector<Cell*> cells = cellsOf(spec);
        carve(spec);
        Light& light = addLight(std::move(cells), spec.stepColumn, spec.stepRow);
        if (i == 0)
            first = &light;
    }
    return first;
}

Light* Grid::matchLight(const LightSpec& spec) const {
    if (!specUsable(spec))
        return nullptr;
    Light* light = lightOf(cellAt(spec.startRow, spec.startColumn), spec.direction());
    return light && sameSpec(light->spec(), spec) ? light : nullptr;
}

void Grid::allLights() {
    for (int row = 0; row < m_rows; ++row)
        if (!lightOf(cellAt(row, 0), Direction::Across))
            createLights(symmetryList({0, row, m_columns - 1, row, 1, 0}));
    for (int column = 0; column < m_columns; ++column)
        if (!lightOf(cellAt(0, column), Direction::Down))
            createLights(symmetryList({column, 0, column, m_rows - 1, 0, 1}));
}

// ---- Whole grid ----

void Grid::destroyAllLights() {
    for (auto& slot : m_lights)
        if (slot)
            destroyLight(*slot);
}

void Grid::clear() {
    destroyAllLights();
    m_cells.clear();
    m_rows = m_columns = 0;
    for (GridDimension& s : m_settings)
        s.setOverridden(false);
    m_dictionary.reset();
    m_description.reset();
    m_unchModel.reset();
    if (m_killList)
        m_killList->clear();
    if (m_observer)
        m_observer->gridCleared();
}

void Grid::setDimensions(int columns, int rows) {
    clear();
    m_columns = std::clamp(columns, 1, kMaxSize);
    m_rows = std::clamp(rows, 1, kMaxSize);
    m_cells.reserve(static_cast<size_t>(m_rows) * m_columns);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            m_cells.push_back(std::make_unique<Cell>(*this, r, c));
}

void Grid::newGrid(int columns, int rows, bool withAllLights) {
    dropUndoSnapshot();
    setUndoState(0);
    setFileName(std::nullopt);
    setDimensions(columns, rows);
    if (withAllLights)
        allLights();
    refresh();
}

}  // namespace tessaran
