#include "app/PrintWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"
#include "grid/Grid.h"
#include "output/GridRenderer.h"
#include "output/PainterSurfaceWindows.h"
#include "output/Units.h"
#include "output/ViewSettings.h"

namespace tessaran {

namespace {

constexpr int kTwipsPerInch = 1440;

QString printerDescription(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName().isEmpty()
                   ? QObject::tr("PDF file")
                   : QObject::tr("PDF file %1").arg(printer.outputFileName());
    return printer.printerName().isEmpty() ? QObject::tr("(no printer)") : printer.printerName();
}

}  // namespace

bool printGridWindows(QPrinter& printer, const Grid& grid, const ViewSettings& settings,
                      const PrintJob& job, const QString& title, QString* reason,
                      const std::function<bool()>& keepPrinting) {
    auto fail = [&](const char* why) {
        if (reason)
            *reason = QString::fromLatin1(why);
        return false;
    };
    const int pages = printPageCount(job.choices);
    if (pages == 0)
        return fail(kPrintReasonCanceled);
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return fail(kPrintReasonError);
    // An engine that cannot abort (PDF among them) hands what it was given to the file or
    // the spooler when the painter ends. A file from a job that did not complete is no print.
    const QString file =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    auto stop = [&](const char* why) {
        if (painter.isActive())
            painter.end();
        if (!file.isEmpty())
            QFile::remove(file);
        return fail(why);
    };
    // The painter's origin is the printable area's top-left corner.
    const int resolution = printer.resolution();
    const QRect printable = printer.pageLayout().paintRectPixels(resolution);
    const PrintOrigin origin = printOrigin(job, printableWidthTwips(printable.width(), resolution));
    for (int page = 1; page <= pages; ++page) {
        if (keepPrinting && !keepPrinting()) {
            printer.abort();
            return stop(kPrintReasonCanceled);
        }
        if (page > 1 && !printer.newPage())
            return stop(kPrintReasonError);
        const PrintPage content = printPageContent(job.choices, page);
        RenderOptions options;
        options.showText = content.showText;
        options.showNumbers = content.showNumbers;
        painter.save();
        painter.scale(double(resolution) / kTwipsPerInch, double(resolution) / kTwipsPerInch);
        painter.translate(origin.x, origin.y);
        {
            // Twips with y growing downward, as the vector exports draw.
            PainterSurfaceWindows surface(painter, DeviceTechnology::Metafile, kTwipsPerInch,
                                          kTwipsPerInch);
            GridRenderer(grid, settings).paint(surface, options);
        }
        painter.restore();
        if (printer.printerState() == QPrinter::Aborted)
            return stop(kPrintReasonCanceled);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return stop(kPrintReasonError);
    if (printer.printerState() == QPrinter::Aborted)
        return stop(kPrintReasonCanceled);
    return true;
}

QString printerAndPortWindows(const QPrinter& printer) {
    const QString format = QStringLiteral("%1 on %2");
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return format.arg(QObject::tr("PDF file"),
                          QDir::toNativeSeparators(printer.outputFileName()));
    // Qt reaches every system printer through CUPS and names no port of its own.
    return format.arg(printer.printerName(), QStringLiteral("CUPS"));
}

PrintingBoxWindows::PrintingBoxWindows(const QString& title, const QPrinter& printer,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PrintingBox"));
    setWindowTitle(tr("Printing"));
    // Events are let in between pages: only this box may take them.
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    auto line = [&](const QString& text, const char* name) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignHCenter);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    };
    line(tr("Now printing"), "nowPrinting");
    line(QStringLiteral("'%1' on the").arg(title), "document");
    line(printerAndPortWindows(printer), "printerAndPort");
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setDefault(true);
    layout->addSpacing(layout->spacing());
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_cancel, &QPushButton::clicked, this, &PrintingBoxWindows::reject);
}

bool PrintingBoxWindows::keepPrinting() {
    QCoreApplication::processEvents();
    return !m_cancelled;
}

void PrintingBoxWindows::reject() {
    m_cancelled = true;
    m_cancel->setEnabled(false);
}

PrintGridDialogWindows::PrintGridDialogWindows(GridViewWindows& view, QPrinter& printer,
                                               int choices, int gridWidth, QWidget* parent)
    : QDialog(parent), m_view(view), m_printer(printer), m_gridWidth(gridWidth) {
    setObjectName(QStringLiteral("PrintGridDialog"));
    setWindowTitle(tr("Print Grid"));
    const ViewSettings& settings = view.viewSettings();
    const UnitType unit = settings.unitType();
    const QString unitText = QString::fromLatin1(unitName(unit));

    m_printerName = new QLabel(printerDescription(printer), this);
    m_printerName->setObjectName(QStringLiteral("printerName"));

    m_alignment = new QComboBox(this);
    m_alignment->setObjectName(QStringLiteral("gridAlignment"));
    for (PrintAlignment a : {PrintAlignment::Left, PrintAlignment::Centered, PrintAlignment::Right})
        m_alignment->addItem(tr(printAlignmentName(a)));
    m_alignment->setCurrentIndex(
        static_cast<int>(printAlignmentFrom(settings.value(DisplayDimension::GridAlignment))));

    auto* form = new QFormLayout;
    form->addRow(tr("Printer:"), m_printerName);
    form->addRow(tr("Grid &Alignment:"), m_alignment);
    auto offsetRow = [&](const QString& caption, const char* name, DisplayDimension dimension,
                         QLineEdit*& edit) {
        edit =
            new QLineEdit(QString::fromStdString(showTwips(settings.value(dimension), unit)), this);
        edit->setObjectName(QString::fromLatin1(name));
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        auto* unitLabel = new QLabel(unitText, this);
        unitLabel->setObjectName(QString::fromLatin1(name) + QStringLiteral("Unit"));
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(unitLabel);
        form->addRow(label, row);
    };
    offsetRow(tr("Grid Offset &X:"), "gridOffsetX", DisplayDimension::GridOffsetX, m_offsetX);
    offsetRow(tr("Grid Offset &Y:"), "gridOffsetY", DisplayDimension::GridOffsetY, m_offsetY);

    auto group = [&](const QString& title, const char* name, QCheckBox*& print,
                     QCheckBox*& numbers) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QString::fromLatin1(name));
        print = new QCheckBox(tr("Print"), box);
        print->setObjectName(QString::fromLatin1(name) + QStringLiteral("Print"));
        numbers = new QCheckBox(tr("With Numbers"), box);
        numbers->setObjectName(QString::fromLatin1(name) + QStringLiteral("Numbers"));
        auto* layout = new QVBoxLayout(box);
        layout->addWidget(print);
        layout->addWidget(numbers);
        connect(print, &QCheckBox::toggled, this, &PrintGridDialogWindows::updateEnabling);
        return box;
    };
    auto* groups = new QHBoxLayout;
    groups->addWidget(group(tr("Blank Grid"), "blank", m_blank, m_blankNumbers));
    groups->addWidget(group(tr("Solution Grid"), "solution", m_solution, m_solutionNumbers));

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("printButtons"));
    m_print = buttons->addButton(tr("&Print..."), QDialogButtonBox::AcceptRole);
    m_print->setObjectName(QStringLiteral("print"));
    m_print->setDefault(true);
    QPushButton* setupButton = buttons->addButton(tr("&Setup..."), QDialogButtonBox::ActionRole);
    setupButton->setObjectName(QStringLiteral("setup"));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    // Print decides itself whether the dialog closes.
    disconnect(buttons, nullptr, this, nullptr);
    connect(m_print, &QPushButton::clicked, this, &PrintGridDialogWindows::print);
    connect(setupButton, &QPushButton::clicked, this, &PrintGridDialogWindows::setup);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(groups);
    layout->addWidget(buttons);

    m_blank->setChecked(choices & print_choice::Blank);
    m_blankNumbers->setChecked(choices & print_choice::BlankNumbers);
    m_solution->setChecked(choices & print_choice::Solution);
    m_solutionNumbers->setChecked(choices & print_choice::SolutionNumbers);
    updateEnabling();
}

int PrintGridDialogWindows::choices() const {
    return (m_blank->isChecked() ? print_choice::Blank : 0) |
           (m_blankNumbers->isChecked() ? print_choice::BlankNumbers : 0) |
           (m_solution->isChecked() ? print_choice::Solution : 0) |
           (m_solutionNumbers->isChecked() ? print_choice::SolutionNumbers : 0);
}

PrintJob PrintGridDialogWindows::job() const {
    const UnitType unit = m_view.viewSettings().unitType();
    PrintJob job;
    job.choices = choices();
    job.alignment = printAlignmentFrom(m_alignment->currentIndex());
    job.offsetX = readTwips(m_offsetX->text().toStdString(), unit);
    job.offsetY = readTwips(m_offsetY->text().toStdString(), unit);
    job.gridWidth = m_gridWidth;
    return job;
}

void PrintGridDialogWindows::updateEnabling() {
    m_blankNumbers->setEnabled(m_blank->isChecked());
    m_solutionNumbers->setEnabled(m_solution->isChecked());
    m_print->setEnabled(m_blank->isChecked() || m_solution->isChecked());
}

void PrintGridDialogWindows::setup() {
    runPrinterSetupWindows(m_view, m_printer);
    m_printerName->setText(printerDescription(m_printer));
}

void PrintGridDialogWindows::print() {
    const PrintJob printJob = job();
    if (printPageCount(printJob.choices) == 0)
        return;
    QPrintDialog printDialog(&m_printer, this);
    printDialog.setObjectName(QStringLiteral("PlatformPrintDialog"));
    printDialog.setMinMax(1, printPageCount(printJob.choices));
    if (m_view.runModal(printDialog) != QDialog::Accepted)
        return;  // not printed: the dialog stays open
    m_printerName->setText(printerDescription(m_printer));
    if (m_printer.outputFormat() == QPrinter::NativeFormat && m_printer.printerName().isEmpty()) {
        m_view.showMessage(tr("Print"), QString::fromLatin1(kNoDefaultPrinterMessage),
                           MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const std::string title = gridDisplayName(m_view.grid().fileName());
    QString reason;
    PrintingBoxWindows box(QString::fromStdString(title), m_printer, this);
    box.show();
    const bool printed = printGridWindows(m_printer, m_view.grid(), m_view.viewSettings(), printJob,
                                          QString::fromStdString(title), &reason,
                                          [&box] { return box.keepPrinting(); });
    box.hide();
    if (!printed) {
        m_view.showMessage(QString::fromLatin1(kPrintErrorCaption),
                           QString::fromStdString(printFailureText(title, reason.toStdString())),
                           MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    accept();
}

void runPrinterSetupWindows(GridViewWindows& view, QPrinter& printer) {
    // The page set-up dialog works on a system printer only; while the printer is a PDF
    // file (there is no system printer, or one was not chosen yet) the print dialog is the
    // place to choose the printer, the file and the paper.
    std::unique_ptr<QDialog> dialog;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        dialog = std::make_unique<QPageSetupDialog>(&printer, view.window());
    else
        dialog = std::make_unique<QPrintDialog>(&printer, view.window());
    dialog->setObjectName(QStringLiteral("PlatformPrinterSetupDialog"));
    dialog->setWindowTitle(QObject::tr("Printer Setup"));
    view.runModal(*dialog);
}

PrintCommandWindows::PrintCommandWindows(GridViewWindows& view)
    : m_view(view), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_view.setCommandHandler(command::Print, [this] { print(); });
    m_view.setCommandHandler(command::PrinterSetup, [this] { printerSetup(); });
}

PrintCommandWindows::~PrintCommandWindows() {
    m_view.setCommandHandler(command::Print, {});
    m_view.setCommandHandler(command::PrinterSetup, {});
}

void PrintCommandWindows::print() {
    if (!m_view.warnUncommitted())
        return;
    const int gridWidth = printGridWidth(m_view.viewSettings(), m_view.grid().columns());
    PrintGridDialogWindows dialog(m_view, *m_printer, m_choices, gridWidth, m_view.window());
    if (m_view.runModal(dialog) == QDialog::Accepted)
        m_choices = dialog.choices();
}

void PrintCommandWindows::printerSetup() {
    runPrinterSetupWindows(m_view, *m_printer);
}

}  // namespace tessaran
