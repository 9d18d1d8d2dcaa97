// Printing as a user meets it: the Print Grid dialog's boxes and their enabling, the
// choices kept only when printing went through, the "Printing" box and its Cancel, and
// real pages printed to PDF through the same job, read back with pdftoppm (skipped where
// it is not installed).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/EditorCommands.h"
#include "app/PrintWindows.h"
#include "output/PrintLayout.h"

namespace tessaran {
namespace {

constexpr double kMarginMm = 10.0;
constexpr double kPointsPerMm = 72.0 / 25.4;

template <typename T>
T* child(QDialog& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

struct PrintRequest {
    bool blank = false;
    bool solution = true;
    int alignment = 0;
    QString offsetX = QStringLiteral("0");
    QString offsetY = QStringLiteral("0");
};

// Ink found on one page rendered at 72 dots per inch (one pixel per point).
struct PageInk {
    int left = INT_MAX;
    int right = -1;
    int top = INT_MAX;
    long dark = 0;
    int width = 0;
};

PageInk inkOf(const QImage& page) {
    PageInk ink;
    ink.width = page.width();
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) {
                ++ink.dark;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
            }
    return ink;
}

class PrintCommand : public ::testing::Test {
protected:
    PrintCommand()
        : editor({QStringLiteral("gridsmith"),
                  QStringLiteral(TESSARAN_SOURCE_DIR "/tests/output/data/blocked15-letters.tgr")}) {
    }

    // The Print Grid dialog set as asked, then "Print...", with the platform dialog sending
    // the job to a PDF file on A4 with 10 mm margins. The dialog's result once the job
    // ended goes to *result.
    void queuePrint(const PrintRequest& request, const QString& pdf, int* result = nullptr) {
        editor.dialogs.dialogActions.push_back([request, result](QDialog& dialog) {
            child<QCheckBox>(dialog, "blankPrint")->setChecked(request.blank);
            child<QCheckBox>(dialog, "solutionPrint")->setChecked(request.solution);
            child<QComboBox>(dialog, "gridAlignment")->setCurrentIndex(request.alignment);
            child<QLineEdit>(dialog, "gridOffsetX")->setText(request.offsetX);
            child<QLineEdit>(dialog, "gridOffsetY")->setText(request.offsetY);
            child<QAbstractButton>(dialog, "print")->click();
            if (result)
                *result = dialog.result();
            return dialog.result();
        });
        editor.dialogs.dialogActions.push_back([pdf](QDialog& dialog) {
            QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPageSize(QPageSize(QPageSize::A4));
            printer->setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                    QPageLayout::Millimeter);
            return int(QDialog::Accepted);
        });
    }

    // The PDF's pages as images, or nothing when pdftoppm is missing.
    std::optional<std::vector<QImage>> pages(const QString& pdf) {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (tool.isEmpty())
            return std::nullopt;
        const QString prefix = editor.tempPath("page");
        QProcess process;
        process.start(tool, {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                             pdf, prefix});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0);
        std::vector<QImage> images;
        const QStringList files =
            QDir(editor.temp.path())
                .entryList({QStringLiteral("page-*.pgm")}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            images.emplace_back(QDir(editor.temp.path()).filePath(file));
        return images;
    }

    // The grid's printed width in points.
    double gridPoints() {
        return printGridWidth(editor.view().viewSettings(), editor.grid().columns()) / 20.0;
    }

    EditorFixture editor;
};

TEST_F(PrintCommand, BothGridsMakeTwoPagesBlankFirst) {
    const QString pdf = editor.tempPath("both.pdf");
    queuePrint({.blank = true, .solution = true}, pdf);
    editor.trigger(command::Print);
    EXPECT_TRUE(editor.dialogs.messages.empty()) << editor.dialogs.lastText().toStdString();
    // A copy to look at, when asked for.
    const QString keep = qEnvironmentVariable("TESSARAN_KEEP_PRINTS");
    if (!keep.isEmpty())
        QFile::copy(pdf, QDir(keep).filePath(QStringLiteral("both-grids.pdf")));
    const auto images = pages(pdf);
    if (!images)
        GTEST_SKIP() << "pdftoppm is not installed";
    ASSERT_EQ(images->size(), 2u);
    const QString folder = qEnvironmentVariable("TESSARAN_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        (*images)[1].save(folder + QStringLiteral("/printed-page.png"));
    const PageInk blank = inkOf((*images)[0]);
    const PageInk solution = inkOf((*images)[1]);
    // The same grid in the same place; only the solution carries letters.
    EXPECT_NEAR(blank.left, solution.left, 1);
    EXPECT_NEAR(blank.top, solution.top, 1);
    EXPECT_GT(solution.dark, blank.dark + 500);
    // Kept for the next use: both grids chosen.
    EXPECT_EQ(editor.dialogs.dialogTitles.front(), QStringLiteral("Print Grid"));
}

TEST_F(PrintCommand, OnlyTheSolutionPlacedLeftCentredAndRightWithOffsetsInMillimetres) {
    editor.view()
        .viewSettings()
        .dimension(DisplayDimension::UnitType)
        .setDefault(static_cast<int>(UnitType::Millimetres));
    struct Case {
        int alignment;
        const char* offsetX;
        double expectedLeft;  // points from the page's left edge
    };
    const double printable = (210.0 - 2 * kMarginMm) * kPointsPerMm;
    const double margin = kMarginMm * kPointsPerMm;
    const Case cases[] = {
        {0, "15", margin + 15 * kPointsPerMm},
        {1, "0", margin + (printable - gridPoints()) / 2},
        {2, "-5", margin + printable - gridPoints() - 5 * kPointsPerMm},
    };
    int run = 0;
    for (const Case& c : cases) {
        const QString pdf = editor.tempPath("solution") + QString::number(run++) + ".pdf";
        queuePrint({.alignment = c.alignment,
                    .offsetX = QString::fromLatin1(c.offsetX),
                    .offsetY = QStringLiteral("20")},
                   pdf);
        editor.trigger(command::Print);
        const auto images = pages(pdf);
        if (!images)
            GTEST_SKIP() << "pdftoppm is not installed";
        ASSERT_EQ(images->size(), 1u) << c.alignment;
        const PageInk ink = inkOf(images->front());
        EXPECT_NEAR(ink.left, c.expectedLeft, 1.5) << c.alignment;
        EXPECT_NEAR(ink.right - ink.left + 1, gridPoints(), 1.5) << c.alignment;
        EXPECT_NEAR(ink.top, margin + 20 * kPointsPerMm, 1.5) << c.alignment;
        QDir(editor.temp.path()).removeRecursively();  // the next case's pages alone
        QDir().mkpath(editor.temp.path());
    }
}

TEST_F(PrintCommand, BoxesEnableEachOtherAndChoicesAreKeptOnlyWhenPrinted) {
    // First use: the solution with numbers; the blank numbers box ticked but disabled.
    editor.dialogs.dialogActions.push_back([](QDialog& dialog) {
        EXPECT_EQ(child<QLabel>(dialog, "gridOffsetXUnit")->text(), QStringLiteral("Points"));
        checkLayout(dialog, "print-grid.png");
        EXPECT_FALSE(child<QCheckBox>(dialog, "blankPrint")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(dialog, "blankNumbers")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(dialog, "blankNumbers")->isEnabled());
        EXPECT_TRUE(child<QCheckBox>(dialog, "solutionNumbers")->isEnabled());
        child<QCheckBox>(dialog, "solutionPrint")->click();
        EXPECT_FALSE(child<QCheckBox>(dialog, "solutionNumbers")->isEnabled());
        EXPECT_FALSE(child<QAbstractButton>(dialog, "print")->isEnabled());
        child<QCheckBox>(dialog, "blankPrint")->click();
        EXPECT_TRUE(child<QAbstractButton>(dialog, "print")->isEnabled());
        EXPECT_TRUE(child<QCheckBox>(dialog, "blankNumbers")->isEnabled());
        child<QAbstractButton>(dialog, "print")->click();
        return dialog.result();
    });
    // The platform print dialog is cancelled: nothing printed, the dialog stays open.
    editor.dialogs.dialogActions.push_back([](QDialog&) { return int(QDialog::Rejected); });
    editor.trigger(command::Print);
    ASSERT_EQ(editor.dialogs.dialogTitles.size(), 2u);

    const QString pdf = editor.tempPath("blank.pdf");
    editor.dialogs.dialogActions.push_back([](QDialog& dialog) {
        // The choices were not kept from the cancelled print.
        EXPECT_FALSE(child<QCheckBox>(dialog, "blankPrint")->isChecked());
        return int(QDialog::Rejected);
    });
    editor.trigger(command::Print);

    queuePrint({.blank = true, .solution = false}, pdf);
    editor.trigger(command::Print);
    EXPECT_TRUE(QFile::exists(pdf));
    editor.dialogs.dialogActions.push_back([](QDialog& dialog) {
        EXPECT_TRUE(child<QCheckBox>(dialog, "blankPrint")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(dialog, "solutionPrint")->isChecked());
        return int(QDialog::Rejected);
    });
    editor.trigger(command::Print);
}

TEST_F(PrintCommand, AFailedJobIsReportedWithTheGridsName) {
    queuePrint({}, editor.tempPath("missing/folder/grid.pdf"));
    editor.trigger(command::Print);
    EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Print Error"));
    EXPECT_EQ(editor.dialogs.lastText(),
              QStringLiteral("'blocked15-letters' not printed. Error encountered during print."));
}

// Looks at the "Printing" box each time the job lets events in, and can press its Cancel.
class PrintingBoxWatch {
public:
    // Cancel is pressed at the cancelAt-th look (never when 0).
    explicit PrintingBoxWatch(int cancelAt = 0) : m_cancelAt(cancelAt) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start(0);
    }

    int looks = 0;
    bool blocksOtherWindows = false;
    // The caption, the three lines and the button, as first seen.
    QStringList texts;

private:
    static QWidget* box() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("PrintingBox") && window->isVisible())
                return window;
        return nullptr;
    }
    void look() {
        QWidget* shown = box();
        if (!shown)
            return;
        if (++looks == 1) {
            texts << shown->windowTitle();
            for (const char* name : {"nowPrinting", "document", "printerAndPort"})
                if (auto* label = shown->findChild<QLabel*>(QString::fromLatin1(name)))
                    texts << label->text();
            if (auto* cancel = shown->findChild<QAbstractButton*>(QStringLiteral("cancel")))
                texts << cancel->text();
            blocksOtherWindows = shown->windowModality() == Qt::ApplicationModal;
            if (m_cancelAt == 0)
                checkLayout(*shown, "printing.png");
        }
        if (looks == m_cancelAt)
            shown->findChild<QAbstractButton*>(QStringLiteral("cancel"))->click();
    }

    QTimer m_timer;
    int m_cancelAt;
};

TEST_F(PrintCommand, PrintingBoxNamesTheJobForItsWholeLength) {
    const QString pdf = editor.tempPath("blocked15-letters.pdf");
    queuePrint({.blank = true, .solution = true}, pdf);
    PrintingBoxWatch watch;
    editor.trigger(command::Print);
    EXPECT_TRUE(editor.dialogs.messages.empty()) << editor.dialogs.lastText().toStdString();
    // Seen before each of the two pages.
    EXPECT_GE(watch.looks, 2);
    EXPECT_EQ(watch.texts, (QStringList{"Printing", "Now printing", "'blocked15-letters' on the",
                                        "PDF file on " + QDir::toNativeSeparators(pdf), "Cancel"}));
    EXPECT_TRUE(watch.blocksOtherWindows);
    // Gone with the job.
    const int looks = watch.looks;
    QCoreApplication::processEvents();
    EXPECT_EQ(watch.looks, looks);
    const auto images = pages(pdf);
    if (!images)
        GTEST_SKIP() << "pdftoppm is not installed";
    EXPECT_EQ(images->size(), 2u);
}

TEST_F(PrintCommand, CancelInThePrintingBoxStopsTheJobAndChangesNothing) {
    const std::vector<Light*> lights = editor.grid().lights();
    ASSERT_FALSE(lights.empty());
    const std::optional<std::string> answer = lights.front()->text();
    // Before the first page, and between the two pages.
    for (int cancelAt : {1, 2}) {
        SCOPED_TRACE(cancelAt);
        const QString pdf = editor.tempPath("cancelled.pdf");
        int result = -1;
        queuePrint({.blank = true, .solution = true}, pdf, &result);
        {
            PrintingBoxWatch watch(cancelAt);
            editor.trigger(command::Print);
            EXPECT_EQ(watch.looks, cancelAt);  // no page after the press
        }
        EXPECT_EQ(editor.dialogs.lastCaption(), QStringLiteral("Print Error"));
        EXPECT_EQ(editor.dialogs.lastText(),
                  QStringLiteral("'blocked15-letters' not printed. Printing canceled."));
        // Not printed: no pages left behind, and the Print Grid dialog stays open.
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_NE(result, int(QDialog::Accepted));
        // The choices are the first use's still, and the grid is as it was.
        editor.dialogs.dialogActions.push_back([](QDialog& dialog) {
            EXPECT_FALSE(child<QCheckBox>(dialog, "blankPrint")->isChecked());
            EXPECT_TRUE(child<QCheckBox>(dialog, "solutionPrint")->isChecked());
            return int(QDialog::Rejected);
        });
        editor.trigger(command::Print);
        EXPECT_FALSE(editor.grid().isChanged());
        EXPECT_EQ(editor.grid().lights().front()->text(), answer);
        editor.dialogs.messages.clear();
    }
}

TEST_F(PrintCommand, PrinterSetupOpensThePlatformDialog) {
    ASSERT_TRUE(editor.view().isCommandAvailable(command::PrinterSetup));
    editor.trigger(command::PrinterSetup);
    ASSERT_EQ(editor.dialogs.dialogTitles.size(), 1u);
    EXPECT_EQ(editor.dialogs.dialogTitles.back(), QStringLiteral("Printer Setup"));
}

}  // namespace
}  // namespace tessaran
