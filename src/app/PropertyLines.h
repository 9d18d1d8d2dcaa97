#pragma once
// What Copy, Cut, Paste and Kill Word carry: a light's letters as shown, and the
// property lines of a light or cell in grid file syntax ("Number=12" CR LF, "Text=...",
// then the appearance lines), read back by Paste line by line.

#include <string>
#include <string_view>

namespace tessaran {

class Cell;
class Dictionary;
class GridView;
class Light;

// The light's letters as the grid shows them: for each cell its shown text, else the
// display character of its fixed or filled letter (through dictionary, when valid),
// else "."; at most 99 characters.
std::string lightLetters(const Light& light, const Dictionary* dictionary);

// The property lines of a light (Number, Text, then view's appearance lines) and of a
// cell (BlockHole, Text, Number to Number4, then view's appearance lines), each ending
// in CR LF.
std::string lightPropertyLines(const Light& light, GridView& view);
std::string cellPropertyLines(const Cell& cell, GridView& view);

// Applies every line of text that ends in a line feed (a CR before it is dropped) to the
// light or cell; lines that are not property lines are skipped. Answers how many lines
// were taken.
int pasteLightProperties(std::string_view text, Light& light, GridView& view);
int pasteCellProperties(std::string_view text, Cell& cell, GridView& view);

// text up to its first carriage return or line feed.
std::string_view firstLine(std::string_view text);

}  // namespace tessaran
