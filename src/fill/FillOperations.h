#pragma once
// Operations on a provisional fill: committing filled words into the light texts, and
// discarding filled letters for the whole grid or one light. Each ends with a refresh of
// the grid (numbering, shown texts, fill states) so that the observer redraws.

namespace tessaran {

class Dictionary;
class Grid;
class Light;

// Every filled letter is dropped.
void undoFill(Grid& grid);
// Every provisionally filled light (fillState 2), in slot order, gets its displayed word
// as its text; then every filled letter is dropped.
void commitFill(Grid& grid, const Dictionary& dictionary);
// A provisionally filled light gets its displayed word as its text; any other light is
// left alone. The cells keep their filled letters, now hidden behind the text.
void commitLightFill(Grid& grid, Light& light, const Dictionary& dictionary);
// Drops the filled letters of the light's cells that no filled or complete crossing light
// shares; when every cell is shared that way, drops them all.
void undoLightFill(Grid& grid, Light& light);
// Clears the light's text and the filled letters of all its cells.
void clearLight(Grid& grid, Light& light);

}  // namespace tessaran
