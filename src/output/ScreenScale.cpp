#include "output/ScreenScale.h"

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
    const int half = divisor / 2;
    return (twips > 0 ? twips + half : twips - half) / divisor;
}

int unscaleFontLength(int pixels, int divisor) {
    return divisor < 2 ? pixels : pixels * divisor;
}

}  // namespace tessaran
