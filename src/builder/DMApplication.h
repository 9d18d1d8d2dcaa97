#pragma once
// lexiforge's window: the frame around the builder's dialog, and the application that
// shows it.

#include <QMainWindow>
#include <memory>

namespace tessaran {

class DMDialog;
class DMDialogs;

// The main window. It refuses to close while a build runs.
class DMFrame : public QMainWindow {
    Q_OBJECT

public:
    // `programDirectory` is where default.lxm and the manual are looked for.
    DMFrame(const QString& programDirectory, DMDialogs& dialogs);

    DMDialog* dialog() const { return m_dialog; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DMDialog* m_dialog;
};

class DMApplication {
public:
    static constexpr const char* kName = "Wyx&Tessaran Dictionary Builder V1.3";
    static constexpr const char* kFrameTitle = "Wyx&Tessaran Dictionary Builder V1.3 (32 bit)";

    // True when a window can be shown: a display is named, or Qt is told which
    // platform to use.
    static bool displayAvailable();
    // Shows the window and runs until it is closed; returns the exit status.
    static int run(int& argc, char** argv);
};

}  // namespace tessaran
