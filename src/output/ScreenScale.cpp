#include "output/ScreenScale.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tessaran {

bool isOfferedZoom(int zoomPercent) {
    return zoomPercent == 100 || zoomPercent == 150 || zoomPercent == 75 || zoomPercent == 50;
}

int screenDivisor(int pixelsPerInch, int zoomPercent) {
    if (pixelsPerInch <= 0)
        pixelsPerInch = 96;
    if (zoomPercent <= 0)
        zoomPercent = 100;
    const int divisor = 1440 / pixelsPerInch * 100 / zoomPercent;
    return divisor < 1 ? 1 : divisor;
}

int scaleFontLength(int twips, int divisor) {
    if (divisor < 2)
        return twips;
    // In 64 bits: a font read from a file may carry any height, and adding half the
    // divisor must not overflow. The quotient always fits back.
    const std::int64_t half = divisor / 2;
    const std::int64_t value = twips;
    return static_cast<int>((value > 0 ? value + half : value - half) / divisor);
}

int unscaleFontLength(int pixels, int divisor) {
    if (divisor < 2)
        return pixels;
    const std::int64_t twips = static_cast<std::int64_t>(pixels) * divisor;
    return static_cast<int>(std::clamp<std::int64_t>(twips, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace tessaran
