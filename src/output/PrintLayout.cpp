#include "output/PrintLayout.h"

#include <cstdint>
#include <limits>

#include "output/RenderMetrics.h"
#include "output/ViewSettings.h"

namespace tessaran {

PrintAlignment printAlignmentFrom(int value) {
    switch (value) {
        case 1:
            return PrintAlignment::Centered;
        case 2:
            return PrintAlignment::Right;
        default:
            return PrintAlignment::Left;
    }
}

const char* printAlignmentName(PrintAlignment alignment) {
    switch (alignment) {
        case PrintAlignment::Centered:
            return "Centered";
        case PrintAlignment::Right:
            return "Right";
        case PrintAlignment::Left:
            break;
    }
    return "Left";
}

int printPageCount(int choices) {
    return ((choices & print_choice::Blank) ? 1 : 0) + ((choices & print_choice::Solution) ? 1 : 0);
}

PrintPage printPageContent(int choices, int page) {
    PrintPage content;
    if ((choices & print_choice::Blank) && page == 1) {
        content.blank = true;
        content.showNumbers = (choices & print_choice::BlankNumbers) != 0;
    } else {
        content.showText = true;
        content.showNumbers = (choices & print_choice::SolutionNumbers) != 0;
    }
    return content;
}

int printGridWidth(const ViewSettings& settings, int columns) {
    return computeRenderMetrics(settings, DeviceTechnology::Printer, ScreenScale{})
        .pictureWidth(columns);
}

int printableWidthTwips(int devicePixels, int pixelsPerInch) {
    if (pixelsPerInch <= 0)
        return 0;
    // 64 bits: a wide device at a high resolution overflows int before the division.
    return static_cast<int>(static_cast<std::int64_t>(devicePixels) * 1440 / pixelsPerInch);
}

namespace {

int clampedSum(std::int64_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    if (sum > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (sum < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(sum);
}

}  // namespace

PrintOrigin printOrigin(const PrintJob& job, int printableWidth) {
    const std::int64_t spare = static_cast<std::int64_t>(printableWidth) - job.gridWidth;
    std::int64_t shift = 0;
    if (job.alignment == PrintAlignment::Centered)
        shift = spare / 2;  // truncated toward zero, also when the grid is too wide
    else if (job.alignment == PrintAlignment::Right)
        shift = spare;
    return {clampedSum(shift, job.offsetX), job.offsetY};
}

std::string printFailureText(const std::string& title, const std::string& reason) {
    return "'" + title + "' not printed. " + reason + ".";
}

}  // namespace tessaran
