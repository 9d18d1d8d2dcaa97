#include "builder/DMApplication.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "builder/DMDialog.h"
#include "builder/DMDialogs.h"

namespace tessaran {
namespace {

// The builder's icon: a dictionary's spine with the letters of a word.
QIcon builderIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(40, 70, 140));
    painter.drawRoundedRect(QRectF(4.5, 1.5, 23, 29), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8.5, 6.5, 15, 15));
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(8.5, 6.5, 15, 15), Qt::AlignCenter, "Lx");
    return QIcon(picture);
}

}  // namespace

DMFrame::DMFrame(const QString& programDirectory, DMDialogs& dialogs)
    : m_dialog(new DMDialog(programDirectory, dialogs, this)) {
    setObjectName("builderFrame");
    setWindowTitle(DMApplication::kFrameTitle);
    setWindowIcon(builderIcon());
    setCentralWidget(m_dialog);
}

void DMFrame::closeEvent(QCloseEvent* event) {
    if (m_dialog->canClose())
        event->accept();
    else
        event->ignore();
}

bool DMApplication::displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int DMApplication::run(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kName);
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.tessaran.lexiforge"));
    QApplication::setWindowIcon(builderIcon());
    DMStandardDialogs dialogs;
    DMFrame frame(QCoreApplication::applicationDirPath(), dialogs);
    frame.show();
    return application.exec();
}

}  // namespace tessaran
