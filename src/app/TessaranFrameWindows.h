#pragma once
// The main window: the menu bar, accelerators, the vertical tool bar and the status bar
// built from the command table around the one grid window; help context tracking and
// F1; files dropped from the desktop; the title rule; the About box.

#include <QMainWindow>
#include <QString>

#include <functional>
#include <map>

class QLabel;
class QMenu;
class QToolBar;

namespace tessaran {

class GridViewWindows;

class TessaranFrameWindow : public QMainWindow {
    Q_OBJECT
public:
    // Help requests: a context number, or one of these.
    static constexpr int kHelpContents = 0;
    static constexpr int kHelpOnHelp = -1;

    explicit TessaranFrameWindow(GridViewWindows& gridView, QWidget* parent = nullptr);
    ~TessaranFrameWindow() override;

    GridViewWindows& gridView() { return m_gridView; }
    // The action of a command (objectName "command<number>"), or nullptr.
    QAction* commandAction(int number) const;
    QMenu* menu(int index) const;
    QToolBar* toolBar() const { return m_toolBar; }

    // Enables every action by the command table's rules and the registered handlers.
    void updateCommandStates();

    // Help: the current context (the highlighted menu or item), 0 when none.
    int helpContext() const { return m_helpContext; }
    // Who shows help: called with a context number, kHelpContents or kHelpOnHelp. Until
    // one is set the Help menu's help items are unavailable.
    void setHelpHandler(std::function<void(int context)> handler);
    // F1: help for the current context, or the no-menu context.
    void showContextHelp();
    // Help at a context, for the tool windows' Help buttons (nothing without a handler).
    void showHelp(int context) {
        if (m_help)
            m_help(context);
    }

    // Where the window's placement goes when the frame closes (maximised flag and the
    // normal geometry in screen pixels).
    void setPlacementStore(std::function<void(bool maximised, const QRect& geometry)> store) {
        m_storePlacement = std::move(store);
    }
    // Places the window as a stored placement says (geometry already checked on-screen).
    void applyPlacement(bool maximised, const QRect& geometry);

    void showAbout();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void updateIndicators();

    GridViewWindows& m_gridView;
    std::map<int, QAction*> m_actions;
    std::vector<QMenu*> m_menus;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_caps = nullptr;
    QLabel* m_num = nullptr;
    QLabel* m_ovr = nullptr;
    int m_helpContext = 0;
    QString m_gridStatus;  // the grid window's last status line: what is selected, or saved
    std::function<void(int)> m_help;
    std::function<void(bool, const QRect&)> m_storePlacement;
};

}  // namespace tessaran
