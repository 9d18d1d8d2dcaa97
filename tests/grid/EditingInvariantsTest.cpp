// Long runs of random edits on random grids, under every symmetry type, checking mode
// and direction mode. After every step the light table and the cells must agree, and a
// grid that was symmetrical must keep a symmetrical shape unless the edit itself cannot be made
// symmetrically (a light that overlaps one of its own partners).

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "EditingTestSupport.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

using testing::GridFixture;
using testing::isSymmetric;
using testing::specText;
using testing::structuralFaults;

bool shareACell(const LightSpec& a, const LightSpec& b) {
    const LightSpec x = a.normalised();
    const LightSpec y = b.normalised();
    return x.startColumn <= y.endColumn && y.startColumn <= x.endColumn && x.startRow <= y.endRow &&
           y.startRow <= x.endRow;
}

// Partners of one orientation that share cells without being the same light cannot all
// exist, so such an edit is allowed to leave the grid unsymmetrical.
bool partnersClash(const std::vector<LightSpec>& partners) {
    for (size_t i = 0; i < partners.size(); ++i)
        for (size_t j = i + 1; j < partners.size(); ++j)
            if (partners[i].direction() == partners[j].direction() &&
                !(partners[i] == partners[j]) && shareACell(partners[i], partners[j]))
                return true;
    return false;
}

std::string describe(const Grid& grid) {
    std::string text = std::to_string(grid.columns()) + "x" + std::to_string(grid.rows()) + "\n";
    for (const std::string& line : testing::picture(grid))
        text += line + "\n";
    for (const std::string& light : testing::lightList(grid))
        text += light + " ";
    return text + "\n";
}

class RandomEditor {
public:
    RandomEditor(Grid& grid, unsigned seed) : m_grid(grid), m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    LightSpec randomSpec() {
        const bool across = below(2) == 0;
        const int lineLength = across ? m_grid.columns() : m_grid.rows();
        const int line = below(across ? m_grid.rows() : m_grid.columns());
        int a = below(lineLength);
        int b = below(lineLength);
        if (a > b)
            std::swap(a, b);
        if (b == a && b + 1 < lineLength)
            ++b;  // mostly real lights
        LightSpec s =
            across ? LightSpec{a, line, b, line, 1, 0} : LightSpec{line, a, line, b, 0, 1};
        if (below(3) == 0) {  // read backwards (normalised away in "Normalized" mode)
            std::swap(s.startColumn, s.endColumn);
            std::swap(s.startRow, s.endRow);
            s.stepColumn = -s.stepColumn;
            s.stepRow = -s.stepRow;
        }
        return s;
    }

    Light* randomLight() {
        const std::vector<Light*> lights = m_grid.lights();
        return lights.empty() ? nullptr : lights[below(static_cast<int>(lights.size()))];
    }

    // Performs one random edit; describes it, and tells whether it can keep symmetry.
    std::string step(bool& symmetryPossible) {
        std::ostringstream what;
        symmetryPossible = true;
        const int choice = below(100);
        if (choice < 30) {
            const LightSpec s = randomSpec();
            what << "addLight " << specText(s);
            symmetryPossible = !partnersClash(m_grid.symmetryList(s));
            if (Light* made = m_grid.addLight(s); made && below(2) == 0)
                made->setText("ABC.E");
        } else if (choice < 45) {
            Light* light = randomLight();
            if (!light)
                return "nothing to move";
            LightSpec s = randomSpec();
            what << "moveLight " << specText(light->spec()) << " to " << specText(s);
            symmetryPossible = !partnersClash(m_grid.symmetryList(s));
            m_grid.moveLight(*light, s);
        } else if (choice < 50) {
            Light* light = randomLight();
            if (!light)
                return "nothing to reverse";
            const LightSpec s = light->spec();
            what << "reverseLight " << specText(s);
            symmetryPossible = !partnersClash(m_grid.symmetryList(
                {s.endColumn, s.endRow, s.startColumn, s.startRow, -s.stepColumn, -s.stepRow}));
            m_grid.reverseLight(*light);
        } else if (choice < 60) {
            Light* light = randomLight();
            if (!light)
                return "nothing to delete";
            what << "deleteLight " << specText(light->spec());
            m_grid.deleteLight(*light);
        } else if (choice < 85) {
            const int row = below(m_grid.rows());
            const int column = below(m_grid.columns());
            what << "toggleBlock (" << column << "," << row << ")";
            m_grid.toggleBlock(m_grid.cellAt(row, column));
        } else if (choice < 93) {
            const int columnDelta = below(5) - 2;
            const int rowDelta = below(5) - 2;
            const int columnPosition = below(m_grid.columns() + 1);
            const int rowPosition = below(m_grid.rows() + 1);
            what << "resize " << columnDelta << "@" << columnPosition << " " << rowDelta << "@"
                 << rowPosition;
            const bool wasSquare = m_grid.columns() == m_grid.rows();
            m_grid.resize(columnDelta, columnPosition, rowDelta, rowPosition);
            // A grid that becomes square (or stops being so) gains (or loses) the quarter
            // turns and diagonals of its type.
            const int type = m_grid.settingValue(GridSetting::Symmetry);
            const bool squareMatters =
                type == 2 || type == 4 || type == 6 || type == 7 || type == 9;
            if (squareMatters && wasSquare != (m_grid.columns() == m_grid.rows())) {
                symmetryPossible = false;
                return what.str();
            }
            // Lights that full checking makes in inserted lines read forwards, while their
            // partners in "Unnormalized" mode would read backwards.
            symmetryPossible = m_grid.settingValue(GridSetting::CheckingMode) == 0 ||
                               m_grid.settingValue(GridSetting::DirectionMode) == 0;
        } else if (choice < 97) {
            const bool rotate = below(2) == 0;
            what << (rotate ? "rotate" : "reflect");
            if (rotate)
                m_grid.rotate();
            else
                m_grid.reflect();
            // Mirror and single-diagonal types are not kept by turning the grid over.
            const int type = m_grid.settingValue(GridSetting::Symmetry);
            symmetryPossible = type <= 2 || type == 4 || type == 5 || type == 6;
        } else {
            const bool all = below(2) == 0;
            what << "restart " << all;
            m_grid.restart(all);
            // Unnormalized all-lights reads partner rows backwards; a middle row clashes.
            symmetryPossible = !all || m_grid.settingValue(GridSetting::DirectionMode) == 0;
        }
        return what.str();
    }

private:
    Grid& m_grid;
    std::mt19937 m_random;
};

TEST(EditingInvariants, RandomEditsKeepLightsAndCellsConsistentAndGridsSymmetrical) {
    constexpr int kGridsPerMode = 4;
    constexpr int kStepsPerGrid = 200;
    for (int symmetry = 0; symmetry <= 9; ++symmetry)
        for (int checking = 0; checking <= 1; ++checking)
            for (int direction = 0; direction <= 1; ++direction)
                for (int g = 0; g < kGridsPerMode; ++g) {
                    const unsigned seed = static_cast<unsigned>(
                        ((symmetry * 2 + checking) * 2 + direction) * 100 + g);
                    GridFixture f(1, 1);
                    std::mt19937 sizes(seed);
                    const int columns = 3 + static_cast<int>(sizes() % 11);
                    const int rows = g == 0 ? columns : 3 + static_cast<int>(sizes() % 11);
                    f.grid.newGrid(columns, rows, g != 2);
                    f.grid.setting(GridSetting::Symmetry).setOverride(symmetry);
                    f.grid.setting(GridSetting::CheckingMode).setOverride(checking);
                    f.grid.setting(GridSetting::DirectionMode).setOverride(direction);
                    RandomEditor edits(f.grid, seed);
                    for (int i = 0; i < kStepsPerGrid; ++i) {
                        const bool wasSymmetric = isSymmetric(f.grid);
                        const std::string before = describe(f.grid);
                        bool possible = true;
                        const std::string what = edits.step(possible);
                        const std::string context = "seed " + std::to_string(seed) + " step " +
                                                    std::to_string(i) + ": " + what;
                        ASSERT_EQ(structuralFaults(f.grid), "") << context;
                        if (wasSymmetric && possible) {
                            ASSERT_TRUE(testing::isShapeSymmetric(f.grid))
                                << context << "\nbefore:\n"
                                << before << "after:\n"
                                << describe(f.grid);
                        }
                    }
                }
}

}  // namespace
}  // namespace tessaran
