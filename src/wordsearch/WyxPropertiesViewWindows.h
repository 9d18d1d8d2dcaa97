#pragma once
// "Wyx Properties": the word search's length range, the two pattern expansions, the
// fonts of the pattern box and the matches, and sorting. OK hands the values to the
// window; "Save As Defaults" writes them to wyx.ini at once, leaving the dialog open.

#include <QDialog>

#include <string>

#include "wordsearch/WyxSettings.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tessaran {

class DialogsWindows;

class WyxPropertiesViewWindows : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 4310;
    // The samples on the font buttons: a pattern, and a word it matches.
    static constexpr const char* kPatternSample = ".l.ea.y";
    static constexpr const char* kMatchSample = "already";

    WyxPropertiesViewWindows(DialogsWindows& dialogs, const WyxSettings& settings,
                             std::string settingsPath, QWidget* parent = nullptr);

    // The values as the controls hold them now (lengths within the spins' range).
    WyxSettings settings() const;
    // "Save As Defaults": writes settings() to wyx.ini; false (after a message) when it
    // cannot be written.
    bool saveAsDefaults();

signals:
    void helpRequested(int context);

private:
    void chooseFont(FontSpec& font, QPushButton* button);
    void showFont(const FontSpec& font, QPushButton* button);

    DialogsWindows& m_dialogs;
    std::string m_settingsPath;
    FontSpec m_patternFont;
    FontSpec m_outputFont;
    QSpinBox* m_shortest;
    QSpinBox* m_longest;
    QLineEdit* m_at;
    QLineEdit* m_hash;
    QPushButton* m_patternFontButton;
    QPushButton* m_outputFontButton;
    QCheckBox* m_sorted;
};

// The chosen font in the word search's terms: the height as a negative pixel size at
// pixelsPerInch, the colour, weight, style and face from the choice, the rest from base.
FontSpec wyxFontFromChoice(const FontSpec& base, const QFont& font, const QColor& colour,
                           int pixelsPerInch);

}  // namespace tessaran
