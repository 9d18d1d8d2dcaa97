#include "output/Units.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tessaran {

double twipsPerUnit(UnitType unit) {
    switch (unit) {
        case UnitType::TenthsOfInches:
            return 144.0;
        case UnitType::Inches:
            return 1440.0;
        case UnitType::Millimetres:
            return 1440.0 / 25.4;
        case UnitType::Centimetres:
            return 14400.0 / 25.4;
        case UnitType::Points:
            break;
    }
    return 20.0;
}

const char* unitName(UnitType unit) {
    switch (unit) {
        case UnitType::TenthsOfInches:
            return "10ths of Inches";
        case UnitType::Inches:
            return "Inches";
        case UnitType::Millimetres:
            return "Millimetres";
        case UnitType::Centimetres:
            return "Centimetres";
        case UnitType::Points:
            break;
    }
    return "Points";
}

std::string showTwips(int twips, UnitType unit) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4g", twips / twipsPerUnit(unit));
    return buffer;
}

int readTwips(std::string_view text, UnitType unit) {
    const std::string limited(text.substr(0, 31));
    const double x = std::strtod(limited.c_str(), nullptr);
    const double twips = std::trunc(x * twipsPerUnit(unit) + 0.5);
    // strtod accepts "inf" and "nan"; neither may reach an integer conversion.
    if (std::isnan(twips))
        return 0;
    if (twips >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (twips <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(twips);
}

}  // namespace tessaran
