#pragma once
// Scaling of twips to screen pixels. A raster display draws each length divided by
// a per-axis divisor that folds in the device resolution and the zoom percentage
// (GridDimension::scaled); metafiles and printers draw twips as they are (divisor 1).

namespace tessaran {

// Whether the view offers this zoom percentage (100, 150, 75 or 50).
bool isOfferedZoom(int zoomPercent);

// (1440 / pixelsPerInch) * 100 / zoomPercent in integer arithmetic, left to right:
// 15 at 96 dpi and 100 %, 10 at 150 %, 20 at 75 %, 30 at 50 %. A resolution or zoom
// of 0 or below cannot divide, so it is taken as 96 dpi or 100 %, and the result is
// never below 1.
int screenDivisor(int pixelsPerInch, int zoomPercent);

// A font height or width scaled for the screen: half the divisor is added away from
// zero before the truncating division (a height of 0 counts as negative).
int scaleFontLength(int twips, int divisor);

// A font length chosen on screen back in twips.
int unscaleFontLength(int pixels, int divisor);

// Per-axis divisors of one device.
struct ScreenScale {
    int horizontal = 1;
    int vertical = 1;

    static ScreenScale forScreen(int pixelsPerInchX, int pixelsPerInchY, int zoomPercent) {
        return {screenDivisor(pixelsPerInchX, zoomPercent),
                screenDivisor(pixelsPerInchY, zoomPercent)};
    }
};

}  // namespace tessaran
