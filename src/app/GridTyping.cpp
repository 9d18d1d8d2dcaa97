#include "app/GridTyping.h"

#include <algorithm>

#include "app/GridNavigation.h"
#include "dictionary/Dictionary.h"
#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

std::optional<std::string> stored(std::string text) {
    while (!text.empty() && text.back() == '.')
        text.pop_back();
    if (text.empty())
        return std::nullopt;
    return text;
}

}  // namespace

bool isTypedCharacter(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte >= 0x20 || ch == kBackspace;
}

char displayCharacter(char ch, const Dictionary* dictionary) {
    if (!dictionary || !dictionary->isValid())
        return ch;
    const auto letter = dictionary->letterOf(static_cast<unsigned char>(ch));
    if (letter >= dictionary->alphabetSize())
        return ch;
    return dictionary->displayChar(letter);
}

LightTextEdit typeIntoLightText(const std::optional<std::string>& text, int positions, int caret,
                                char ch, bool overwrite) {
    LightTextEdit edit{text, caret, false};
    std::string t = text.value_or(std::string());
    const int length = static_cast<int>(t.size());
    if (ch == kBackspace) {
        if (caret <= 0)
            return edit;
        if (caret - 1 < length)
            t.erase(static_cast<size_t>(caret - 1), 1);
        edit.text = stored(t);
        edit.caret = caret - 1;
        edit.changed = true;
        return edit;
    }
    // The delete character is no letter; the Delete key has its own edit.
    if (ch == kDeleteCharacter || caret < 0 || caret >= positions)
        return edit;
    const char c = ch == ' ' ? '.' : ch;
    if (length < caret)
        t.resize(static_cast<size_t>(caret), '.');
    if (overwrite) {
        if (caret < static_cast<int>(t.size()))
            t[static_cast<size_t>(caret)] = c;
        else
            t.push_back(c);
    } else {
        t.insert(static_cast<size_t>(caret), 1, c);
        // What an insertion pushes past the last cell would be stored out of sight.
        const size_t limit = static_cast<size_t>(std::max(positions, length));
        if (t.size() > limit)
            t.resize(limit);
    }
    edit.text = stored(t);
    edit.caret = caret + 1;
    edit.changed = true;
    return edit;
}

LightTextEdit deleteInLightText(const std::optional<std::string>& text, int caret) {
    LightTextEdit edit{text, caret, false};
    if (!text || caret < 0 || caret >= static_cast<int>(text->size()))
        return edit;
    std::string t = *text;
    t.erase(static_cast<size_t>(caret), 1);
    edit.text = stored(t);
    edit.changed = true;
    return edit;
}

namespace {

void applyLightText(Grid& grid, Light& light, const LightTextEdit& edit) {
    grid.checkpoint();
    if (edit.text)
        light.setText(*edit.text);
    else
        light.clearText();
    grid.refresh();
}

}  // namespace

int typeIntoLight(Grid& grid, Light& light, int caret, char ch, bool overwrite) {
    const LightTextEdit edit =
        typeIntoLightText(light.text(), lightTextPositions(light), caret, ch, overwrite);
    if (!edit.changed)
        return caret;
    applyLightText(grid, light, edit);
    return edit.caret;
}

void deleteInLight(Grid& grid, Light& light, int caret) {
    const LightTextEdit edit = deleteInLightText(light.text(), caret);
    if (edit.changed)
        applyLightText(grid, light, edit);
}

void typeIntoCell(Grid& grid, Cell& cell, char ch, bool capsLock) {
    grid.checkpoint();
    const bool clearing = ch == kBackspace || ch == ' ' || ch == kDeleteCharacter;
    if (capsLock) {
        if (clearing)
            cell.clearText();
        else
            cell.setText(std::string(1, ch));
    } else {
        const char placed = clearing || ch == '.' ? '.' : ch;
        for (Light* light : {cell.lightA(), cell.lightB()})
            if (light)
                light->placeText(cell, std::string(1, placed));
        if (placed == '.')
            cell.setFilledLetter(kNoLetter);
    }
    grid.refresh();
}

}  // namespace tessaran
