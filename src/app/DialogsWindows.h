#pragma once
// The one way the editor shows anything modal: message boxes, the file, colour and font
// choosers, and any dialog of its own. Windows call these instead of exec() or the
// static QMessageBox/QFileDialog functions, so that tests answer through a subclass
// (tests/app/ScriptedDialogsWindows.h) and never block.

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace tessaran {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Exclamation, Stop };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A file chooser's request. The filter is in the "Name (*.ext)|*.ext|All Files
// (*.*)|*.*" form of the command tables; qtFilter converts it.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;  // added to a name typed without one
    QString folder;            // where the chooser opens; empty: the working folder
    QString fileName;          // the name it offers, without a folder; may be empty

    // Opens in path's folder, offering its name (path need not exist yet).
    void startAt(const QString& path);
};

struct FontChoice {
    QFont font;
    QColor colour;
};

class DialogsWindows {
public:
    virtual ~DialogsWindows();

    virtual MessageAnswer message(QWidget* parent, const QString& caption, const QString& text,
                                  MessageButtons buttons, MessageIcon icon);
    // The name of an existing file, or nothing when cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request);
    // A name to write to (overwriting confirmed by the dialog), or nothing when cancelled.
    // A name without an extension gets the default one.
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request);
    // The colour chooser, opened on initial with the sixteen custom colours.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial);
    // The font chooser: face, size, style and effects, with the colour chosen alongside.
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial);
    // Runs a dialog of the application modally; answers QDialog::Accepted or Rejected.
    virtual int runDialog(QDialog& dialog);

    // "Grid Files (*.tgr)|*.tgr|All Files (*.*)|*.*" -> "Grid Files (*.tgr);;All Files (*)".
    static QString qtFilter(const QString& pipeFilter);
    // name with the default extension added when its file part has no extension.
    static QString withDefaultExtension(const QString& name, const QString& extension);
    // The colour chooser's custom colours, in order (black, white, greys, then the dark
    // and bright primaries and their mixtures).
    static QColor customColour(int index);
    static constexpr int kCustomColourCount = 16;
};

}  // namespace tessaran
