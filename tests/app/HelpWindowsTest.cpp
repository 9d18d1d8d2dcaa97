// The help window on the offscreen platform: the manual answers every help context the
// editor can ask for, and the window finds it, scrolls to it and moves about in it.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QScrollBar>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>

#include "app/HelpWindows.h"
#include "app/ResourcesWindows.h"

namespace tessaran {
namespace {

class OffscreenWidgets : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[6] = "tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new OffscreenWidgets);

const QString kSourceManual = QStringLiteral(TESSARAN_SOURCE_DIR "/help");

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindowTest() {
        window.setManualFolder(kSourceManual);
        window.resize(700, 500);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QTextBrowser& browser() { return *window.browser(); }
    int scrolled() { return browser().verticalScrollBar()->value(); }
    QString fragment() { return browser().source().fragment(); }

    // Where the anchor's block starts in the document, in pixels from its top.
    int anchorTop(const QString& name) {
        QTextDocument* document = browser().document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().anchorNames().contains(name))
                    return static_cast<int>(
                        document->documentLayout()->blockBoundingRect(block).top());
            }
        }
        return -1;
    }

    void click(const char* button) {
        auto* found = window.findChild<QToolButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }

    HelpWindows window;
};

TEST_F(HelpWindowTest, EveryHelpContextHasItsAnchorAndLinksResolve) {
    ASSERT_TRUE(window.hasManual());
    for (int context : helpContextNumbers())
        EXPECT_TRUE(window.hasAnchor(HelpWindows::anchorName(context))) << context;

    // Links inside the manual (the contents, cross references) lead somewhere.
    QTextDocument* document = browser().document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (href.startsWith(QLatin1Char('#'))) {
                EXPECT_TRUE(window.hasAnchor(href.mid(1))) << href.toStdString();
            }
        }
    }
}

TEST_F(HelpWindowTest, ShowContextScrollsTheAnchorIntoView) {
    const int viewport = browser().viewport()->height();
    const int maximum = browser().verticalScrollBar()->maximum();
    ASSERT_GT(maximum, 0) << "the manual is longer than one screen";
    for (int context : helpContextNumbers()) {
        if (context == kHelpContentsContext)
            continue;
        window.showContext(context);
        const QString anchor = HelpWindows::anchorName(context);
        EXPECT_EQ(fragment(), anchor);
        const int top = anchorTop(anchor);
        ASSERT_GE(top, 0) << context;
        // The anchor's paragraph is on screen: at the top unless the end of the
        // manual stops the scrolling.
        EXPECT_LE(scrolled(), top) << context;
        EXPECT_LT(top - scrolled(), viewport) << context;
        if (top < maximum) {
            EXPECT_GT(scrolled() + 40, top) << context;
        }
    }
    window.showContext(1770);  // About, near the end
    EXPECT_GT(scrolled(), 0);
}

TEST_F(HelpWindowTest, GridWindowAndUnknownContextsShowTheContents) {
    for (int context : {kHelpContentsContext, 0, -1, 12345}) {
        window.showContext(1700);
        ASSERT_GT(scrolled(), 0);
        window.showContext(context);
        EXPECT_EQ(fragment(), QString()) << context;
        EXPECT_EQ(scrolled(), 0) << context;
        EXPECT_TRUE(browser().source().path().endsWith(QStringLiteral("/tessaran.html")));
    }
}

TEST_F(HelpWindowTest, BackForwardAndContentsWalkTheHistory) {
    window.showContext(4240);
    window.showHowToUseHelp();
    EXPECT_TRUE(browser().source().path().endsWith(QStringLiteral("/using-help.html")));
    EXPECT_FALSE(browser().toPlainText().isEmpty());

    click("helpBack");
    EXPECT_EQ(fragment(), HelpWindows::anchorName(4240));
    EXPECT_TRUE(window.findChild<QToolButton*>(QStringLiteral("helpForward"))->isEnabled());
    click("helpForward");
    EXPECT_TRUE(browser().source().path().endsWith(QStringLiteral("/using-help.html")));
    // A context opened from another page comes back to that page.
    window.showContext(1700);
    click("helpBack");
    EXPECT_TRUE(browser().source().path().endsWith(QStringLiteral("/using-help.html")));
    click("helpContents");
    EXPECT_TRUE(browser().source().path().endsWith(QStringLiteral("/tessaran.html")));
    EXPECT_EQ(scrolled(), 0);
}

TEST_F(HelpWindowTest, MissingManualIsReportedInTheWindow) {
    window.setManualFolder(QString());
    EXPECT_FALSE(window.hasManual());
    window.showContext(1700);
    window.showHowToUseHelp();
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("could not be found")));
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("tessaran.html")));
}

TEST(HelpManualLookup, BesideTheProgramFirstThenTheShareFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath(QStringLiteral("bin")));
    const QString program = top.filePath(QStringLiteral("bin"));
    EXPECT_EQ(HelpWindows::findManualFolder(program), QString());

    auto writeManual = [&](const QString& folder) {
        ASSERT_TRUE(top.mkpath(folder));
        QFile file(top.filePath(folder + QStringLiteral("/tessaran.html")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p id=\"context-640\">Contents</p></body></html>");
    };
    writeManual(QStringLiteral("share/tessaran/help"));
    EXPECT_EQ(HelpWindows::findManualFolder(program),
              QDir::cleanPath(top.filePath(QStringLiteral("share/tessaran/help"))));
    // A folder named like the manual is not the manual.
    ASSERT_TRUE(top.mkpath(QStringLiteral("bin/help/tessaran.html")));
    EXPECT_EQ(HelpWindows::findManualFolder(program),
              QDir::cleanPath(top.filePath(QStringLiteral("share/tessaran/help"))));
    ASSERT_TRUE(QDir(top.filePath(QStringLiteral("bin/help"))).removeRecursively());
    writeManual(QStringLiteral("bin/help"));
    EXPECT_EQ(HelpWindows::findManualFolder(program),
              QDir::cleanPath(top.filePath(QStringLiteral("bin/help"))));

    // A bare manual without the page on using help, or the command's paragraph: both
    // fall back to the contents.
    HelpWindows window;
    window.setManualFolder(HelpWindows::findManualFolder(program));
    window.showContext(1700);
    EXPECT_TRUE(window.browser()->source().path().endsWith(QStringLiteral("/tessaran.html")));
    EXPECT_EQ(window.browser()->source().fragment(), QString());
    window.showHowToUseHelp();
    EXPECT_TRUE(window.browser()->source().path().endsWith(QStringLiteral("/tessaran.html")));

    // The build puts the manual beside gridsmith.
    EXPECT_EQ(HelpWindows::findManualFolder(QStringLiteral(TESSARAN_BINARY_DIR "/src/app")),
              QStringLiteral(TESSARAN_BINARY_DIR "/src/app/help"));
}

TEST(ToolBarIcons, EveryIconLoadsFromTheResourceAtEachSize) {
    initResourcesWindows();
    initResourcesWindows();  // a second call is harmless
    for (const char* name :
         {"new", "open", "save", "saveas", "print", "export", "undo", "wordsearch", "normalfill",
          "undofill", "commitfill", "gridsmith", "lexiforge"}) {
        const QString path = QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name));
        QSvgRenderer renderer(path);
        EXPECT_TRUE(renderer.isValid()) << name;
        EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 24, 24)) << name;
        const QIcon icon(path);
        ASSERT_FALSE(icon.isNull()) << name;
        for (int size : {16, 24, 48}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_EQ(image.width(), size) << name;
            // Something is drawn: not every pixel is transparent.
            bool drawn = false;
            for (int y = 0; y < size && !drawn; ++y)
                for (int x = 0; x < size && !drawn; ++x)
                    drawn = qAlpha(image.pixel(x, y)) > 0;
            EXPECT_TRUE(drawn) << name << " at " << size;
        }
    }
}

}  // namespace
}  // namespace tessaran
