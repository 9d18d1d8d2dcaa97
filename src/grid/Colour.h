#pragma once
// Colours: 24-bit RGB in a 32-bit word, red in the low byte, and their text form
// "R,G,B" shared by the grid file's appearance lines and the settings file.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaran {

using Colour = std::uint32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xff);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xff);
}

// "%d,%d,%d" of red, green and blue.
std::string formatColour(Colour colour);

// Splits at commas (a run of commas is one separator) and reads each of the first three
// fields as a decimal integer, keeping its low 8 bits; a missing or non-numeric field
// reads as 0. Never fails.
Colour parseColour(std::string_view text);

}  // namespace tessaran
