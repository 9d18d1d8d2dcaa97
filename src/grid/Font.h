#pragma once
// Fonts in the model: FontSpec, the colour and LOGFONT fields of a grid, light or cell
// font, with its text form.

#include <cstdint>
#include <string>
#include <string_view>

#include "grid/Colour.h"

namespace tessaran {

// A font as the grid and the settings store it: a colour and the fields of a Windows
// logical font. Heights and widths are in twips when stored. The text form is 17
// comma-separated fields: red, green, blue, height, width, escapement, orientation,
// weight, italic, underline, strike-out, character set, output precision, clip precision,
// quality, pitch and family, face name.
struct FontSpec {
    static constexpr size_t kMaxFaceName = 32;

    Colour colour = 0;
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // at most kMaxFaceName characters, never a comma or line break

    bool operator==(const FontSpec&) const = default;

    // The 17-field text form. A face name is written without commas and line breaks, which
    // the form cannot carry.
    std::string toText() const;

    // Reads the text form: the colour as parseColour does, five integers, eight integers
    // kept in their low 8 bits, then the next field as the face name (truncated to
    // kMaxFaceName; empty when missing). Missing or non-numeric numbers read as 0.
    // Never fails.
    static FontSpec fromText(std::string_view text);

    // The program's built-in fonts before any settings are read.
    static FontSpec defaultNumberFont();  // "0,0,0,-132,0,0,0,400,0,0,0,0,1,2,1,34,Small Fonts"
    static FontSpec defaultTextFont();    // "0,0,0,-187,0,0,0,700,0,0,0,0,1,2,1,34,System"
};

}  // namespace tessaran
