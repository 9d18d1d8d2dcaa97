#pragma once
// A plain window that shows the builder's HTML manual.

#include <QWidget>

class QTextBrowser;

namespace tessaran {

class DMHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit DMHelpWindow(QWidget* parent = nullptr);

    // Shows `fileName` from its start; false when it cannot be read.
    bool showFile(const QString& fileName);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

}  // namespace tessaran
