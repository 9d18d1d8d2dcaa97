#pragma once
// The three text forms of a grid, each built as one string of single-byte text with
// CR LF line ends. Only shown numbers and shown texts are used: letters of a fill that
// were never committed are not exported.

#include <string>

namespace tessaran {

class Grid;
class Light;

// The light's answer: each cell's whole shown text in reading order, "." for a cell
// without one, at most 99 characters.
std::string answerString(const Light& light);

// A drawing of the grid in text: each cell five characters wide and three lines high,
// numbers and letters of light cells in their fields, filled blocks as "####", holes
// blank and bars as "#".
std::string textGrid(const Grid& grid, bool includeNumbers, bool includeAnswers);

// "ACROSS", one "number<TAB>answer (length)" line per across light in the order of the
// lights' first cells, then "DOWN" and the down lights. The number is the one shown where
// the light is numbered.
std::string answerList(const Grid& grid);

// The tagged exchange text: "<ACROSS PUZZLE>", title, author, copyright, size, the grid
// (first letter of each light cell or "X", "." for a filled block, ":" for a hole) and
// the across and down answers.
std::string exchangeText(const Grid& grid);

}  // namespace tessaran
