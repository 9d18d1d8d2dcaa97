#pragma once
// Typing into the grid, without the window: characters into the selected light at its
// caret (inserting or overwriting), or into the selected cell (its own text with Caps
// Lock on, the texts of its lights with it off), backspace and Delete. Each edit takes
// an undo checkpoint first and ends with a refresh.

#include <optional>
#include <string>

namespace tessaran {

class Cell;
class Dictionary;
class Grid;
class Light;

inline constexpr char kBackspace = '\b';
inline constexpr char kDeleteCharacter = '\x7f';

// Whether a typed character is taken at all: control characters other than backspace
// are not.
bool isTypedCharacter(char ch);

// A typed letter of the dictionary's alphabet as the dictionary shows it (a lower-case
// letter becomes the capital that the dictionary displays); anything else as typed.
// dictionary may be null (no valid dictionary): the character stays as typed.
char displayCharacter(char ch, const Dictionary* dictionary);

// A light's text after typing ch at caret, and where the caret goes. The text is taken
// as it would be stored: "." for an unknown position, trailing "." dropped, empty meaning
// absent. positions is the number of text positions of the light.
struct LightTextEdit {
    std::optional<std::string> text;
    int caret = 0;
    bool changed = false;
};
// A space is stored as "."; backspace removes the character before the caret and moves
// the caret back (never below 0). Other characters are inserted at the caret (or replace
// the character there with overwrite) and move the caret on; nothing is typed on the
// position past the light's last one, and an insertion never pushes the text beyond the
// light's positions (a text already longer, from a file, keeps its length).
LightTextEdit typeIntoLightText(const std::optional<std::string>& text, int positions, int caret,
                                char ch, bool overwrite);
// The Delete key in a light: the character at the caret goes; the caret stays.
LightTextEdit deleteInLightText(const std::optional<std::string>& text, int caret);

// Typing ch (already shown as the dictionary shows it) into the selected light: a
// checkpoint, the edit, a refresh. Answers the new caret. Nothing happens, and no
// checkpoint is taken, when the edit changes nothing.
int typeIntoLight(Grid& grid, Light& light, int caret, char ch, bool overwrite);
// The Delete key with a light selected.
void deleteInLight(Grid& grid, Light& light, int caret);

// Typing ch into the selected cell. With Caps Lock on the cell's own text becomes ch
// (backspace, space and the delete character clear it). With it off ch goes into every
// light through the cell at the cell's position; backspace, space, "." and the delete
// character put "." there and take back the cell's provisional filled letter.
void typeIntoCell(Grid& grid, Cell& cell, char ch, bool capsLock);

}  // namespace tessaran
