#pragma once
// The builder's dialog: the user picks the alphabet mapping file, the word list and the
// dictionary file, sets the description, the length range, sorting and commonality, and
// presses Start. The build runs on this thread with the dialog as its monitor; each
// progress call pumps the event loop, so the window repaints and Abandon is heard.

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include "builder/AlphabetMapping.h"
#include "builder/DictionaryMaintainer.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tessaran {

class DMDialogs;
class DMHelpWindow;
class DMProgressBar;

class DMDialog : public QWidget, public DictionaryMaintainer {
    Q_OBJECT

public:
    enum class RunState { NotReady = 0, Ready = 1, Building = 2, AbandonRequested = 3 };

    // `programDirectory` is where default.lxm and the help are looked for; `dialogs`
    // shows the modal dialogs and must outlive the dialog.
    DMDialog(const QString& programDirectory, DMDialogs& dialogs, QWidget* parent = nullptr);
    ~DMDialog() override;

    RunState runState() const { return m_runState; }
    bool mappingLoaded() const { return m_mappingLoaded; }
    // False while a build runs, also after Abandon until the build has returned.
    bool canClose() const;

    // The file choosers' work once a name is chosen (the buttons call these).
    void loadMapping(const QString& fileName);
    void setWordList(const QString& fileName);
    void setOutputFile(const QString& fileName);

    // Opens the manual in the builder's help window; false (after saying so) when the
    // manual cannot be found.
    bool showHelp();
    // The manual's path beside the program or in the installed share folder; empty when
    // neither holds it.
    static QString helpFilePath(const QString& programDirectory);

    // DictionaryMaintainer
    bool progress(int percent) override;
    void message(std::string_view format, std::string_view argument) override;
    void error(std::string_view format, std::string_view argument) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseMapping();
    void chooseWordList();
    void chooseOutput();
    void startOrAbandon();
    void runBuild();
    void updateStart();
    void setEditing(bool enabled);
    void step(QLineEdit* edit, int delta, int lowest, int highest);
    QWidget* spinFor(QLineEdit* edit, const QString& name, int lowest, int highest);
    void showStatus(std::string_view format, std::string_view argument);

    QString m_programDirectory;
    DMDialogs& m_dialogs;
    AlphabetMapping m_mapping;
    bool m_mappingLoaded = false;
    RunState m_runState = RunState::NotReady;
    QElapsedTimer m_sincePump;  // since the build last pumped the event loop

    QLineEdit* m_mappingEdit = nullptr;
    QPushButton* m_mappingButton = nullptr;
    QLineEdit* m_wordListEdit = nullptr;
    QPushButton* m_wordListButton = nullptr;
    QLineEdit* m_outputEdit = nullptr;
    QPushButton* m_outputButton = nullptr;
    QLineEdit* m_descriptionEdit = nullptr;
    QLineEdit* m_minimumEdit = nullptr;
    QWidget* m_minimumSpin = nullptr;
    QLineEdit* m_maximumEdit = nullptr;
    QWidget* m_maximumSpin = nullptr;
    QCheckBox* m_sortCheck = nullptr;
    QLineEdit* m_commonalityEdit = nullptr;
    QWidget* m_commonalitySpin = nullptr;
    DMProgressBar* m_progressBar = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    QLabel* m_statusLine = nullptr;
    QPushButton* m_closeButton = nullptr;
    DMHelpWindow* m_helpWindow = nullptr;
};

}  // namespace tessaran
