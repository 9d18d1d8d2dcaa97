#pragma once
// Display units of the dimension edit controls. Every length is held in twips
// (1/1440 inch); these turn a length into the text a person reads and back.

#include <string>
#include <string_view>

namespace tessaran {

// The values are those stored under the UnitType key.
enum class UnitType {
    Points = 0,
    TenthsOfInches = 1,
    Inches = 2,
    Millimetres = 3,
    Centimetres = 4
};

// How many twips make one unit. A value outside the enumeration counts as Points.
double twipsPerUnit(UnitType unit);

// The unit's name as the dimension dialogs show it ("Points" ... "Centimetres").
const char* unitName(UnitType unit);

// The length in the unit, as "%.4g" prints it: 500 twips in Inches is "0.3472".
std::string showTwips(int twips, UnitType unit);

// Reads the first 31 characters of text as a number in the unit and rounds to twips
// (x * factor + 0.5, truncated toward zero). Text that is not a number reads as 0;
// the result saturates at the int range rather than overflowing.
int readTwips(std::string_view text, UnitType unit);

}  // namespace tessaran
