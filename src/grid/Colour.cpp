#include "grid/Colour.h"

#include "grid/TextFields.h"

namespace tessaran {

std::string formatColour(Colour colour) {
    return std::to_string(redOf(colour)) + ',' + std::to_string(greenOf(colour)) + ',' +
           std::to_string(blueOf(colour));
}

Colour parseColour(std::string_view text) {
    const auto fields = splitFields(text, ',');
    int parts[3] = {0, 0, 0};
    for (size_t i = 0; i < 3 && i < fields.size(); ++i)
        parts[i] = leadingInt(fields[i]);
    return rgb(parts[0], parts[1], parts[2]);
}

}  // namespace tessaran
