#pragma once
// What a print job puts on its pages and where: which grids are printed (a blank grid
// for solvers and the solution), with or without numbers, and where the grid's top-left
// corner lies on the printable area, in twips. The printer itself is the windowing
// layer's; everything it needs to decide is here.

#include <string>

namespace tessaran {

class ViewSettings;

// The print choices as a set of bits, kept by the editor between uses of Print.
namespace print_choice {
inline constexpr int Blank = 1;            // print the blank grid
inline constexpr int BlankNumbers = 2;     // the blank grid shows the numbers
inline constexpr int Solution = 4;         // print the solution grid
inline constexpr int SolutionNumbers = 8;  // the solution grid shows the numbers
// The first use: the solution with numbers; the blank grid's numbers box ready ticked.
inline constexpr int Initial = BlankNumbers | Solution | SolutionNumbers;
}  // namespace print_choice

// Horizontal placement on the printable width; the values stored under GridAlignment.
enum class PrintAlignment { Left = 0, Centered = 1, Right = 2 };
// The stored value as an alignment; anything unknown counts as Left.
PrintAlignment printAlignmentFrom(int value);
// "Left", "Centered", "Right".
const char* printAlignmentName(PrintAlignment alignment);

// One print job's placement: the dialog's alignment and offsets (which do not change the
// grid's own dimensions) and the grid's width.
struct PrintJob {
    int choices = print_choice::Initial;
    PrintAlignment alignment = PrintAlignment::Left;
    int offsetX = 0;  // twips, added to the alignment's position
    int offsetY = 0;  // twips below the top of the printable area
    int gridWidth = 0;
};

// What one page shows.
struct PrintPage {
    bool blank = false;  // the blank grid (no letters) rather than the solution
    bool showText = false;
    bool showNumbers = false;
};

// One page per chosen grid: 0, 1 or 2.
int printPageCount(int choices);
// Page 1 is the blank grid when it is chosen; any other page is the solution.
PrintPage printPageContent(int choices, int page);

// The grid's printed width in twips: borders and cells at their true size.
int printGridWidth(const ViewSettings& settings, int columns);
// The printable width in twips from the device's width in pixels and its resolution.
int printableWidthTwips(int devicePixels, int pixelsPerInch);
// Where the grid's top-left corner goes, in twips from the printable area's top-left
// corner. A grid wider than the printable width gets a negative shift when centred or
// right-aligned, and is clipped by the page.
struct PrintOrigin {
    int x = 0;
    int y = 0;
    bool operator==(const PrintOrigin&) const = default;
};
PrintOrigin printOrigin(const PrintJob& job, int printableWidth);

// The messages of a print that did not happen.
inline constexpr const char* kNoDefaultPrinterMessage = "Cannot print without a default printer.";
inline constexpr const char* kPrintErrorCaption = "Print Error";
inline constexpr const char* kPrintReasonCanceled = "Printing canceled";
inline constexpr const char* kPrintReasonError = "Error encountered during print";
inline constexpr const char* kPrintReasonDiskSpace = "Out of disk space";
// "'title' not printed. reason."
std::string printFailureText(const std::string& title, const std::string& reason);

}  // namespace tessaran
