#include "app/GridViewWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>

#include <climits>
#include <ctime>
#include <filesystem>

#include "app/EditorCommands.h"
#include "app/GridAspectRatioDialogWindows.h"
#include "app/PropertyLines.h"
#include "dictionary/Dictionary.h"
#include "fill/FillEngine.h"
#include "fill/FillMethod.h"
#include "fill/FillOperations.h"
#include "fill/FillReport.h"
#include "grid/GridFile.h"
#include "grid/LightDescription.h"
#include "output/PainterSurfaceWindows.h"

namespace tessaran {
namespace {

// The clipboard format of property lines: only this program writes it, so its presence
// says the lines came from a grid window.
const QString kPropertyLinesMime = QStringLiteral("application/x-tessaran-properties");

constexpr const char* kDefaultDictionaryName = "words.lxd";
constexpr const char* kGridFileFilter = "Grid Files (*.tgr)|*.tgr|All Files (*.*)|*.*";
constexpr const char* kGridFileExtension = "tgr";
constexpr const char* kUncommittedCaption = "Uncommitted filled lights";
constexpr const char* kUncommittedText =
    "There are filled lights that haven't been committed.\n"
    "These will not be printed, exported or saved to file.";
constexpr const char* kOneShotFailedCaption = "One-Shot Fill Failed";

// A redraw while a fill runs without a progress window: often enough to watch.
constexpr std::int64_t kFillRedrawMilliseconds = 100;

// The numbers of the commands this window carries out itself.
constexpr int kBuiltInCommands[] = {
    command::New,           command::Open,           command::Save,
    command::SaveAs,        command::Undo,           command::Cut,
    command::Copy,          command::Paste,          command::Graticule,
    command::Restart,       command::Reflect,        command::Rotate,
    command::OneShotFill,   command::LightUndoFill,  command::LightCommitFill,
    command::DeleteLight,   command::KillWord,       command::ReverseLight,
    command::ClearLight,    command::ClearAllLights, command::Block,
    command::ClearAllCells, command::NormalFill,     command::UnchFill,
    command::UndoFill,      command::CommitFill,
};

// FNV-1a over the bytes that decide a cell's look.
class Digest {
public:
    void add(std::string_view bytes) {
        for (const char ch : bytes)
            addByte(static_cast<unsigned char>(ch));
        addByte(0xff);
    }
    void add(std::uint64_t value) {
        for (int i = 0; i < 8; ++i)
            addByte(static_cast<unsigned char>(value >> (8 * i)));
    }
    void add(const std::optional<std::string>& text) {
        if (text)
            add(std::string_view(*text));
        else
            addByte(0xfe);
    }
    void add(const std::optional<Colour>& colour) { add(colour ? *colour + 1ull : 0ull); }
    void add(const std::optional<FontSpec>& font) {
        if (font)
            add(std::string_view(font->toText()));
        else
            addByte(0xfd);
    }
    std::uint64_t value() const { return m_hash; }

private:
    void addByte(unsigned char byte) {
        m_hash ^= byte;
        m_hash *= 1099511628211ull;
    }
    std::uint64_t m_hash = 1469598103934665603ull;
};

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString displayPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Saves and restores the selection across an undo, which rebuilds every cell and light.
struct SelectionPlace {
    std::optional<std::pair<int, int>> cell;  // row, column
    std::optional<LightSpec> light;
    int caret = 0;
};

}  // namespace

GridViewWindows::GridViewWindows(DialogsWindows& dialogs, std::string iniPath, QWidget* parent)
    : QWidget(parent),
      m_dialogs(dialogs),
      m_renderer(m_grid, m_viewSettings),
      m_settings(std::make_unique<Settings>(m_grid, m_viewSettings, std::move(iniPath))) {
    setObjectName(QStringLiteral("gridView"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the idle cursor shows what a press would grab
    m_grid.setObserver(this);
    m_grid.setKillList(&m_killList);
    m_grid.setDefaultDictionary(m_settings->resolveDictionary(kDefaultDictionaryName));
    const QTime now = QTime::currentTime();
    m_random.setSeed(FillRandom::seedFromClock(now.minute(), now.second()));
    updateTitle();
}

GridViewWindows::~GridViewWindows() {
    // The grid outlives this object's own part; it must not call back into it.
    m_grid.setObserver(nullptr);
}

QScrollArea* GridViewWindows::makeScrollArea(QWidget* parent) {
    if (!m_scrollArea) {
        m_scrollArea = new QScrollArea(parent);
        m_scrollArea->setObjectName(QStringLiteral("gridScrollArea"));
        m_scrollArea->setWidgetResizable(true);
        m_scrollArea->setFrameShape(QFrame::NoFrame);
        m_scrollArea->setWidget(this);
        m_scrollArea->setFocusProxy(this);
    }
    return m_scrollArea;
}

SettingsLoadResult GridViewWindows::start(const std::vector<std::string>& arguments,
                                          ScreenSize screen) {
    const SettingsLoadResult result = m_settings->load(arguments, screen);
    viewChanged();
    updateTitle();
    return result;
}

// ---- Selection ----

void GridViewWindows::selectLight(Light* light, int caret) {
    const Light* oldLight = m_selectedLight;
    const Cell* oldCell = m_selectedCell;
    m_selectedCell = nullptr;
    m_selectedLight = light;
    m_caret = 0;
    if (light)
        setCaret(caret);
    updateSelectionArea(oldLight, oldCell);
    updateSelectionArea(m_selectedLight, nullptr);
    emit statusMessage(light ? lightStatus(*light) : QString());
    emit selectionChanged();
}

void GridViewWindows::selectCell(Cell* cell) {
    const Light* oldLight = m_selectedLight;
    const Cell* oldCell = m_selectedCell;
    m_selectedLight = nullptr;
    m_selectedCell = cell;
    m_caret = 0;
    updateSelectionArea(oldLight, oldCell);
    updateSelectionArea(nullptr, m_selectedCell);
    emit statusMessage(
        cell ? QStringLiteral("Cell: row %1, col %2").arg(cell->row() + 1).arg(cell->column() + 1)
             : QString());
    emit selectionChanged();
}

void GridViewWindows::clearSelection() {
    if (m_selectedLight || m_selectedCell)
        selectLight(nullptr);
}

void GridViewWindows::setCaret(int caret) {
    if (!m_selectedLight)
        return;
    int positions = 0;
    for (const Cell* cell : m_selectedLight->cells())
        positions += cell->textLength();
    const int clamped = std::clamp(caret, 0, positions);
    if (clamped != m_caret) {
        m_caret = clamped;
        updateSelectionArea(m_selectedLight, nullptr);
    }
}

void GridViewWindows::setOverwriteMode(bool overwrite) {
    if (overwrite == m_overwrite)
        return;
    m_overwrite = overwrite;
    emit overwriteModeChanged(overwrite);
}

void GridViewWindows::setLockKeys(bool capsLock, bool numLock) {
    if (capsLock == m_capsLock && numLock == m_numLock)
        return;
    m_capsLock = capsLock;
    m_numLock = numLock;
    emit lockKeysChanged(capsLock, numLock);
}

QString GridViewWindows::lightStatus(const Light& light) const {
    return QStringLiteral("Light: ") + QString::fromLatin1(lightDescription(light));
}

// ---- Geometry ----

RenderMetrics GridViewWindows::metrics() const {
    return computeRenderMetrics(
        m_viewSettings, DeviceTechnology::RasterDisplay,
        ScreenScale::forScreen(logicalDpiX(), logicalDpiY(), m_viewSettings.zoomPercent()));
}

QPoint GridViewWindows::gridOrigin() const {
    const RenderMetrics m = metrics();
    return {m.borderWidth + m.margin, m.borderHeight + m.margin};
}

std::optional<std::pair<int, int>> GridViewWindows::cellAt(const QPoint& point) const {
    const RenderMetrics m = metrics();
    const QPoint p = point - gridOrigin();
    if (p.x() < 0 || p.y() < 0 || m.cellWidth <= 0 || m.cellHeight <= 0)
        return std::nullopt;
    const int column = p.x() / m.cellWidth;
    const int row = p.y() / m.cellHeight;
    if (!m_grid.contains(row, column))
        return std::nullopt;
    return std::make_pair(row, column);
}

QRect GridViewWindows::cellRect(const Cell& cell) const {
    const RenderMetrics m = metrics();
    const QPoint origin = gridOrigin();
    return {origin.x() + cell.column() * m.cellWidth, origin.y() + cell.row() * m.cellHeight,
            m.cellWidth, m.cellHeight};
}

QRect GridViewWindows::lightRect(const Light& light) const {
    return boxRect(m_renderer.lightBox(light, metrics()));
}

QRect GridViewWindows::boxRect(const DeviceRect& box) const {
    return QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
}

QSize GridViewWindows::sizeHint() const {
    const RenderMetrics m = metrics();
    return {m.pictureWidth(m_grid.columns()) + 2 * m.margin,
            m.pictureHeight(m_grid.rows()) + 2 * m.margin};
}

void GridViewWindows::relayout() {
    setMinimumSize(sizeHint());
    updateGeometry();
}

// ---- Painting ----

RenderOptions GridViewWindows::renderOptions() const {
    RenderOptions options;
    options.interactive = true;
    options.windowColour = 0;
    // The active colour even while disabled: the grid looks the same either way.
    const QColor window = palette().color(QPalette::Active, QPalette::Base);
    options.windowColour = rgb(window.red(), window.green(), window.blue());
    options.selectedLight = m_selectedLight;
    options.selectedCell = m_selectedLight ? nullptr : m_selectedCell;
    options.letterText = [](std::uint8_t letter) {
        const Dictionary& dictionary = Dictionary::instance();
        if (!dictionary.isValid() || letter >= dictionary.alphabetSize())
            return std::string();
        return std::string(1, dictionary.displayChar(letter));
    };
    return options;
}

void GridViewWindows::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // An explicit clip lets the surface skip the cells outside the repainted area.
    painter.setClipRegion(event->region());
    PainterSurfaceWindows surface(painter, DeviceTechnology::RasterDisplay, logicalDpiX(),
                                  logicalDpiY());
    RenderOptions options = renderOptions();
    const QRect r = event->rect();
    options.updateRect = {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    if (m_filling && !m_fillRegion.isEmpty() && (event->region() - m_fillRegion).isEmpty()) {
        m_renderer.redisplayFillLetters(surface, options);
        return;
    }
    m_fillShown.clear();  // everything is drawn afresh
    if (m_selectedLight && hasFocus())
        options.caret = m_caret;
    options.rubberBand = m_drag.bandOutlines();

    if (!options.rubberBand.empty()) {
        // The band is drawn inverted: the selection stays out of its way while it shows.
        options.selectedLight = nullptr;
        options.selectedCell = nullptr;
    }
    m_renderer.paint(surface, options);
}

void GridViewWindows::viewChanged() {
    m_digests.clear();
    m_digestRows = m_digestColumns = -1;
    relayout();
    update();
}

void GridViewWindows::updateSelectionArea(const Light* light, const Cell* cell) {
    const RenderMetrics m = metrics();
    const int pad = std::max(m.cellWidth, m.cellHeight);
    if (light)
        update(lightRect(*light).adjusted(-pad, -pad, pad, pad));
    else if (cell)
        update(cellRect(*cell).adjusted(-pad, -pad, pad, pad));
}

std::vector<GridViewWindows::CellDigest> GridViewWindows::cellDigests() const {
    std::vector<CellDigest> digests;
    digests.reserve(static_cast<size_t>(m_grid.rows() * m_grid.columns()));
    for (int row = 0; row < m_grid.rows(); ++row) {
        for (int column = 0; column < m_grid.columns(); ++column) {
            const Cell& cell = m_grid.cellAt(row, column);
            Digest look;
            look.add(cell.shownText());
            look.add(cell.shownNumber());
            for (const CellCorner corner :
                 {CellCorner::NorthEast, CellCorner::SouthEast, CellCorner::SouthWest})
                look.add(cell.number(corner));
            look.add(static_cast<std::uint64_t>(cell.numberClash()) |
                     static_cast<std::uint64_t>(cell.textClash()) << 1 |
                     static_cast<std::uint64_t>(cell.fixedLetter()) << 8 |
                     static_cast<std::uint64_t>(cell.filledLetter()) << 16);
            look.add(cell.backgroundColour());
            look.add(cell.textFont());
            Digest shape;
            shape.add(static_cast<std::uint64_t>(cell.blockType() + 1));
            for (const Light* light : {cell.lightA(), cell.lightB()}) {
                if (!light) {
                    shape.add(std::uint64_t{0});
                    continue;
                }
                shape.add(reinterpret_cast<std::uintptr_t>(light));
                shape.add(static_cast<std::uint64_t>(cell.indexIn(light)));
                look.add(light->backgroundColour());
                look.add(light->textFont());
            }
            digests.push_back({look.value(), shape.value()});
        }
    }
    return digests;
}

// ---- GridView ----

void GridViewWindows::gridChanged() {
    std::vector<CellDigest> digests = cellDigests();
    const bool sameShape = m_digestRows == m_grid.rows() && m_digestColumns == m_grid.columns() &&
                           m_digests.size() == digests.size();
    QRegion changed;
    bool whole = !sameShape;
    if (sameShape) {
        // A cell changes how its neighbours' shared edges look only when its lights
        // change, and lights also move arrows; those changes repaint the whole grid.
        for (size_t i = 0; i < digests.size() && !whole; ++i) {
            if (digests[i].shape != m_digests[i].shape)
                whole = true;
            if (digests[i].look == m_digests[i].look)
                continue;
            const int row = static_cast<int>(i) / m_grid.columns();
            const int column = static_cast<int>(i) % m_grid.columns();
            const Cell& cell = m_grid.cellAt(row, column);
            changed += cellRect(cell);
        }
    }
    m_digests = std::move(digests);
    m_digestRows = m_grid.rows();
    m_digestColumns = m_grid.columns();
    if (whole) {
        relayout();
        m_lastChangedRegion = QRegion(rect());
        update();
    } else {
        m_lastChangedRegion = changed;
        if (!changed.isEmpty())
            update(changed);
    }
    if (m_selectedLight)
        setCaret(m_caret);
    emit gridModified();
}

void GridViewWindows::gridReshaped() {
    clearSelection();
    m_digests.clear();
    m_digestRows = m_digestColumns = -1;
    emit gridShapeChanged();
}

void GridViewWindows::lightDeleting(const Light& light) {
    m_drag.lightDeleting(light);
    if (m_selectedLight == &light)
        selectLight(nullptr);
    emit lightAboutToBeDeleted(&light);
}

void GridViewWindows::gridCleared() {
    // The cells and lights are going: nothing may stay selected.
    if (m_selectedLight || m_selectedCell) {
        m_selectedLight = nullptr;
        m_selectedCell = nullptr;
        m_caret = 0;
        emit statusMessage(QString());
        emit selectionChanged();
    }
    m_viewSettings.clearGridOverrides();
    m_digests.clear();
    m_digestRows = m_digestColumns = -1;
}

void GridViewWindows::stateChanged() {
    // A grid read or written names its folder; a new grid keeps the last one, so that
    // its first save starts beside the grid worked on before.
    if (m_grid.fileName())
        m_gridFolder = QFileInfo(displayPath(*m_grid.fileName())).absolutePath();
    updateTitle();
}

void GridViewWindows::writeGridExtras(std::ostream& out) {
    m_viewSettings.writeGridExtras(out);
}

bool GridViewWindows::readGridExtra(std::string_view line) {
    return m_viewSettings.readGridExtra(line);
}

void GridViewWindows::updateTitle() {
    std::optional<std::string> name;
    if (m_grid.fileName())
        name = displayPath(*m_grid.fileName()).toStdString();
    emit titleChanged(QString::fromStdString(editorTitle(name, m_grid.undoState())));
}

int GridViewWindows::fillProgress(const FillView* fillView, const Light* light, int level,
                                  int indicator) {
    if (m_fillMonitor)
        return m_fillMonitor->fillProgress(fillView, light, level, indicator);
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    if (indicator == INT_MIN || now - m_lastFillRedraw >= kFillRedrawMilliseconds) {
        m_lastFillRedraw = now;
        repaint();
        QCoreApplication::processEvents();
    }
    return 0;
}

int GridViewWindows::fillChoose(int slotCount, int target, int* scores, const Light* light,
                                int level, std::uint8_t* words, const std::uint8_t* pattern,
                                int& chosen) {
    if (m_fillMonitor)
        return m_fillMonitor->fillChoose(slotCount, target, scores, light, level, words, pattern,
                                         chosen);
    return GridView::fillChoose(slotCount, target, scores, light, level, words, pattern, chosen);
}

// ---- Tool windows and modal dialogs ----

void GridViewWindows::addToolWindow(QWidget* window) {
    if (window)
        m_toolWindows.emplace_back(window);
}

void GridViewWindows::setToolWindowsEnabled(bool enabled, const QWidget* dialogParent) {
    for (const QPointer<QWidget>& window : m_toolWindows) {
        if (!window)
            continue;
        bool holdsDialog = false;
        for (const QWidget* w = dialogParent; w && !holdsDialog; w = w->parentWidget())
            holdsDialog = w == window;
        window->setEnabled(enabled || holdsDialog);
    }
}

MessageAnswer GridViewWindows::showMessage(const QString& caption, const QString& text,
                                           MessageButtons buttons, MessageIcon icon) {
    setToolWindowsEnabled(false);
    const MessageAnswer answer = m_dialogs.message(window(), caption, text, buttons, icon);
    setToolWindowsEnabled(!m_filling);
    return answer;
}

int GridViewWindows::runModal(QDialog& dialog) {
    setToolWindowsEnabled(false, dialog.parentWidget());
    const int result = m_dialogs.runDialog(dialog);
    setToolWindowsEnabled(!m_filling);
    return result;
}

// ---- The dictionary ----

std::string GridViewWindows::dictionaryPath() const {
    const std::string name = m_grid.effectiveDictionary().value_or(kDefaultDictionaryName);
    std::error_code error;
    const std::filesystem::path path(name);
    if (name.empty() || path.is_absolute() || std::filesystem::exists(path, error))
        return name;
    // A relative name is a shipped dictionary's: beside the program or installed.
    return m_settings->resolveDictionary(name);
}

bool GridViewWindows::ensureDictionary(bool alert) {
    Dictionary& dictionary = Dictionary::instance();
    dictionary.open(dictionaryPath());
    if (dictionary.isValid())
        return true;
    if (alert)
        showMessage(QString::fromLatin1(kNoDictionaryCaption.data(), kNoDictionaryCaption.size()),
                    QString::fromLatin1(kNoDictionaryText.data(), kNoDictionaryText.size()),
                    MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
}

void GridViewWindows::setDictionary(const std::optional<std::string>& name) {
    m_grid.checkpoint();
    if (name)
        m_grid.setDictionary(*name);
    else
        m_grid.setDictionary(std::nullopt);
    ensureDictionary(true);
    m_grid.refresh();
    emit dictionaryChanged();
}

// ---- File handling ----

bool GridViewWindows::warnUncommitted() {
    if (m_grid.lightStatistics().filled == 0)
        return true;
    return showMessage(QString::fromLatin1(kUncommittedCaption),
                       QString::fromLatin1(kUncommittedText), MessageButtons::OkCancel,
                       MessageIcon::Exclamation) == MessageAnswer::Ok;
}

bool GridViewWindows::canClose() {
    if (m_filling)
        return false;
    if (!m_grid.isChanged())
        return true;
    switch (showMessage(tr("Grid has changed"), tr("Do you want to save?"),
                        MessageButtons::YesNoCancel, MessageIcon::Question)) {
        case MessageAnswer::Yes:
            // A save that fails or is cancelled keeps the grid: nothing may be lost.
            return save(false);
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

bool GridViewWindows::save(bool asNew) {
    if (!warnUncommitted())
        return false;
    std::string path;
    if (m_grid.fileName() && !asNew) {
        path = *m_grid.fileName();
    } else {
        FileDialogRequest request = gridFileRequest(tr("Save As"));
        request.fileName = gridFileName(request.defaultExtension);
        setToolWindowsEnabled(false);
        const std::optional<QString> chosen = m_dialogs.saveFileName(window(), request);
        setToolWindowsEnabled(true);
        if (!chosen)
            return false;
        path = localPath(*chosen);
    }
    if (m_grid.writeGrid(path) != kGridFileOk) {
        showMessage(QString::fromLatin1(GridFile::kWriteCaption),
                    QString::fromLatin1(GridFile::kWriteMessage), MessageButtons::Ok,
                    MessageIcon::Exclamation);
        return false;
    }
    emit statusMessage(tr("Saved %1").arg(displayPath(path)));
    return true;
}

FileDialogRequest GridViewWindows::gridFileRequest(const QString& title) const {
    return {title, QString::fromLatin1(kGridFileFilter), QString::fromLatin1(kGridFileExtension),
            m_gridFolder, QString()};
}

QString GridViewWindows::gridFileName(const QString& extension) const {
    if (!m_grid.fileName())
        return QString();
    return QFileInfo(displayPath(*m_grid.fileName())).completeBaseName() + u'.' + extension;
}

bool GridViewWindows::openFile(const QString& path) {
    const QFileInfo info(path);
    // A folder is no grid file; the reader is never asked to open one.
    const int result = info.isDir() ? kGridFileCannotOpen : m_grid.readGrid(localPath(path));
    if (result == kGridFileOk)
        return true;
    const bool information = GridFile::readResultIsInformation(result);
    showMessage(QString::fromLatin1(GridFile::kReadCaption),
                QString::fromLatin1(GridFile::readMessage(result)), MessageButtons::Ok,
                information ? MessageIcon::Information : MessageIcon::Exclamation);
    return false;
}

bool GridViewWindows::dropFiles(const QStringList& paths) {
    if (paths.isEmpty() || !canClose())
        return false;
    return openFile(paths.constFirst());
}

void GridViewWindows::newGrid() {
    if (!canClose())
        return;
    GridAspectRatioDialogWindows dialog(m_grid.columns(), m_grid.rows(),
                                        m_settings->newGridAllLights, window());
    dialog.setSaveAsDefaults([this](int columns, int rows, bool allLights) {
        m_settings->newGridColumns = columns;
        m_settings->newGridRows = rows;
        m_settings->newGridAllLights = allLights;
        m_settings->saveAspectRatio();
    });
    if (runModal(dialog) != QDialog::Accepted)
        return;
    m_settings->newGridAllLights = dialog.allLights();
    m_grid.newGrid(dialog.columns(), dialog.rows(), dialog.allLights());
}

void GridViewWindows::open() {
    if (!canClose())
        return;
    const FileDialogRequest request = gridFileRequest(tr("Open"));
    setToolWindowsEnabled(false);
    const std::optional<QString> chosen = m_dialogs.openFileName(window(), request);
    if (chosen)
        openFile(*chosen);
    setToolWindowsEnabled(true);
}

// ---- Commands ----

bool GridViewWindows::isBuiltInCommand(int number) const {
    return std::find(std::begin(kBuiltInCommands), std::end(kBuiltInCommands), number) !=
           std::end(kBuiltInCommands);
}

bool GridViewWindows::hasCommandHandler(int number) const {
    return m_handlers.count(number) > 0;
}

void GridViewWindows::setCommandHandler(int number, std::function<void()> handler) {
    if (handler)
        m_handlers[number] = std::move(handler);
    else
        m_handlers.erase(number);
}

bool GridViewWindows::isCommandAvailable(int number) const {
    if (m_filling)
        return false;
    if (!hasCommandHandler(number) && !isBuiltInCommand(number))
        return false;
    return isCommandEnabled(number, m_grid, m_selectedLight);
}

bool GridViewWindows::runCommand(int number) {
    if (m_filling)
        return false;
    if (const auto handler = m_handlers.find(number); handler != m_handlers.end()) {
        // A copy: the handler may replace itself.
        const std::function<void()> run = handler->second;
        run();
        return true;
    }
    if (!isBuiltInCommand(number))
        return false;
    switch (number) {
        case command::New:
            newGrid();
            break;
        case command::Open:
            open();
            break;
        case command::Save:
            save(false);
            break;
        case command::SaveAs:
            save(true);
            break;
        case command::Undo:
            undo();
            break;
        case command::Cut:
            cut();
            break;
        case command::Copy:
            copy();
            break;
        case command::Paste:
            paste();
            break;
        case command::Graticule:
            m_viewSettings.graticule = !m_viewSettings.graticule;
            update();
            break;
        case command::NormalFill:
            fill(FillKind::Normal);
            break;
        case command::UnchFill:
            fill(FillKind::Unch);
            break;
        case command::UndoFill:
            m_grid.checkpoint();
            undoFill(m_grid);
            break;
        case command::CommitFill:
            if (ensureDictionary()) {
                m_grid.checkpoint();
                commitFill(m_grid, Dictionary::instance());
            }
            break;
        case command::OneShotFill:
            oneShotFill();
            break;
        case command::KillWord:
            killWord();
            break;
        case command::LightUndoFill:
        case command::LightCommitFill:
        case command::DeleteLight:
        case command::ReverseLight:
        case command::ClearLight:
        case command::ClearAllLights:
            lightCommand(number);
            break;
        default:
            gridCommand(number);
            break;
    }
    return true;
}

void GridViewWindows::lightCommand(int number) {
    if (number == command::ClearAllLights) {
        m_grid.checkpoint();
        setCaret(0);
        m_grid.clearAllLightTexts();
        return;
    }
    Light* light = m_selectedLight;
    if (!light)
        return;
    switch (number) {
        case command::LightUndoFill:
            // Taking back a provisional word is no edit of the grid: no checkpoint.
            undoLightFill(m_grid, *light);
            break;
        case command::LightCommitFill:
            if (!ensureDictionary())
                return;
            m_grid.checkpoint();
            commitLightFill(m_grid, *light, Dictionary::instance());
            break;
        case command::DeleteLight:
            m_grid.checkpoint();
            m_grid.deleteLight(*light);
            break;
        case command::ReverseLight:
            m_grid.checkpoint();
            m_grid.reverseLight(*light);
            break;
        case command::ClearLight:
            m_grid.checkpoint();
            setCaret(0);
            m_grid.clearLightText(*light);
            break;
        default:
            break;
    }
}

void GridViewWindows::gridCommand(int number) {
    switch (number) {
        case command::Restart:
            m_grid.checkpoint();
            m_grid.restart(m_settings->newGridAllLights);
            break;
        case command::Reflect:
            m_grid.checkpoint();
            m_grid.reflect();
            break;
        case command::Rotate:
            m_grid.checkpoint();
            m_grid.rotate();
            break;
        case command::Block:
            if (Cell* cell = m_selectedCell) {
                m_grid.checkpoint();
                m_grid.toggleBlock(*cell);
            }
            break;
        case command::ClearAllCells:
            m_grid.checkpoint();
            m_grid.clearAllCellTexts();
            break;
        default:
            break;
    }
}

void GridViewWindows::undo() {
    if (!m_grid.canUndo() && !m_grid.canRedo())
        return;
    // Undo rebuilds every cell and light; the selection follows its place.
    SelectionPlace place;
    if (m_selectedLight) {
        place.light = m_selectedLight->spec();
        place.caret = m_caret;
    } else if (m_selectedCell) {
        place.cell = std::make_pair(m_selectedCell->row(), m_selectedCell->column());
    }
    if (m_grid.canUndo())
        m_grid.undo();
    else
        m_grid.redo();
    if (place.light) {
        if (Light* light = m_grid.matchLight(*place.light))
            selectLight(light, place.caret);
    } else if (place.cell && m_grid.contains(place.cell->first, place.cell->second)) {
        selectCell(&m_grid.cellAt(place.cell->first, place.cell->second));
    }
}

void GridViewWindows::copy() {
    // A tool window with the keyboard focus copies its own selection.
    if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() != window()) {
        if (QMetaObject::invokeMethod(focus->window(), "copy") ||
            QMetaObject::invokeMethod(focus, "copy"))
            return;
    }
    std::string letters;
    std::string lines;
    if (m_selectedLight) {
        letters = lightLetters(*m_selectedLight, &Dictionary::instance());
        lines = lightPropertyLines(*m_selectedLight, *this);
    } else if (m_selectedCell) {
        letters = m_selectedCell->text().value_or(std::string());
        lines = cellPropertyLines(*m_selectedCell, *this);
    } else {
        return;
    }
    auto* data = new QMimeData;
    data->setText(QString::fromLatin1(letters));
    data->setData(kPropertyLinesMime, QByteArray::fromStdString(lines));
    QApplication::clipboard()->setMimeData(data);
}

void GridViewWindows::cut() {
    if (!m_selectedLight && !m_selectedCell)
        return;
    m_grid.checkpoint();
    copy();
    if (Light* light = m_selectedLight) {
        light->clearNumber();
        light->clearText();
        light->clearBackgroundColour();
        light->clearTextFont();
    } else if (Cell* cell = m_selectedCell) {
        cell->clearAll();
    }
    m_grid.refresh();
}

void GridViewWindows::paste() {
    if (!m_selectedLight && !m_selectedCell)
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return;
    if (data->hasFormat(kPropertyLinesMime)) {
        const QByteArray lines = data->data(kPropertyLinesMime);
        const std::string_view text(lines.constData(), static_cast<size_t>(lines.size()));
        m_grid.checkpoint();
        if (m_selectedLight)
            pasteLightProperties(text, *m_selectedLight, *this);
        else
            pasteCellProperties(text, *m_selectedCell, *this);
        m_grid.refresh();
        return;
    }
    if (!data->hasText())
        return;
    const QByteArray latin1 = data->text().toLatin1();
    const std::string line(
        firstLine(std::string_view(latin1.constData(), static_cast<size_t>(latin1.size()))));
    m_grid.checkpoint();
    if (m_selectedLight) {
        if (line.empty())
            m_selectedLight->clearText();
        else
            m_selectedLight->setText(line);
    } else {
        m_selectedCell->setText(line);
    }
    m_grid.refresh();
}

void GridViewWindows::killWord() {
    if (!m_selectedLight)
        return;
    m_grid.checkpoint();
    m_killList.add(lightLetters(*m_selectedLight, &Dictionary::instance()));
    m_grid.refresh();
}

void GridViewWindows::oneShotFill() {
    if (!ensureDictionary())
        return;
    Light* light = m_selectedLight;
    if (!light)
        return;
    m_grid.checkpoint();
    int result = 0;
    {
        FillEngine engine(m_grid, Dictionary::instance(), m_random);
        result = engine.oneShotFill(*light);
    }
    m_grid.refresh();
    if (result == 1)
        return;
    const std::string text = oneShotFailureText(result, *light, dictionaryPath());
    showMessage(QString::fromLatin1(kOneShotFailedCaption), QString::fromLatin1(text),
                MessageButtons::Ok, MessageIcon::Exclamation);
}

void GridViewWindows::fill(FillKind kind) {
    if (!ensureDictionary())
        return;
    m_grid.checkpoint();
    if (m_fillMonitor)
        m_fillMonitor->fillStarting(kind);
    setToolWindowsEnabled(false);
    Light* const startLight = m_selectedLight;
    Cell* const startCell = m_selectedCell;
    const int startCaret = m_caret;
    if (startLight || startCell)
        selectLight(nullptr);

    m_filling = true;
    m_lastFillRedraw = 0;
    int result = 0;
    Light* failedLight = nullptr;
    const std::time_t t0 = std::time(nullptr);
    {
        if (kind == FillKind::Normal) {
            const NormalFillOutcome outcome = runNormalFill(
                m_grid, Dictionary::instance(), m_random, m_settings->fillMethod, startLight);
            result = outcome.result;
            failedLight = outcome.failedLight;
        } else {
            FillEngine engine(m_grid, Dictionary::instance(), m_random);
            result = engine.unchFill();
        }
    }
    const long seconds = static_cast<long>(std::time(nullptr) - t0);
    m_filling = false;

    if (startLight)
        selectLight(startLight, startCaret);
    else if (startCell)
        selectCell(startCell);
    setToolWindowsEnabled(true);
    m_grid.refresh();
    if (m_fillMonitor)
        m_fillMonitor->fillFinished(kind, result, failedLight, seconds);
    else
        emit statusMessage(QString::fromLatin1(fillResultText(result, failedLight, seconds)));
}

}  // namespace tessaran
