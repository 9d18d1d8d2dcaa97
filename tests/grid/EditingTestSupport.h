#pragma once
// Vocabulary for the editing tests: grids drawn as pictures, lights listed as texts, and
// the structural checks every editing operation must keep.

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "GridTestSupport.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran::testing {

// "(x1,y1)-(x2,y2)a": columns and rows 0-based, as the light reads; "a" or "d".
inline std::string specText(const LightSpec& s) {
    std::ostringstream out;
    out << "(" << s.startColumn << "," << s.startRow << ")-(" << s.endColumn << "," << s.endRow
        << ")" << (s.stepRow == 0 ? "a" : "d");
    return out.str();
}

// Every light of the grid, sorted.
inline std::vector<std::string> lightList(const Grid& grid) {
    std::vector<std::string> list;
    for (const Light* light : grid.lights())
        list.push_back(specText(light->spec()));
    std::sort(list.begin(), list.end());
    return list;
}

// Lays a blocked grid: "#" is a block and any other character a light cell; each run of
// two or more light cells in a row or column becomes a light (no symmetry applied).
inline void layPicture(Grid& grid, const std::vector<std::string>& picture) {
    const int rows = static_cast<int>(picture.size());
    const int columns = static_cast<int>(picture[0].size());
    grid.setDimensions(columns, rows);
    auto open = [&](int c, int r) { return picture[r][c] != '#'; };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns;) {
            int e = c;
            while (e < columns && open(e, r))
                ++e;
            if (e - c >= 2)
                grid.createLights({{c, r, e - 1, r, 1, 0}});
            c = std::max(e, c + 1);
        }
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows;) {
            int e = r;
            while (e < rows && open(c, e))
                ++e;
            if (e - r >= 2)
                grid.createLights({{c, r, c, e - 1, 0, 1}});
            r = std::max(e, r + 1);
        }
    grid.refresh();
}

// The grid drawn back: "#" for a block, "." for a cell in one light, "+" in two.
inline std::vector<std::string> picture(const Grid& grid) {
    std::vector<std::string> rows;
    for (int r = 0; r < grid.rows(); ++r) {
        std::string line;
        for (int c = 0; c < grid.columns(); ++c)
            line += "#.+"[grid.lightCount(grid.cellAt(r, c))];
        rows.push_back(line);
    }
    return rows;
}

// Empty when the light table and the cells agree: each light a straight run of 1 to 50
// cells of the grid with a unit step, every cell knowing its light and index, no cell in
// two lights of one orientation, and no cell naming a light that is not in the table.
inline std::string structuralFaults(const Grid& grid) {
    std::ostringstream faults;
    std::set<const Light*> table;
    for (const Light* light : grid.lights())
        table.insert(light);
    for (const Light* light : grid.lights()) {
        const int n = light->length();
        if (n < 1 || n > Light::kMaxLength) {
            faults << "light of length " << n << "; ";
            continue;
        }
        const LightSpec s = light->spec();
        if (!s.isWellFormed(Light::kMaxLength) || !s.fitsIn(grid.columns(), grid.rows()) ||
            s.length() != n)
            faults << "light " << specText(s) << " is not a straight run; ";
        for (int k = 0; k < n; ++k) {
            const Cell& cell = light->cell(k);
            if (&cell != &grid.cellAt(s.startRow + k * s.stepRow, s.startColumn + k * s.stepColumn))
                faults << "light " << specText(s) << " cell " << k << " out of place; ";
            if (cell.indexIn(light) != k)
                faults << "light " << specText(s) << " cell " << k << " has index "
                       << cell.indexIn(light) << "; ";
        }
    }
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c) {
            const Cell& cell = grid.cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                faults << "cell misplaced; ";
            const Light* a = cell.lightA();
            const Light* b = cell.lightB();
            for (const Light* l : {a, b})
                if (l && !table.count(l))
                    faults << "cell (" << c << "," << r << ") names a lost light; ";
            if (a && b && (a == b || a->direction() == b->direction()))
                faults << "cell (" << c << "," << r << ") in two lights of one orientation; ";
        }
    return faults.str();
}

// True when every partner of every light (under the grid's own symmetry type and
// direction mode) is a light of the grid too, reading the way the symmetry turns it. A
// light that is its own partner read the other way ("Unnormalized" mode) counts as
// symmetrical: it cannot read both ways.
inline bool isSymmetric(const Grid& grid) {
    for (const Light* light : grid.lights()) {
        const LightSpec own = light->spec();
        for (const LightSpec& partner : grid.symmetryList(own))
            if (!(partner.normalised() == own.normalised()) && !grid.matchLight(partner))
                return false;
    }
    return true;
}

// True when the grid's shape is symmetrical: every partner of every light covers the
// cells of a light, whichever way either reads.
inline bool isShapeSymmetric(const Grid& grid) {
    for (const Light* light : grid.lights())
        for (const LightSpec& partner : grid.symmetryList(light->spec())) {
            const LightSpec p = partner.normalised();
            const Light* other =
                grid.lightOf(grid.cellAt(p.startRow, p.startColumn), p.direction());
            if (!other || !(other->spec().normalised() == p))
                return false;
        }
    return true;
}

}  // namespace tessaran::testing
