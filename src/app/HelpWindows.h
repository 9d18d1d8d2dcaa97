#pragma once
// The help window: the HTML manual in a browser with Back, Forward and Contents. Every
// help context number (a menu, a command, or 640 for the grid window itself) is an
// anchor "context-N" in the manual, so F1 and the Help menu open it at the right place.

#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <span>

class QTextBrowser;
class QToolButton;

namespace tessaran {

// The context shown when no menu is active: the manual's contents.
inline constexpr int kHelpContentsContext = 640;

// Every context number the editor asks for help with: the system menu, the eight menus
// in menu order, the grid window, and each command of the menus.
std::span<const int> helpContextNumbers();

class HelpWindows : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kManualFile = "tessaran.html";
    static constexpr const char* kUsingHelpFile = "using-help.html";

    // Looks for the manual beside the program (help/), else in the installed share
    // folder (../share/tessaran/help/).
    explicit HelpWindows(QWidget* parent = nullptr);

    // The folders searched for the manual, in order, for a program in programDir.
    static QStringList manualFolders(const QString& programDir);
    // The first of those folders that holds the manual, or an empty string.
    static QString findManualFolder(const QString& programDir);
    static QString anchorName(int context) { return QStringLiteral("context-%1").arg(context); }

    // Uses the manual in this folder instead (an empty folder: none found).
    void setManualFolder(const QString& folder);
    QString manualFolder() const { return m_folder; }
    bool hasManual() const;

    void showContents();
    // Opens the manual at the context's anchor; 640 and numbers without an anchor show
    // the contents.
    void showContext(int context);
    // A short page on moving about in this window.
    void showHowToUseHelp();

    // Whether the manual has this anchor (an element's id or a link target's name).
    bool hasAnchor(const QString& name) const;
    QTextBrowser* browser() const { return m_browser; }

private:
    void openPage(const QString& file, const QString& fragment);
    void showMissingManual();

    QString m_folder;
    QSet<QString> m_anchors;
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_contents = nullptr;
};

}  // namespace tessaran
