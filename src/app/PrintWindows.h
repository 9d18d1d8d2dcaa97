#pragma once
// Printing: the "Print Grid" dialog (alignment, offsets in the unit of the dimensions,
// which grids to print and with or without numbers), the job that draws one page per
// grid through the renderer in twips on a QPrinter, the "Printing" box shown while the
// job runs, and the Print and Printer Setup commands, which keep the printer and the
// choices between uses.

#include <QDialog>
#include <QString>

#include <functional>
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
// with the reason ("Printing canceled", ...) when the job did not complete. keepPrinting,
// when given, is asked before each page (it may let events in); false cancels the job:
// the printer is aborted where it can be, no further page is drawn, and a file the job
// was writing is removed, so that a job reported as not printed leaves no pages behind.
bool printGridWindows(QPrinter& printer, const Grid& grid, const ViewSettings& settings,
                      const PrintJob& job, const QString& title, QString* reason = nullptr,
                      const std::function<bool()>& keepPrinting = {});

// The printer line of the "Printing" box: the printer and where its output goes (the
// file for a PDF, CUPS for a system printer).
QString printerAndPortWindows(const QPrinter& printer);

// The box shown while a job runs: "Now printing", the document, the printer and its port,
// and Cancel. Shown without a loop of its own, it blocks input to the other windows while
// the job lets events in between pages, so that only Cancel can be pressed meanwhile.
class PrintingBoxWindows : public QDialog {
    Q_OBJECT
public:
    PrintingBoxWindows(const QString& title, const QPrinter& printer, QWidget* parent = nullptr);

    // Paints the box and takes a press of Cancel; false once the job is to stop.
    bool keepPrinting();
    bool isCancelled() const { return m_cancelled; }

public slots:
    // Cancel, Escape and closing the box all cancel the job; the box stays until it ends.
    void reject() override;

private:
    QPushButton* m_cancel = nullptr;
    bool m_cancelled = false;
};

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
