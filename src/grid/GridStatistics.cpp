#include "grid/GridStatistics.h"

#include <algorithm>
#include <cstdio>

#include "grid/Grid.h"
#include "grid/LightDescription.h"
#include "grid/UnchStatus.h"

namespace tessaran {

GridStatistics::GridStatistics(const Grid& grid) {
    auto set = [this](StatisticsField field, std::string text) {
        m_texts[static_cast<int>(field)] = std::move(text);
    };
    const LightStatistics lights = grid.lightStatistics();
    const CheckedCounts cells = grid.checkedCounts();
    set(StatisticsField::Columns, std::to_string(grid.columns()));
    set(StatisticsField::Rows, std::to_string(grid.rows()));
    set(StatisticsField::AcrossLights, std::to_string(lights.across));
    set(StatisticsField::DownLights, std::to_string(lights.down));
    set(StatisticsField::TotalLights, std::to_string(lights.lights));
    set(StatisticsField::UncheckedCells, std::to_string(cells.unchecked));
    set(StatisticsField::CheckedCells, std::to_string(cells.checked));
    set(StatisticsField::Checking, formatChecking(cells.unchecked, cells.checked));

    std::string consecutive;
    std::string over;
    std::string under;
    long long totalLength = 0;
    std::vector<int> lightsOfLength;
    for (const Light* light : grid.lights()) {
        const UnchStatus status = unchStatus(grid, *light);
        // A light breaking the run limit is listed there only.
        if (status.consecutiveExceeded)
            consecutive += lightDescription(*light) + ";";
        else if (status.level == UnchLevel::Overunched)
            over += lightDescription(*light) + ";";
        else if (status.level == UnchLevel::Underunched)
            under += lightDescription(*light) + ";";
        totalLength += light->length();
        if (static_cast<int>(lightsOfLength.size()) < light->length())
            lightsOfLength.resize(light->length());
        ++lightsOfLength[light->length() - 1];
    }
    set(StatisticsField::AverageLightLength, formatAverageLength(totalLength, lights.lights));
    set(StatisticsField::ConsecutivelyUnchedLights, std::move(consecutive));
    set(StatisticsField::OverunchedLights, std::move(over));
    set(StatisticsField::UnderunchedLights, std::move(under));
    set(StatisticsField::LightDistribution, formatDistribution(lightsOfLength));
}

const char* GridStatistics::label(StatisticsField field) {
    static constexpr const char* kLabels[kStatisticsFieldCount] = {
        "Columns:",
        "Rows:",
        "Across lights:",
        "Down lights:",
        "Total lights:",
        "Average light length:",
        "Unchecked cells:",
        "Checked cells:",
        "Checking:",
        "Consecutively Unched Lights",
        "Overunched Lights",
        "Underunched Lights",
        "Light distribution:",
    };
    return kLabels[static_cast<int>(field)];
}

std::string GridStatistics::formatAverageLength(long long totalLength, int lights) {
    if (lights <= 0)
        return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3g",
                  static_cast<double>(totalLength) / static_cast<double>(lights));
    return buffer;
}

std::string GridStatistics::formatChecking(int unchecked, int checked) {
    const long long positions = static_cast<long long>(unchecked) + 2LL * checked;
    if (unchecked + checked == 0 || positions == 0)
        return {};
    const long long percent = (200LL * checked + positions / 2) / positions;
    return std::to_string(percent) + "%";
}

std::string GridStatistics::formatDistribution(const std::vector<int>& lightsOfLength) {
    std::string text;
    for (size_t i = 0; i < lightsOfLength.size(); ++i) {
        const int n = lightsOfLength[i];
        if (n >= 1) {
            text.append(static_cast<size_t>(std::min(n, kMaxBars)), kBarCharacter);
            text += " (" + std::to_string(n) + "@" + std::to_string(i + 1) + ")";
        }
        text += '\n';
    }
    return text;
}

}  // namespace tessaran
