#include "app/DialogsWindows.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <array>

namespace tessaran {
namespace {

// The name goes in the chooser's name box, so that Enter alone keeps it.
void offerName(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Applied once per process: Qt keeps the custom colours for every colour dialog.
void installCustomColours() {
    static const bool installed = [] {
        for (int i = 0; i < DialogsWindows::kCustomColourCount; ++i)
            QColorDialog::setCustomColor(i, DialogsWindows::customColour(i));
        return true;
    }();
    (void)installed;
}

}  // namespace

void FileDialogRequest::startAt(const QString& path) {
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    folder = info.absolutePath();
    fileName = info.fileName();
}

DialogsWindows::~DialogsWindows() = default;

MessageAnswer DialogsWindows::message(QWidget* parent, const QString& caption, const QString& text,
                                      MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), caption, text, qtButtons(buttons), parent);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            // Closing the box with Esc or its title bar is Cancel (No when there is none).
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

std::optional<QString> DialogsWindows::openFileName(QWidget* parent,
                                                    const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.folder, qtFilter(request.filter));
    offerName(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> DialogsWindows::saveFileName(QWidget* parent,
                                                    const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.folder, qtFilter(request.filter));
    offerName(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
}

std::optional<QColor> DialogsWindows::chooseColour(QWidget* parent, const QColor& initial) {
    installCustomColours();
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<FontChoice> DialogsWindows::chooseFont(QWidget* parent, const FontChoice& initial) {
    // Qt's font chooser has no colour; a colour chooser follows it so that both are
    // chosen in one go, and cancelling either keeps the font as it was.
    QFontDialog fontDialog(initial.font, parent);
    if (fontDialog.exec() != QDialog::Accepted)
        return std::nullopt;
    FontChoice choice{fontDialog.selectedFont(), initial.colour};
    installCustomColours();
    QColorDialog colourDialog(initial.colour, parent);
    colourDialog.setWindowTitle(QObject::tr("Font Colour"));
    if (colourDialog.exec() != QDialog::Accepted)
        return std::nullopt;
    choice.colour = colourDialog.selectedColor();
    return choice;
}

int DialogsWindows::runDialog(QDialog& dialog) {
    return dialog.exec();
}

QString DialogsWindows::qtFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        // Qt reads the patterns from the name's parentheses; "*.*" there would hide files
        // without a dot, so it becomes "*".
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        const int open = name.lastIndexOf(QLatin1Char('('));
        if (open >= 0)
            name.truncate(open);
        filters << name.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString DialogsWindows::withDefaultExtension(const QString& name, const QString& extension) {
    if (extension.isEmpty() || name.isEmpty())
        return name;
    const QString fileName = QFileInfo(name).fileName();
    if (fileName.lastIndexOf(QLatin1Char('.')) > 0)
        return name;
    return name + QLatin1Char('.') + extension;
}

QColor DialogsWindows::customColour(int index) {
    static constexpr std::array<std::array<int, 3>, kCustomColourCount> kColours = {{
        {0, 0, 0},
        {255, 255, 255},
        {127, 127, 127},
        {192, 192, 192},
        {127, 0, 0},
        {0, 127, 0},
        {127, 127, 0},
        {0, 0, 127},
        {127, 0, 127},
        {0, 127, 127},
        {255, 0, 0},
        {0, 255, 0},
        {255, 255, 0},
        {0, 0, 255},
        {255, 0, 255},
        {0, 255, 255},
    }};
    if (index < 0 || index >= kCustomColourCount)
        return {};
    const auto& c = kColours[static_cast<size_t>(index)];
    return QColor(c[0], c[1], c[2]);
}

}  // namespace tessaran
