#pragma once
// The grid file (.tgr): a line-oriented text file, also the in-memory form of the undo
// snapshot.
//
// Lines end in CR LF when written; a lone LF also ends a line when read, and the first
// line is read as at most 254 characters (the rest of a longer one is the next line). A
// line is either a header, "[" keyword, one space, numbers separated by spaces, "]", or a
// property, keyword "=" value (the value runs to the end of the line). Keywords compare
// case-sensitively and must be followed exactly by the space or the "=", so "Number" never
// matches "Number2=...". Layout, in the order written:
//
//   [Tessaran 60]
//   [Grid COLUMNS ROWS]
//   grid properties, each only when overridden or present: BlockHole, NumbersOff,
//     CheckingType, SymmetryType, DirectionUnnormalised, NumbersTopLeft, Description,
//     Kill (one per kill-list word), UnchModel, NormalCommonality, UnchCommonality,
//     StartManual, FirstWordRandom, Dictionary; then the view's grid appearance lines
//   for each light in slot order: [Light A B E F] (start column and row, then the cell one
//     step beyond the last), Number, Text, then its appearance lines
//   for each cell with anything of its own, row by row: [Cell COLUMN ROW], BlockHole,
//     Text, Number, Number2, Number3, Number4, then its appearance lines
//
// Values are written as held: integers in decimal, texts unquoted. UnchModel holds
// maxConsecutive, then min and max of each entry from light length 1 up.

#include <iosfwd>
#include <string>
#include <string_view>

namespace tessaran {

class Grid;

// Result flags of reading (several may be set; 0 is success) and codes of writing.
enum GridFileResult : int {
    kGridFileOk = 0,
    kGridFileCannotOpen = 1,       // the file could not be opened (read or write)
    kGridFileNotGrid = 2,          // the first line is not the Tessaran header
    kGridFileWrongVersion = 4,     // the version is not 60
    kGridFileBadGridHeader = 8,    // the Grid header is missing, malformed or out of range
    kGridFileUndecipherable = 16,  // bad light or cell headers skipped, or a read error;
                                   // when writing: the write failed
    kGridFileUnrecognised = 32,    // unrecognised property lines skipped
};

class GridFile {
public:
    static constexpr int kVersion = 60;
    static constexpr int kKeywordCount = 23;
    // The keyword table; indices are fixed.
    static const char* const kKeywords[kKeywordCount];
    // The appearance keywords the grid window's view settings read and write: 0 to 17
    // integer display settings, 18 ForegroundColor, 19 BackgroundColor, 20 NumberFont,
    // 21 TextFont. Only 19 and 21 exist for lights and cells.
    static constexpr int kAppearanceKeywordCount = 22;
    static const char* const kAppearanceKeywords[kAppearanceKeywordCount];
    static constexpr int kForegroundColor = 18;
    static constexpr int kBackgroundColor = 19;
    static constexpr int kNumberFont = 20;
    static constexpr int kTextFont = 21;

    // Reads a grid from in into grid. Codes 2, 4 and 8 leave the grid untouched; otherwise
    // the grid is replaced (cleared first, the observer told gridCleared) by what could be
    // read, and 16 and/or 32 tell what was skipped. Light and cell appearance lines and
    // the grid's appearance lines go to the grid's observer (without one, lights and cells
    // still keep their colours and fonts, and grid appearance lines are unrecognised).
    // Kill lines go to the grid's kill list, and are unrecognised when it has none.
    // Does not refresh and does not touch the file name or undo state (Grid::readGrid
    // does).
    static int read(Grid& grid, std::istream& in);
    // read for the undo snapshot, the grid's own text: it may also describe a grid that
    // has no cells yet ([Grid 0 0]), which no file may.
    static int readSnapshot(Grid& grid, std::istream& in);

    // Writes the whole grid to out. Returns 0, or 16 when the stream reported an error.
    static int write(const Grid& grid, std::ostream& out);

    // Matches line against a keyword table in either line form. Returns the index of the
    // keyword, or -1, and sets value to what follows the space or "=" (for a header, the
    // closing "]" included).
    static int matchKeyword(std::string_view line, const char* const* keywords, int count,
                            std::string_view& value);

    // Writes "key=value" and the line end.
    static void writeProperty(std::ostream& out, std::string_view key, std::string_view value);

    // The text the editor shows for a read result: the message of the lowest flag set, or
    // an empty text for 0.
    static const char* readMessage(int result);
    // Whether the message of readMessage is information (the grid was read) rather than a
    // failure (the grid was left as it was).
    static bool readResultIsInformation(int result);
    static constexpr const char* kReadCaption = "Grid File Open Error";
    static constexpr const char* kWriteMessage = "Grid file couldn't be saved";
    static constexpr const char* kWriteCaption = "Grid File Save Error";
};

}  // namespace tessaran
