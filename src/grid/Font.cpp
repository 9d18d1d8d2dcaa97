#include "grid/Font.h"

#include "grid/TextFields.h"

namespace tessaran {

std::string FontSpec::toText() const {
    std::string face;
    for (char c : faceName)
        if (c != ',' && c != '\r' && c != '\n')
            face += c;
    if (face.size() > kMaxFaceName)
        face.resize(kMaxFaceName);
    std::string text = formatColour(colour);
    for (int v : {height, width, escapement, orientation, weight, int(italic), int(underline),
                  int(strikeOut), int(charSet), int(outPrecision), int(clipPrecision), int(quality),
                  int(pitchAndFamily)})
        text += ',' + std::to_string(v);
    return text + ',' + face;
}

FontSpec FontSpec::fromText(std::string_view text) {
    const auto fields = splitFields(text, ',');
    auto number = [&](size_t i) { return i < fields.size() ? leadingInt(fields[i]) : 0; };
    auto byte = [&](size_t i) { return static_cast<std::uint8_t>(number(i) & 0xff); };
    FontSpec font;
    font.colour = rgb(number(0), number(1), number(2));
    font.height = number(3);
    font.width = number(4);
    font.escapement = number(5);
    font.orientation = number(6);
    font.weight = number(7);
    font.italic = byte(8);
    font.underline = byte(9);
    font.strikeOut = byte(10);
    font.charSet = byte(11);
    font.outPrecision = byte(12);
    font.clipPrecision = byte(13);
    font.quality = byte(14);
    font.pitchAndFamily = byte(15);
    if (fields.size() > 16) {
        std::string_view face = fields[16];
        face = face.substr(0, kMaxFaceName);
        for (char c : face)
            if (c != '\r' && c != '\n')
                font.faceName += c;
    }
    return font;
}

FontSpec FontSpec::defaultNumberFont() {
    return fromText("0,0,0,-132,0,0,0,400,0,0,0,0,1,2,1,34,Small Fonts");
}

FontSpec FontSpec::defaultTextFont() {
    return fromText("0,0,0,-187,0,0,0,700,0,0,0,0,1,2,1,34,System");
}

}  // namespace tessaran
