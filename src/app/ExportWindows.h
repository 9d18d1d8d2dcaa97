#pragma once
// The Export command: the warning about uncommitted fill, the "Export" dialog with its
// data kinds, destinations and switches (kept between uses), the file chooser for the
// kind, and the delivery through the grid's output.

#include <QDialog>

#include <memory>

#include "app/GridOutputWindows.h"
#include "output/GridOutput.h"

class QCheckBox;
class QRadioButton;

namespace tessaran {

class GridViewWindows;

class ExportDialogWindows : public QDialog {
    Q_OBJECT
public:
    explicit ExportDialogWindows(const ExportChoices& choices, QWidget* parent = nullptr);

    ExportChoices choices() const;
    // The radio button of a kind or destination (objectNames "exportKind<N>",
    // "destinationClipboard", "destinationFile").
    QRadioButton* kindButton(ExportKind kind) const;
    QRadioButton* destinationButton(ExportDestination destination) const;
    QCheckBox* includeAnswersBox() const { return m_answers; }
    QCheckBox* includeNumbersBox() const { return m_numbers; }

private:
    void updateSwitches();

    QRadioButton* m_kinds[8] = {};
    QRadioButton* m_clipboard = nullptr;
    QRadioButton* m_file = nullptr;
    QCheckBox* m_answers = nullptr;
    QCheckBox* m_numbers = nullptr;
};

class ExportCommandWindows {
public:
    // Registers the Export command with the grid window and attaches the grid's output.
    explicit ExportCommandWindows(GridViewWindows& view);
    ~ExportCommandWindows();
    ExportCommandWindows(const ExportCommandWindows&) = delete;
    ExportCommandWindows& operator=(const ExportCommandWindows&) = delete;

    void run();
    const ExportChoices& choices() const { return m_choices; }
    GridOutputWindows& output() { return *m_output; }

private:
    GridViewWindows& m_view;
    std::unique_ptr<GridOutputWindows> m_output;
    ExportChoices m_choices;
};

}  // namespace tessaran
