// Which grids a print job puts on which page, and where on the printable width.

#include <gtest/gtest.h>

#include <climits>

#include "output/PrintLayout.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

using namespace print_choice;

TEST(PrintLayout, PagesFollowTheChosenGrids) {
    EXPECT_EQ(printPageCount(Initial), 1);
    EXPECT_EQ(printPageCount(Blank | Solution), 2);
    EXPECT_EQ(printPageCount(BlankNumbers | SolutionNumbers), 0);

    // Both grids: the blank one first, with its own numbers switch.
    const int both = Blank | Solution | SolutionNumbers;
    const PrintPage first = printPageContent(both, 1);
    EXPECT_TRUE(first.blank);
    EXPECT_FALSE(first.showText);
    EXPECT_FALSE(first.showNumbers);
    const PrintPage second = printPageContent(both, 2);
    EXPECT_FALSE(second.blank);
    EXPECT_TRUE(second.showText);
    EXPECT_TRUE(second.showNumbers);

    // Only the blank grid, with numbers.
    const PrintPage blank = printPageContent(Blank | BlankNumbers, 1);
    EXPECT_TRUE(blank.blank && blank.showNumbers && !blank.showText);
    // Only the solution: page 1 is the solution, the blank numbers box does not matter.
    const PrintPage solution = printPageContent(Solution | BlankNumbers, 1);
    EXPECT_TRUE(solution.showText);
    EXPECT_FALSE(solution.showNumbers);
}

TEST(PrintLayout, AlignmentAndOffsetsPlaceTheGrid) {
    PrintJob job;
    job.gridWidth = 7000;
    const int printable = 10001;
    job.offsetX = 100;
    job.offsetY = 250;
    EXPECT_EQ(printOrigin(job, printable), (PrintOrigin{100, 250}));
    job.alignment = PrintAlignment::Centered;
    EXPECT_EQ(printOrigin(job, printable), (PrintOrigin{1500 + 100, 250}));
    job.alignment = PrintAlignment::Right;
    job.offsetX = -567;  // -1 cm moves left of the aligned position
    EXPECT_EQ(printOrigin(job, printable), (PrintOrigin{3001 - 567, 250}));

    // Too wide: centred gets a negative shift (truncated toward zero), clipped both sides.
    job.offsetX = 0;
    job.gridWidth = 10000 + 1001;
    job.alignment = PrintAlignment::Centered;
    EXPECT_EQ(printOrigin(job, 10000).x, -500);
    job.alignment = PrintAlignment::Right;
    EXPECT_EQ(printOrigin(job, 10000).x, -1001);

    // Extreme values saturate rather than wrap.
    job.offsetX = INT_MAX;
    job.gridWidth = 0;
    EXPECT_EQ(printOrigin(job, INT_MAX).x, INT_MAX);
}

TEST(PrintLayout, WidthsInTwips) {
    // A4 at 1200 dots per inch less 10 mm margins: 8.267 in - 0.787 in.
    EXPECT_EQ(printableWidthTwips(8976, 1200), 10771);
    // A wide device at a high resolution does not overflow on the way.
    EXPECT_EQ(printableWidthTwips(2'000'000, 2400), 1'200'000);
    EXPECT_EQ(printableWidthTwips(1000, 0), 0);

    ViewSettings settings;
    settings.dimension(DisplayDimension::CellWidth).setDefault(500);
    const int border = settings.value(DisplayDimension::BorderWidth);
    const int rule = settings.value(DisplayDimension::RuleWidth);
    EXPECT_EQ(printGridWidth(settings, 15), 2 * border + 15 * 500 - rule);
}

TEST(PrintLayout, NamesAndMessages) {
    EXPECT_EQ(printAlignmentFrom(1), PrintAlignment::Centered);
    EXPECT_EQ(printAlignmentFrom(3), PrintAlignment::Left);
    EXPECT_STREQ(printAlignmentName(PrintAlignment::Right), "Right");
    EXPECT_EQ(printFailureText("blocked15", "Printing canceled"),
              "'blocked15' not printed. Printing canceled.");
}

}  // namespace
}  // namespace tessaran
