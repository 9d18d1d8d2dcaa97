#pragma once

#include <array>
#include <string>
#include <vector>

namespace tessaran {

class Grid;

// The fields of the Grid Statistics window, in window order.
enum class StatisticsField {
    Columns,
    Rows,
    AcrossLights,
    DownLights,
    TotalLights,
    AverageLightLength,
    UncheckedCells,
    CheckedCells,
    Checking,
    ConsecutivelyUnchedLights,
    OverunchedLights,
    UnderunchedLights,
    LightDistribution,
};
inline constexpr int kStatisticsFieldCount = 13;

// Everything the Grid Statistics window shows, computed once from a grid as the exact
// texts of its fields. Light labels come from the shown numbers, so the grid should have
// been refreshed since its last change (every editing operation does so).
class GridStatistics {
public:
    // Character drawn as one bar of the light distribution by the window's font.
    static constexpr char kBarCharacter = '\x7f';
    // More lights of one length than this still draw this many bars.
    static constexpr int kMaxBars = 39;

    explicit GridStatistics(const Grid& grid);

    // The field's caption in the window, such as "Columns:".
    static const char* label(StatisticsField field);
    // The field's text: a number, a percentage, a list of light labels each followed by
    // ";", or the distribution's lines. Empty where the window shows nothing.
    const std::string& text(StatisticsField field) const {
        return m_texts[static_cast<int>(field)];
    }

    // "%.3g" of total / lights; empty without lights.
    static std::string formatAverageLength(long long totalLength, int lights);
    // The share of letter positions that are checked, rounded half up, as "%d%%"; empty
    // when no cell is in a light.
    static std::string formatChecking(int unchecked, int checked);
    // One line per length from 1 to the longest: up to kMaxBars bars and " (n@L)", or an
    // empty line for a length no light has. lightsOfLength[i] counts lights of length i + 1.
    static std::string formatDistribution(const std::vector<int>& lightsOfLength);

private:
    std::array<std::string, kStatisticsFieldCount> m_texts;
};

}  // namespace tessaran
