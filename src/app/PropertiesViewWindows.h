#pragma once
// The property windows' shared machinery: the base of every modeless properties window
// (PropertiesViewWindows), the windows on the selected cell or light built on it
// (SelectionPropertiesViewWindows) and the controls they are built from (PVW...). The controls are
// plain widgets that report only what the user does, so loading a value into one never
// looks like a change; the dimension and resize dialogs use them as well.
//
// The override convention: the label of a setting is a check box (PVWCheckBox). For a
// grid setting it shows whether the grid overrides the program default; for a cell or a
// light, whether it has a value of its own. Ticking it makes the shown value the
// object's own, unticking it goes back to the inherited value, and changing the control
// ticks it.

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

#include "grid/Colour.h"
#include "grid/FileReplace.h"
#include "grid/Font.h"
#include "output/ScreenScale.h"

class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QGroupBox;

namespace tessaran {

class DialogsWindows;
class GridViewWindows;
class Settings;

// "Save As Defaults" for one group of settings (a member function of Settings such as
// Settings::saveView): writes the group, repaints the grid and tells the user when the
// settings file could not be written. Answers whether it was written.
bool saveAsDefaultsWindows(GridViewWindows& gridView, Settings& settings,
                           FileReplaceResult (Settings::*group)());

// The button row of a modal settings dialog: "&OK" (apply, then accept), "&Cancel",
// "&Apply", "&Save As Defaults" and "&Help", named ok, cancel, apply, saveAsDefaults and
// help. Help starts disabled (it needs a help handler); *help receives it.
QDialogButtonBox* settingsDialogButtonsWindows(QDialog& dialog, std::function<void()> apply,
                                               std::function<void()> saveAsDefaults,
                                               std::function<void()> showHelp, QPushButton** help);

// A setting's label that is also its override box. Emits toggledByUser only for a click
// (or the keyboard); setChecked from code emits nothing of its own.
class PVWCheckBox : public QCheckBox {
    Q_OBJECT
public:
    PVWCheckBox(const QString& label, QWidget* parent = nullptr);
    // Sets the tick without telling anyone.
    void setTicked(bool ticked);
signals:
    void toggledByUser(bool ticked);
};

// A drop-down of fixed texts in value order: item i stands for value i.
class PVWEnumeration : public QComboBox {
    Q_OBJECT
public:
    PVWEnumeration(const QStringList& texts, QWidget* parent = nullptr);
    int value() const { return currentIndex(); }
    // Shows the value's text; a value outside the list shows nothing chosen.
    void setValue(int value);
signals:
    void chosen(int value);
};

// A one-line edit of model text: at most maxLength characters, each one the model's
// Latin-1 can hold (others are not taken). Emits edited for each change
// the user types (not for setText), and finished when the user leaves it or presses Enter.
class PVWEdit : public QLineEdit {
    Q_OBJECT
public:
    PVWEdit(int maxLength, QWidget* parent = nullptr);
    // Replaces the text only when it differs, so that the caret stays where the user left
    // it when a window reloads what it has just applied.
    void showText(const QString& text);
signals:
    void edited(const QString& text);
    void finished();
};

// An edit with up and down arrows whose steps the owner interprets (a length in the
// chosen unit steps by a fixed number of twips, a count by one). Typing emits edited;
// each arrow click or key press emits stepped with +1 or -1 per step.
class PVWSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit PVWSpin(int maxLength, QWidget* parent = nullptr);
    QString text() const;
    void showText(const QString& text);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
signals:
    void edited(const QString& text);
    void stepped(int steps);
};

// A button that shows a colour; a click opens the colour chooser (through the dialog
// seam) on that colour and, when one is chosen, shows it and emits chosen.
class PVWColourButton : public QPushButton {
    Q_OBJECT
public:
    PVWColourButton(DialogsWindows& dialogs, QWidget* parent = nullptr);
    Colour colour() const { return m_colour; }
    void setColour(Colour colour);
    // Opens the chooser now (what a click does).
    void choose();
    QSize sizeHint() const override;
signals:
    void chosen(tessaran::Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DialogsWindows& m_dialogs;
    Colour m_colour = 0;
};

// A button that shows a sample of a font as the grid window draws it: the stored font is
// in twips, and the sample is scaled by the screen's divisors. A click opens the font
// chooser (face, size, style, effects and colour) on that font; the chosen font is
// converted back to twips and emitted.
class PVWFontButton : public QPushButton {
    Q_OBJECT
public:
    PVWFontButton(DialogsWindows& dialogs, QWidget* parent = nullptr);
    const FontSpec& font() const { return m_font; }
    void setFont(const FontSpec& font);
    // The divisors of the screen the sample stands for (the grid window's at its zoom).
    void setScale(ScreenScale scale);
    ScreenScale scale() const { return m_scale; }
    // Opens the chooser now (what a click does).
    void choose();
    QSize sizeHint() const override;
signals:
    void chosen(const tessaran::FontSpec& font);

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateSample();

    DialogsWindows& m_dialogs;
    FontSpec m_font;
    ScreenScale m_scale{15, 15};
};

// The chosen font in twips. base supplies the fields the chooser has no say in (width,
// escapement, orientation, character set, precisions, quality, pitch and family), and
// its face name is kept when the chooser returns the face that stands in for it.
FontSpec fontSpecFromChoice(const FontSpec& base, const QFont& chosen, const QColor& colour,
                            ScreenScale scale, int pixelsPerInchY);
// The font as the screen shows it: height and width scaled by the divisors.
QFont screenFontWindows(const FontSpec& font, ScreenScale scale, int pixelsPerInchY);

// The ten symmetry types as pictures drawn from the grid's own partner rules: a small
// square grid with one across and one down light shaded dark and their partners light.
class PVWSymmetry : public PVWEnumeration {
    Q_OBJECT
public:
    explicit PVWSymmetry(QWidget* parent = nullptr);
    static constexpr int kTypeCount = 10;
    // The picture of a symmetry type, size by size pixels.
    static QPixmap picture(int symmetryType, int size);
};

// A modeless properties window beside the grid. It loads its controls from the model
// whenever the grid or the selection changes, and applies each change as it is made.
// Subclasses build their controls in their constructor and implement load().
class PropertiesViewWindows : public QWidget {
    Q_OBJECT
public:
    PropertiesViewWindows(GridViewWindows& gridView, const QString& title,
                          QWidget* parent = nullptr);

    GridViewWindows& gridView() { return m_gridView; }
    // Shows the window (raised, loaded), as its menu command does.
    void showWindow();
    // Loads every control from the model; changes nothing.
    void reload();
    bool isLoading() const { return m_loading; }

protected:
    virtual void load() = 0;

    // Runs change on the model, after an undo checkpoint when the window takes them
    // (the grid, cell and light windows; not View Properties). Ignored while loading.
    // typing names the edit being typed into: successive keystrokes in one edit share
    // the checkpoint of the first, so that Undo takes back the whole entry, not its last
    // character.
    void applyChange(const std::function<void()>& change, const QObject* typing = nullptr);
    void setTakesCheckpoints(bool takes) { m_takesCheckpoints = takes; }
    // Ends a typing run (the edit was left): the next keystroke takes a checkpoint again,
    // and the edit shows the value as the model keeps it.
    void endTyping();
    // Whether edit is being typed into: load() leaves its text alone then, so that what
    // the model tidies away (trailing "." of a light text) does not vanish under the caret.
    bool isTyping(const QObject* edit) const { return edit && edit == m_typing; }

    // The screen divisors of the grid window at its zoom (for font samples).
    ScreenScale screenScale() const;

    // A two-column form: labels (check boxes or plain texts) left, controls right.
    QGridLayout* addForm(QWidget* parent);
    static void addRow(QGridLayout* form, QWidget* label, QWidget* control);
    static void addRow(QGridLayout* form, const QString& label, QWidget* control);
    // Gives the label columns of several forms one width, so that their controls line up.
    static void alignForms(std::initializer_list<QGridLayout*> forms);
    // A framed group with its own form and a "Save As Defaults" button at its foot.
    QGroupBox* addGroup(const QString& title, const QString& objectName, QGridLayout** form,
                        QPushButton** saveButton);

    // Names a control, so that tests and style sheets find it, and hands it back.
    template <typename Control>
    static Control* named(Control* control, const char* name) {
        control->setObjectName(QString::fromLatin1(name));
        return control;
    }

    // Text as the model keeps it (Latin-1) and as an edit shows it (none shows empty).
    static std::string modelText(const QString& text);
    static QString shownText(const std::optional<std::string>& text);

private:
    // Where a window first appears: beside the main window, not over the grid.
    void placeBesideOwner();

    GridViewWindows& m_gridView;
    bool m_placed = false;
    bool m_loading = false;
    bool m_applying = false;
    bool m_takesCheckpoints = true;
    const QObject* m_typing = nullptr;
};

// A properties window on the object selected in the grid (a cell or a light). Its controls
// sit on a page of their own, "content", that is emptied and greyed while nothing is
// selected: the window itself is enabled and disabled by the grid window around modal work.
// Every change goes to the selected object and the grid is refreshed after it.
//
// A subclass names what is selected, the title for it and how its values load, and binds
// each control to the object's setters with bind() and bindEdit().
class SelectionWindowsBase : public PropertiesViewWindows {
protected:
    SelectionWindowsBase(GridViewWindows& gridView, const QString& title, QWidget* parent);

    // The form on the page, for the subclass's rows.
    QGridLayout* form() const { return m_form; }
    // With nothing selected: the bare title and an empty, greyed page.
    void showNoSelection();
    void showSelection(const QString& title);
    // Runs change after a checkpoint (shared by the keystrokes of one entry in typing),
    // then refreshes the grid.
    void changeSelection(const std::function<void()>& change, const QObject* typing);

    // A box and its control loaded from a value the object may have of its own: ticked
    // when it has one, the control showing that or else what the object inherits. An
    // edit being typed into keeps its text.
    void showOwn(PVWCheckBox* box, PVWColourButton* button, const std::optional<Colour>& own,
                 Colour inherited);
    void showOwn(PVWCheckBox* box, PVWFontButton* button, const std::optional<FontSpec>& own,
                 const FontSpec& inherited);
    void showOwn(PVWCheckBox* box, PVWEdit* edit, const std::optional<std::string>& own,
                 const std::optional<std::string>& inherited);
    void showEdit(PVWEdit* edit, const std::optional<std::string>& text);

private:
    QString m_title;
    QWidget* m_page;
    QGridLayout* m_form;
};

template <typename Object>
class SelectionPropertiesViewWindows : public SelectionWindowsBase {
protected:
    using SelectionWindowsBase::SelectionWindowsBase;
    using SetText = std::function<void(Object&, const std::string&)>;
    using Clear = std::function<void(Object&)>;

    virtual Object* selected() = 0;
    virtual QString titleFor(const Object& object) const = 0;
    // Loads the controls from the selected object.
    virtual void loadFrom(const Object& object) = 0;

    void load() final {
        const Object* object = selected();
        if (!object) {
            showNoSelection();
            return;
        }
        showSelection(titleFor(*object));
        loadFrom(*object);
    }

    // Applies change to the selected object; nothing without one.
    void change(const std::function<void(Object&)>& change, const QObject* typing = nullptr) {
        if (Object* object = selected())
            changeSelection([&] { change(*object); }, typing);
    }

    // An override box and its colour button or font button: ticking the box makes the
    // shown value the object's own, clearing it goes back to the inherited one, and a
    // value chosen becomes the object's own.
    template <typename Value>
    void bind(PVWCheckBox* box, PVWColourButton* button, void (Object::*set)(Value),
              void (Object::*clear)()) {
        bindChooser(box, button, &PVWColourButton::colour, &PVWColourButton::chosen, set, clear);
    }
    template <typename Value>
    void bind(PVWCheckBox* box, PVWFontButton* button, void (Object::*set)(Value),
              void (Object::*clear)()) {
        bindChooser(box, button, &PVWFontButton::font, &PVWFontButton::chosen, set, clear);
    }

    // An edit whose every keystroke is applied, the whole entry one step for Undo.
    void bindEdit(PVWEdit* edit, SetText set) {
        connect(edit, &PVWEdit::edited, this, [this, edit, set](const QString& text) {
            change([&set, typed = modelText(text)](Object& object) { set(object, typed); }, edit);
        });
        connect(edit, &PVWEdit::finished, this, [this] { endTyping(); });
    }
    // The same with an override box: ticked, the shown text becomes the object's own (an
    // empty one included); cleared, the object goes back to what it inherits.
    void bindEdit(PVWCheckBox* box, PVWEdit* edit, SetText set, Clear clear) {
        bindEdit(edit, set);
        connect(box, &PVWCheckBox::toggledByUser, this, [this, edit, set, clear](bool ticked) {
            const std::string text = modelText(edit->text());
            change([&](Object& object) { ticked ? set(object, text) : clear(object); });
        });
    }

private:
    template <typename Button, typename Get, typename Chosen, typename Value>
    void bindChooser(PVWCheckBox* box, Button* button, Get get, Chosen chosen,
                     void (Object::*set)(Value), void (Object::*clear)()) {
        connect(
            box, &PVWCheckBox::toggledByUser, this, [this, button, get, set, clear](bool ticked) {
                const auto value = (button->*get)();
                change([&](Object& object) { ticked ? (object.*set)(value) : (object.*clear)(); });
            });
        connect(button, chosen, this, [this, set](Value value) {
            change([&](Object& object) { (object.*set)(value); });
        });
    }
};

}  // namespace tessaran
