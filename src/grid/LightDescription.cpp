#include "grid/LightDescription.h"

#include "grid/Cell.h"
#include "grid/Light.h"

namespace tessaran {

std::string lightDescription(const Light& light) {
    const std::string direction = directionAbbreviation(light.direction());
    const std::string length = " (" + std::to_string(light.length()) + ")";
    const std::optional<std::string>& number = light.firstCell().shownNumber();
    if (number && !number->empty())
        return *number + direction + length;
    auto place = [](const Cell& cell) {
        return "(" + std::to_string(cell.row() + 1) + "," + std::to_string(cell.column() + 1) + ")";
    };
    return place(light.firstCell()) + "-" + place(light.lastCell()) + direction + length;
}

}  // namespace tessaran
