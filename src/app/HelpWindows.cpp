#include "app/HelpWindows.h"

#include "app/ResourcesWindows.h"
#include "batch/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace tessaran {

namespace {

constexpr std::array kContexts = {
    // the grid window, the system menu, then File, Edit, View, Grid, Light, Cell,
    // Filling and Help
    640, 3660, 3670, 4210, 3680, 3690, 3700, 3710, 3720, 3730,
    // File
    1640, 1650, 1670, 1680, 1660, 3780, 1630, 24310,
    // Edit
    4230, 4050, 4040, 4030, 4060,
    // View
    950, 60,
    // Grid
    1750, 880, 1740, 840, 1760, 101, 3750, 3740, 660,
    // Light
    1810, 1790, 1792, 1793, 1800, 870, 1820, 1791, 1780,
    // Cell
    1610, 40, 1600,
    // Filling
    1710, 4240, 1700, 1720, 1730, 1690,
    // Help
    3770, 3760, 1770};

QToolButton* makeButton(QWidget* parent, const char* name, const QString& text,
                        QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

QSet<QString> anchorsOf(const QTextDocument& document) {
    QSet<QString> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QString& name : block.charFormat().anchorNames())
            anchors.insert(name);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames())
                anchors.insert(name);
        }
    }
    return anchors;
}

}  // namespace

std::span<const int> helpContextNumbers() {
    return kContexts;
}

HelpWindows::HelpWindows(QWidget* parent) : QWidget(parent, Qt::Window) {
    // The manual shows the tool bar's icons from the resource.
    initResourcesWindows();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Tessaran Help"));

    m_back = makeButton(this, "helpBack", tr("&Back"), QStyle::SP_ArrowBack);
    m_forward = makeButton(this, "helpForward", tr("&Forward"), QStyle::SP_ArrowForward);
    m_contents = makeButton(this, "helpContents", tr("&Contents"), QStyle::SP_DirHomeIcon);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QToolButton::clicked, this, &HelpWindows::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);

    resize(720, 640);
    setManualFolder(findManualFolder(QCoreApplication::applicationDirPath()));
}

QStringList HelpWindows::manualFolders(const QString& programDir) {
    // The help/ folder of each place shipped data is looked for.
    QStringList folders;
    for (const std::filesystem::path& data :
         dataDirectories(QFile::encodeName(programDir).toStdString())) {
        const QDir dir(QFile::decodeName(QByteArray::fromStdString(data.string())));
        folders << QDir::cleanPath(dir.filePath(QStringLiteral("help")));
    }
    return folders;
}

QString HelpWindows::findManualFolder(const QString& programDir) {
    for (const QString& folder : manualFolders(programDir)) {
        if (QFileInfo(QDir(folder).filePath(QString::fromLatin1(kManualFile))).isFile())
            return folder;
    }
    return {};
}

void HelpWindows::setManualFolder(const QString& folder) {
    m_folder = folder;
    m_anchors.clear();
    m_browser->clearHistory();
    if (!folder.isEmpty())
        m_browser->setSearchPaths({folder});
    showContents();
    // The manual is shown now: note its anchors, so that a context can be checked
    // without leaving the page the reader is on.
    if (hasManual())
        m_anchors = anchorsOf(*m_browser->document());
}

bool HelpWindows::hasManual() const {
    return !m_folder.isEmpty() &&
           QFileInfo(QDir(m_folder).filePath(QString::fromLatin1(kManualFile))).isFile();
}

void HelpWindows::showContents() {
    openPage(QString::fromLatin1(kManualFile), {});
}

void HelpWindows::showContext(int context) {
    const QString anchor = anchorName(context);
    if (context == kHelpContentsContext || !hasAnchor(anchor)) {
        showContents();
        return;
    }
    openPage(QString::fromLatin1(kManualFile), anchor);
}

void HelpWindows::showHowToUseHelp() {
    // An incomplete copy of the manual may lack this page; its contents still help.
    const QString page = QString::fromLatin1(kUsingHelpFile);
    if (hasManual() && !QFileInfo(QDir(m_folder).filePath(page)).isFile()) {
        showContents();
        return;
    }
    openPage(page, {});
}

void HelpWindows::openPage(const QString& file, const QString& fragment) {
    if (!hasManual()) {
        showMissingManual();
        return;
    }
    QUrl url = QUrl::fromLocalFile(QDir(m_folder).filePath(file));
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    m_browser->setSource(url);
    if (fragment.isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
}

void HelpWindows::showMissingManual() {
    QString places;
    for (const QString& folder : manualFolders(QCoreApplication::applicationDirPath()))
        places += QStringLiteral("<li>%1</li>")
                      .arg(QDir(folder).filePath(QString::fromLatin1(kManualFile)).toHtmlEscaped());
    m_browser->setHtml(
        tr("<h2>The manual could not be found</h2>"
           "<p>Tessaran looks for its manual, <b>%1</b>, in these places:</p><ul>%2</ul>"
           "<p>Reinstalling Tessaran puts the manual back. The editor itself works without "
           "it.</p>")
            .arg(QString::fromLatin1(kManualFile), places));
}

bool HelpWindows::hasAnchor(const QString& name) const {
    return m_anchors.contains(name);
}

}  // namespace tessaran
