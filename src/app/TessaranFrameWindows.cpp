#include "app/TessaranFrameWindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/EditorCommands.h"
#include "app/GridViewWindows.h"

namespace tessaran {
namespace {

const char* const kCommandProperty = "tessaranCommand";

// The tool bar's pictures, drawn for this program, in the /icons resource.
QString iconName(int number) {
    switch (number) {
        case command::New:
            return QStringLiteral("new");
        case command::Open:
            return QStringLiteral("open");
        case command::Save:
            return QStringLiteral("save");
        case command::SaveAs:
            return QStringLiteral("saveas");
        case command::Print:
            return QStringLiteral("print");
        case command::Export:
            return QStringLiteral("export");
        case command::Undo:
            return QStringLiteral("undo");
        case command::WordSearch:
            return QStringLiteral("wordsearch");
        case command::NormalFill:
            return QStringLiteral("normalfill");
        case command::UndoFill:
            return QStringLiteral("undofill");
        case command::CommitFill:
            return QStringLiteral("commitfill");
        default:
            return {};
    }
}

// The X11 and Wayland keyboard state masks: Lock and Mod2 (Num Lock).
constexpr quint32 kCapsLockMask = 0x02;
constexpr quint32 kNumLockMask = 0x10;

}  // namespace

TessaranFrameWindow::TessaranFrameWindow(GridViewWindows& gridView, QWidget* parent)
    : QMainWindow(parent), m_gridView(gridView) {
    setObjectName(QStringLiteral("TessaranMainWindow"));
    setWindowTitle(QStringLiteral("Tessaran"));
    if (QFile::exists(QStringLiteral(":/icons/gridsmith.svg")))
        setWindowIcon(QIcon(QStringLiteral(":/icons/gridsmith.svg")));
    setCentralWidget(gridView.makeScrollArea(this));
    setAcceptDrops(true);

    buildMenus();
    buildToolBar();
    buildStatusBar();

    gridView.setCommandHandler(command::Exit, [this] { close(); });
    gridView.setCommandHandler(command::About, [this] { showAbout(); });

    connect(&gridView, &GridViewWindows::titleChanged, this, &QWidget::setWindowTitle);
    connect(&gridView, &GridViewWindows::statusMessage, this, [this](const QString& text) {
        m_gridStatus = text;
        statusBar()->showMessage(text);
    });
    connect(&gridView, &GridViewWindows::gridModified, this,
            &TessaranFrameWindow::updateCommandStates);
    connect(&gridView, &GridViewWindows::selectionChanged, this,
            &TessaranFrameWindow::updateCommandStates);
    connect(&gridView, &GridViewWindows::overwriteModeChanged, this,
            &TessaranFrameWindow::updateIndicators);
    connect(&gridView, &GridViewWindows::lockKeysChanged, this,
            &TessaranFrameWindow::updateIndicators);
    // The title rule also follows the undo state, which changes without a refresh.
    connect(&gridView, &GridViewWindows::titleChanged, this,
            &TessaranFrameWindow::updateCommandStates);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setObjectName(QStringLiteral("helpShortcut"));
    help->setContext(Qt::ApplicationShortcut);
    connect(help, &QShortcut::activated, this, &TessaranFrameWindow::showContextHelp);

    // Lock keys are read from every key event the application sees.
    qApp->installEventFilter(this);

    // Two thirds of the screen's width and three quarters of its height until a stored
    // placement says otherwise.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(available.width() * 2 / 3, available.height() * 3 / 4);
    }
    updateCommandStates();
    gridView.setFocus();
}

TessaranFrameWindow::~TessaranFrameWindow() {
    qApp->removeEventFilter(this);
}

void TessaranFrameWindow::buildMenus() {
    for (int index = 0; index < kEditorMenuCount; ++index) {
        const auto menuId = static_cast<EditorMenu>(index);
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(editorMenuTitle(menuId)));
        menu->setObjectName(QStringLiteral("menu%1").arg(index));
        menu->setToolTipsVisible(false);
        menu->installEventFilter(this);
        m_menus.push_back(menu);
        const int context = editorMenuHelpContext(menuId);
        connect(menu, &QMenu::aboutToShow, this, [this, context] {
            updateCommandStates();
            m_helpContext = context;
        });
        connect(menu, &QMenu::aboutToHide, this, [this] { m_helpContext = 0; });
        connect(menu, &QMenu::hovered, this, [this](QAction* action) {
            const QVariant number = action->property(kCommandProperty);
            if (number.isValid())
                m_helpContext = number.toInt();
        });
    }
    for (const EditorCommand& c : editorCommands()) {
        QMenu* menu = m_menus[static_cast<size_t>(c.menu)];
        if (c.separatorBefore)
            menu->addSeparator();
        auto* action = new QAction(QString::fromLatin1(c.itemText), this);
        action->setObjectName(QStringLiteral("command%1").arg(c.number));
        action->setProperty(kCommandProperty, c.number);
        action->setStatusTip(QString::fromLatin1(c.hint));
        action->setToolTip(QString::fromStdString(plainItemText(c.itemText)));
        if (*c.accelerator)
            action->setShortcut(QKeySequence(QString::fromLatin1(c.accelerator)));
        if (c.number == command::Graticule)
            action->setCheckable(true);
        const int number = c.number;
        connect(action, &QAction::triggered, this, [this, number] {
            m_gridView.runCommand(number);
            updateCommandStates();
        });
        menu->addAction(action);
        addAction(action);  // accelerators work while no menu is open
        m_actions[c.number] = action;
    }
}

void TessaranFrameWindow::buildToolBar() {
    m_toolBar = new QToolBar(tr("Tools"), this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setOrientation(Qt::Vertical);
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    QFont gadgetFont = m_toolBar->font();
    gadgetFont.setPointSize(10);
    m_toolBar->setFont(gadgetFont);
    bool pictures = true;
    for (const int number : toolBarLayout()) {
        if (number == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_actions.at(number);
        const QString name = iconName(number);
        const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
        if (!name.isEmpty() && QFile::exists(path))
            action->setIcon(QIcon(path));
        else
            pictures = false;
        m_toolBar->addAction(action);
    }
    // Without the pictures the gadgets show their names rather than nothing.
    m_toolBar->setToolButtonStyle(pictures ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    addToolBar(Qt::LeftToolBarArea, m_toolBar);
}

void TessaranFrameWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    auto indicator = [this, bar](const char* name, const QString& text) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        // Room for the text whether it shows or not, so the bar never jumps.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
        bar->addPermanentWidget(label);
        return label;
    };
    m_caps = indicator("indicatorCaps", QStringLiteral("CAPS"));
    m_num = indicator("indicatorNum", QStringLiteral("NUM"));
    m_ovr = indicator("indicatorOvr", QStringLiteral("OVR"));
    updateIndicators();
}

void TessaranFrameWindow::updateIndicators() {
    m_caps->setText(m_gridView.capsLock() ? QStringLiteral("CAPS") : QString());
    m_num->setText(m_gridView.numLock() ? QStringLiteral("NUM") : QString());
    m_ovr->setText(m_gridView.overwriteMode() ? QStringLiteral("OVR") : QString());
}

QAction* TessaranFrameWindow::commandAction(int number) const {
    const auto found = m_actions.find(number);
    return found == m_actions.end() ? nullptr : found->second;
}

QMenu* TessaranFrameWindow::menu(int index) const {
    return index >= 0 && index < static_cast<int>(m_menus.size())
               ? m_menus[static_cast<size_t>(index)]
               : nullptr;
}

void TessaranFrameWindow::updateCommandStates() {
    for (const auto& [number, action] : m_actions)
        action->setEnabled(m_gridView.isCommandAvailable(number));
    if (QAction* graticule = commandAction(command::Graticule))
        graticule->setChecked(m_gridView.viewSettings().graticule);
}

void TessaranFrameWindow::setHelpHandler(std::function<void(int context)> handler) {
    m_help = std::move(handler);
    if (m_help) {
        m_gridView.setCommandHandler(command::HelpContents, [this] { m_help(kHelpContents); });
        m_gridView.setCommandHandler(command::HowToUseHelp, [this] { m_help(kHelpOnHelp); });
    } else {
        m_gridView.setCommandHandler(command::HelpContents, {});
        m_gridView.setCommandHandler(command::HowToUseHelp, {});
    }
    updateCommandStates();
}

void TessaranFrameWindow::showContextHelp() {
    const int context = m_helpContext != 0 ? m_helpContext : kNoMenuHelpContext;
    if (m_help)
        m_help(context);
}

void TessaranFrameWindow::applyPlacement(bool maximised, const QRect& geometry) {
    // The stored corner is the outer frame's, as move() takes it: placing the inner area
    // there instead would put the title bar above the screen at the default 0,0.
    if (geometry.isValid()) {
        move(geometry.topLeft());
        resize(geometry.size());
    }
    if (maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TessaranFrameWindow::showAbout() {
    QDialog about(this);
    about.setObjectName(QStringLiteral("aboutDialog"));
    about.setWindowTitle(tr("About Tessaran"));
    auto* icon = new QLabel(&about);
    const QIcon programIcon =
        windowIcon().isNull() ? style()->standardIcon(QStyle::SP_DesktopIcon) : windowIcon();
    icon->setPixmap(programIcon.pixmap(48, 48));
    auto* title = new QLabel(tr("Tessaran Crossword Grid Editor"), &about);
    title->setObjectName(QStringLiteral("aboutTitle"));
    auto* version = new QLabel(tr("Version %1").arg(QString::fromLatin1(editorVersion())), &about);
    version->setObjectName(QStringLiteral("aboutVersion"));
    auto* buttons = new QDialogButtonBox(&about);
    QPushButton* ok = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* layout = new QVBoxLayout(&about);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_gridView.runModal(about);
}

void TessaranFrameWindow::closeEvent(QCloseEvent* event) {
    if (!m_gridView.canClose()) {
        event->ignore();
        return;
    }
    if (m_storePlacement) {
        // The frame's corner, to match applyPlacement; the size is the inner area's.
        const QPoint frameOffset = frameGeometry().topLeft() - geometry().topLeft();
        m_storePlacement(isMaximized(), normalGeometry().translated(frameOffset));
    }
    event->accept();
}

void TessaranFrameWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
    event->ignore();
}

void TessaranFrameWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    if (const QMimeData* data = event->mimeData())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    activateWindow();
    m_gridView.dropFiles(paths);
    updateCommandStates();
}

bool TessaranFrameWindow::event(QEvent* event) {
    // A command's hint ends with an empty one (the pointer left the item, the menu
    // closed); the grid window's line comes back instead of a blank bar.
    if (event->type() == QEvent::StatusTip &&
        static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
        statusBar()->showMessage(m_gridStatus);
        return true;
    }
    return QMainWindow::event(event);
}

bool TessaranFrameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
            const quint32 state = key->nativeModifiers();
            m_gridView.setLockKeys((state & kCapsLockMask) != 0, (state & kNumLockMask) != 0);
        }
        // F1 inside an open menu asks for the highlighted item's help.
        if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_F1 &&
            qobject_cast<QMenu*>(watched)) {
            showContextHelp();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessaran
