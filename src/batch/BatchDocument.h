#pragma once

#include "batch/BatchGridView.h"
#include "grid/KillListWindows.h"
#include "grid/Grid.h"

namespace tessaran {

// A grid as a batch mode holds it, wired up as the grid window wires its own: observed
// by a BatchGridView, which keeps the grid's appearance, and with a kill list of its own.
class BatchDocument {
public:
    BatchDocument() {
        m_grid.setObserver(&m_view);
        m_grid.setKillList(&m_killList);
    }
    BatchDocument(const BatchDocument&) = delete;
    BatchDocument& operator=(const BatchDocument&) = delete;

    Grid& grid() { return m_grid; }
    BatchGridView& view() { return m_view; }

private:
    // Declared before the grid so that they outlive it.
    BatchGridView m_view;
    KillListWindows m_killList;
    Grid m_grid;
};

}  // namespace tessaran
