#pragma once
// Printing: the "Print Grid" dialog (alignment, offsets in the unit of the dimensions,
// which grids to print and with or without numbers), the job that draws one page per
// grid through the renderer in twips on a QPrinter, and the Print and Printer Setup
// commands, which keep the printer and the choices between uses.

#include <QDialog>
#include <QString>

#include <memory>

#include "output/PrintLayout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace tessaran {

class Grid;
class GridViewWindows;
class ViewSettings;

// Draws the job's pages on printer (already set up). title names the document; false
// with the reason ("Printing canceled", ...) when the job did not complete.
bool printGridWindows(QPrinter& printer, const Grid& grid, const ViewSettings& settings,
                      const PrintJob& job, const QString& title, QString* reason = nullptr);

class PrintGridDialogWindows : public QDialog {
    Q_OBJECT
public:
    // choices are the kept print choices; the grid's width is in twips.
    PrintGridDialogWindows(GridViewWindows& view, QPrinter& printer, int choices, int gridWidth,
                           QWidget* parent = nullptr);

    // The four boxes as print choice bits.
    int choices() const;
    // The job the dialog's controls describe.
    PrintJob job() const;

private:
    void updateEnabling();
    void setup();
    void print();

    GridViewWindows& m_view;
    QPrinter& m_printer;
    int m_gridWidth;
    QLabel* m_printerName = nullptr;
    QComboBox* m_alignment = nullptr;
    QLineEdit* m_offsetX = nullptr;
    QLineEdit* m_offsetY = nullptr;
    QCheckBox* m_blank = nullptr;
    QCheckBox* m_blankNumbers = nullptr;
    QCheckBox* m_solution = nullptr;
    QCheckBox* m_solutionNumbers = nullptr;
    QPushButton* m_print = nullptr;
};

class PrintCommandWindows {
public:
    // Registers Print and Printer Setup with the grid window.
    explicit PrintCommandWindows(GridViewWindows& view);
    ~PrintCommandWindows();
    PrintCommandWindows(const PrintCommandWindows&) = delete;
    PrintCommandWindows& operator=(const PrintCommandWindows&) = delete;

    void print();
    void printerSetup();
    int choices() const { return m_choices; }
    QPrinter& printer() { return *m_printer; }

private:
    GridViewWindows& m_view;
    std::unique_ptr<QPrinter> m_printer;
    int m_choices = print_choice::Initial;
};

// Opens the platform's page and printer set-up on printer through the dialog seam.
void runPrinterSetupWindows(GridViewWindows& view, QPrinter& printer);

}  // namespace tessaran
