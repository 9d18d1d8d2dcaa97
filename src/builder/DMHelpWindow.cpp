#include "builder/DMHelpWindow.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tessaran {

DMHelpWindow::DMHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName("helpWindow");
    setWindowTitle("Wyx&Tessaran Dictionary Builder Help");
    // Closing the builder ends the program even while the manual is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser->setObjectName("helpBrowser");
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 100, metrics.height() * 40);
}

bool DMHelpWindow::showFile(const QString& fileName) {
    if (!QFileInfo(fileName).isReadable())
        return false;
    m_browser->setSource(QUrl::fromLocalFile(fileName));
    m_browser->scrollToAnchor(QString());
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace tessaran
