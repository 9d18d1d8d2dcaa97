// The grid's file entry points and its single-level undo, both built on GridFile: the
// undo snapshot is the grid file text in memory, plus the filled letters that the file
// does not carry.

#include <filesystem>
#include <fstream>
#include <sstream>

#include "grid/FileReplace.h"
#include "grid/Grid.h"
#include "grid/GridFile.h"
#include "grid/GridView.h"

namespace tessaran {

int Grid::readGrid(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return kGridFileCannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return kGridFileCannotOpen;
    const int result = GridFile::read(*this, in);
    if (result & (kGridFileNotGrid | kGridFileWrongVersion | kGridFileBadGridHeader))
        return result;
    dropUndoSnapshot();
    setUndoState(0);
    setFileName(path);
    refresh();
    return result;
}

int Grid::writeGrid(const std::string& path) {
    std::ostringstream text;
    if (GridFile::write(*this, text) != kGridFileOk)
        return kGridFileUndecipherable;
    switch (replaceFile(path, text.view())) {
        case FileReplaceResult::CannotCreate:
            return kGridFileCannotOpen;
        case FileReplaceResult::WriteFailed:
            return kGridFileUndecipherable;
        case FileReplaceResult::Done:
            break;
    }
    dropUndoSnapshot();
    setUndoState(0);
    setFileName(path);
    return kGridFileOk;
}

Grid::UndoSnapshot Grid::takeSnapshot() const {
    UndoSnapshot snapshot;
    std::ostringstream text;
    GridFile::write(*this, text);
    snapshot.text = std::move(text).str();
    snapshot.filledLetters.reserve(m_cells.size());
    for (const auto& cell : m_cells)
        snapshot.filledLetters.push_back(cell->filledLetter());
    return snapshot;
}

void Grid::checkpoint() {
    m_undoSnapshot = takeSnapshot();
    setUndoState(m_undoState <= 1 ? 2 : 4);
}

void Grid::swapWithSnapshot(int newState) {
    if (!m_undoSnapshot)
        return;
    UndoSnapshot current = takeSnapshot();
    UndoSnapshot previous = std::move(*m_undoSnapshot);
    std::istringstream in(previous.text);
    GridFile::readSnapshot(*this, in);
    if (previous.filledLetters.size() == m_cells.size()) {
        for (size_t i = 0; i < m_cells.size(); ++i)
            m_cells[i]->setFilledLetter(previous.filledLetters[i]);
    }
    m_undoSnapshot = std::move(current);
    setUndoState(newState);
    refresh();
}

void Grid::undo() {
    if (canUndo())
        swapWithSnapshot(m_undoState == 2 ? 1 : 3);
}

void Grid::redo() {
    if (canRedo())
        swapWithSnapshot(m_undoState == 1 ? 2 : 4);
}

}  // namespace tessaran
