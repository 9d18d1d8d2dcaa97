#include "builder/DMDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tessaran {
namespace {

QMessageBox::Icon messageIcon(DMDialogs::Icon icon) {
    return icon == DMDialogs::Icon::Information ? QMessageBox::Information : QMessageBox::Warning;
}

}  // namespace

void DMStandardDialogs::message(QWidget* parent, const QString& caption, const QString& text,
                                Icon icon) {
    QMessageBox box(messageIcon(icon), caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DMStandardDialogs::askYesNo(QWidget* parent, const QString& caption, const QString& text,
                                 Icon icon) {
    QMessageBox box(messageIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString DMStandardDialogs::chooseFile(QWidget* parent, const FileRequest& request) {
    QFileDialog chooser(parent, request.title, request.startName, request.filter);
    chooser.setDefaultSuffix(request.defaultSuffix);
    if (request.save) {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setFileMode(QFileDialog::AnyFile);
        // Start asks its own question before it overwrites a dictionary.
        chooser.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        chooser.setAcceptMode(QFileDialog::AcceptOpen);
        chooser.setFileMode(QFileDialog::ExistingFile);
    }
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return QString();
    return chooser.selectedFiles().constFirst();
}

}  // namespace tessaran
