#pragma once
// The builder's modal dialogs (message boxes and file choosers) behind one seam, so that
// tests answer them in advance and read back what was shown instead of blocking.

#include <QString>

class QWidget;

namespace tessaran {

class DMDialogs {
public:
    enum class Icon { Information, Exclamation };

    // A standard file chooser. `filter` is in Qt's form ("Name (*.ext);;All Files (*)").
    struct FileRequest {
        QString title;
        QString filter;
        QString defaultSuffix;  // without the dot
        QString startName;      // file or folder the chooser opens at; may be empty
        bool save = false;      // a save chooser; otherwise the file must exist
    };

    virtual ~DMDialogs() = default;

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& caption, const QString& text,
                         Icon icon) = 0;
    // A question with Yes and No buttons; true only for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text,
                          Icon icon) = 0;
    // The chosen file's path, or an empty string when the user cancelled.
    virtual QString chooseFile(QWidget* parent, const FileRequest& request) = 0;
};

// The real dialogs: QMessageBox and QFileDialog.
class DMStandardDialogs : public DMDialogs {
public:
    void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text, Icon icon) override;
    QString chooseFile(QWidget* parent, const FileRequest& request) override;
};

}  // namespace tessaran
