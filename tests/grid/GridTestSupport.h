#pragma once
// A small vocabulary for grid tests: grids with lights laid by hand, and an observer that
// records what it is told.

#include <memory>
#include <string>
#include <vector>

#include "grid/KillListWindows.h"
#include "grid/Grid.h"
#include "grid/GridView.h"

namespace tessaran::testing {

struct RecordingView : GridView {
    std::vector<std::string> calls;
    void gridChanged() override { calls.push_back("changed"); }
    void gridCleared() override { calls.push_back("cleared"); }
    void stateChanged() override { calls.push_back("state"); }
    void lightDeleting(const Light&) override { calls.push_back("deleting"); }
    int count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls)
            n += c == call;
        return n;
    }
};

// A grid of the given size with no lights, symmetry none, attached to a kill list.
struct GridFixture {
    Grid grid;
    KillListWindows killList;

    explicit GridFixture(int columns = 5, int rows = 5) {
        grid.setKillList(&killList);
        grid.setDimensions(columns, rows);
        grid.setting(GridSetting::Symmetry).setDefault(0);
    }
    Light* across(int column, int row, int length) {
        return grid.createLights({{column, row, column + length - 1, row, 1, 0}});
    }
    Light* down(int column, int row, int length) {
        return grid.createLights({{column, row, column, row + length - 1, 0, 1}});
    }
    Cell& at(int row, int column) { return grid.cellAt(row, column); }
    std::string shown(int row, int column) {
        return grid.cellAt(row, column).shownText().value_or("");
    }
    std::string number(int row, int column) {
        return grid.cellAt(row, column).shownNumber().value_or("");
    }
};

}  // namespace tessaran::testing
