#include "fill/FillReport.h"

#include <cstdio>

#include "grid/Cell.h"
#include "grid/Light.h"
#include "grid/LightDescription.h"

namespace tessaran {
namespace {

std::string format(const char* pattern, long a, long b = 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}

// " [cell %d has %d characters]" for the first cell whose shown text is not one character.
std::string oddCellNote(const Light& light) {
    for (int p = 0; p < light.length(); ++p) {
        const auto& shown = light.cell(p).shownText();
        if (shown && shown->size() != 1)
            return format(" [cell %ld has %ld characters]", p + 1,
                          static_cast<long>(shown->size()));
    }
    return {};
}

}  // namespace

std::string failedLightDescription(const Light& light) {
    return lightDescription(light) + oddCellNote(light);
}

std::string fillResultText(int result, const Light* failedLight, long seconds) {
    if (result == 1)
        return format("Fill succeeded after %ld seconds", seconds);
    if (result == 0) {
        const std::string at = failedLight ? " at " + failedLightDescription(*failedLight) : "";
        return "Fill failed" + at + format(" after %ld seconds", seconds);
    }
    return format("Fill failed - dictionary invalid? after %ld seconds", seconds);
}

std::string oneShotFailureText(int result, const Light& light, const std::string& dictionaryName) {
    if (result == 2)
        return "Fill failed - dictionary " + dictionaryName + " invalid?";
    const std::string note = oddCellNote(light);
    if (!note.empty())
        return lightDescription(light) + note + " can't be filled";
    return "No word in the dictionary will fit into " + lightDescription(light);
}

}  // namespace tessaran
