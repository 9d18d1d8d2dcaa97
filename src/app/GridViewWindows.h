#pragma once
// The grid window: the one document window of the editor. It owns the Grid, its kill
// list and the view settings, paints the grid through the renderer at the zoom in force,
// holds the selection, and answers the menu commands (runCommand). Commands whose
// windows live elsewhere (property windows, word search, printing, export, ...) are
// registered with setCommandHandler; until then they are unavailable.
//
// It is a QWidget meant to sit inside a QScrollArea (scrollArea() makes one): it asks
// for the size of the grid picture with its margins and fills whatever it is given.

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DialogsWindows.h"
#include "app/GridDrag.h"
#include "app/Settings.h"
#include "fill/FillRandom.h"
#include "fill/FillView.h"
#include "grid/Grid.h"
#include "grid/GridView.h"
#include "grid/KillListWindows.h"
#include "output/GridRenderer.h"
#include "output/RenderMetrics.h"
#include "output/ViewSettings.h"

class QScrollArea;

namespace tessaran {

class Dictionary;
struct EditorSelection;

// Which fill a fill monitor is told about.
enum class FillKind { Normal, Unch };

// The fill progress window's side of a running fill. Without one the grid window pumps
// events itself, redraws now and then and reports the outcome in the status bar.
class FillMonitorWindows {
public:
    virtual ~FillMonitorWindows() = default;
    virtual void fillStarting(FillKind kind) = 0;
    // As GridView::fillProgress and fillChoose; the monitor pumps events.
    virtual int fillProgress(const FillView* fillView, const Light* light, int level,
                             int indicator) = 0;
    virtual int fillChoose(int slotCount, int target, int* scores, const Light* light, int level,
                           std::uint8_t* words, const std::uint8_t* pattern, int& chosen) = 0;
    // The outcome: result of the fill, the light where a normal fill failed (none for an
    // unch fill) and the elapsed seconds.
    virtual void fillFinished(FillKind kind, int result, const Light* light, long seconds) = 0;
};

class GridViewWindows : public QWidget, public GridView {
    Q_OBJECT
public:
    // dialogs shows everything modal and must outlive the window. iniPath is the settings
    // file (tessaran.ini beside the program, or in the user's configuration folder).
    explicit GridViewWindows(DialogsWindows& dialogs, std::string iniPath = defaultIniPath(),
                             QWidget* parent = nullptr);
    ~GridViewWindows() override;

    // A scroll area holding this window (made once; the caller owns it through Qt).
    QScrollArea* makeScrollArea(QWidget* parent = nullptr);

    // ---- What it owns ----
    Grid& grid() { return m_grid; }
    const Grid& grid() const { return m_grid; }
    KillListWindows& killList() { return m_killList; }
    ViewSettings& viewSettings() { return m_viewSettings; }
    const ViewSettings& viewSettings() const { return m_viewSettings; }
    DialogsWindows& dialogs() { return m_dialogs; }
    FillRandom& random() { return m_random; }
    // The program's defaults in tessaran.ini; the property windows save their groups
    // through it. Its newGrid values are the Grid Aspect Ratio dialog's.
    Settings& settings() { return *m_settings; }
    // How a Normal Fill searches: a program setting ([Filling] FillMethod); a fill that
    // starts in Manual mode uses the standard search whatever it says.
    FillMethod fillMethod() const { return m_settings->fillMethod; }
    void setFillMethod(FillMethod method) { m_settings->fillMethod = method; }

    // ---- Start-up ----
    // Loads the settings into the grid and the view, and opens the first argument as a
    // grid file or, failing that or without one, makes a new grid as the settings say.
    SettingsLoadResult start(const std::vector<std::string>& arguments, ScreenSize screen);

    // ---- Selection (at most one of light and cell) ----
    Light* selectedLight() const { return m_selectedLight; }
    Cell* selectedCell() const { return m_selectedCell; }
    int caret() const { return m_caret; }
    // Selects light with the caret at caret (clamped to 0..its text positions), or clears
    // the light selection with nullptr; shows "Light: <description>" in the status bar.
    void selectLight(Light* light, int caret = 0);
    // Selects cell ("Cell: row R, col C"), or clears the cell selection with nullptr.
    void selectCell(Cell* cell);
    void clearSelection();
    void setCaret(int caret);
    // Typing replaces the character at the caret (OVR) instead of inserting.
    bool overwriteMode() const { return m_overwrite; }
    void setOverwriteMode(bool overwrite);
    // The lock keys as last seen on a key event (the frame keeps them up to date).
    bool capsLock() const { return m_capsLock; }
    bool numLock() const { return m_numLock; }
    void setLockKeys(bool capsLock, bool numLock);

    // ---- Geometry for hit testing and drawing (pixels at the current zoom) ----
    RenderMetrics metrics() const;
    // Where the grid's first cell begins: border width + margin, border height + margin.
    QPoint gridOrigin() const;
    // The cell under a point, or nothing outside the grid.
    std::optional<std::pair<int, int>> cellAt(const QPoint& point) const;  // (row, column)
    QRect cellRect(const Cell& cell) const;
    QRect lightRect(const Light& light) const;
    // Everything the grid picture and its margins take.
    QSize sizeHint() const override;

    // ---- Commands ----
    // Runs a built-in command or a registered handler. Answers false when the number is
    // unknown or has no handler yet.
    bool runCommand(int number);
    // Whether the command can be chosen now: it has an action, and the enabling rule of
    // the command table allows it.
    bool isCommandAvailable(int number) const;
    // Registers (or with an empty function removes) the handler of a command that another
    // window carries out. A built-in command may be overridden the same way.
    void setCommandHandler(int number, std::function<void()> handler);
    bool hasCommandHandler(int number) const;
    bool isBuiltInCommand(int number) const;

    // ---- File handling ----
    // The save prompt: true when the grid may be replaced or closed.
    bool canClose();
    // Save (asNew false) or Save As (true); true when the grid was written.
    bool save(bool asNew);
    // Reads the grid file; shows the reader's message and answers false on a failure.
    bool openFile(const QString& path);
    // The frame's drop: when canClose agrees, the first file is opened.
    bool dropFiles(const QStringList& paths);
    // The warning before saving, printing or exporting a grid with uncommitted filled
    // lights; true to go on (always true without such lights).
    bool warnUncommitted();
    // The folder of the grid worked on: the current grid's, or for a grid never saved the
    // last one read or written (empty before any). File choosers open there.
    QString gridFolder() const { return m_gridFolder; }
    // The grid's file name with extension in place of its own: what a chooser offers for
    // a file made from this grid. Empty for a grid never saved.
    QString gridFileName(const QString& extension) const;
    // The filling properties' dictionary choice: checkpoint, set (nothing: the grid follows
    // the default dictionary again), check, and tell the windows that read the dictionary.
    void setDictionary(const std::optional<std::string>& name);

    // ---- The dictionary ----
    // Opens the grid's effective dictionary (when it changed) and answers whether it is
    // valid; with alert, shows "No Dictionary Available" when it is not.
    bool ensureDictionary(bool alert = true);
    // The path the effective dictionary name stands for (relative names are found beside
    // the program).
    std::string dictionaryPath() const;

    // ---- Tool windows: disabled while a modal dialog or a fill runs ----
    void addToolWindow(QWidget* window);
    // A tool window that holds dialogParent stays enabled: a disabled window disables the
    // dialogs it parents, and the dialog's own modality keeps input from it meanwhile.
    void setToolWindowsEnabled(bool enabled, const QWidget* dialogParent = nullptr);
    void setFillMonitor(FillMonitorWindows* monitor) { m_fillMonitor = monitor; }
    // Shows a message box through the dialog seam with the tool windows disabled.
    MessageAnswer showMessage(const QString& caption, const QString& text, MessageButtons buttons,
                              MessageIcon icon);
    // Runs a modal dialog through the seam with the tool windows disabled.
    int runModal(QDialog& dialog);

    // ---- Painting ----
    // Marks the whole window for repainting (after a change of view settings or zoom).
    void viewChanged();
    // How much of the window the last gridChanged marked for repainting (tests, benchmark).
    const QRegion& lastChangedRegion() const { return m_lastChangedRegion; }
    // During a fill: redraws at once, in the filling colours, just the cells whose letters
    // changed since the last redisplay (GridViewFillWindows.cpp). Answers the region.
    QRegion redisplayFill();

    // ---- GridView ----
    int fillProgress(const FillView* fillView, const Light* light, int level,
                     int indicator) override;
    int fillChoose(int slotCount, int target, int* scores, const Light* light, int level,
                   std::uint8_t* words, const std::uint8_t* pattern, int& chosen) override;
    void gridChanged() override;
    void gridReshaped() override;
    void lightDeleting(const Light& light) override;
    void gridCleared() override;
    void stateChanged() override;
    void writeGridExtras(std::ostream& out) override;
    bool readGridExtra(std::string_view line) override;

    // ---- Editing with the mouse and keyboard (GridViewEditingWindows.cpp) ----
    const GridDrag& drag() const { return m_drag; }
    // The picture of an editing cursor (the arrow has none of ours).
    static QPixmap dragCursorPixmap(DragCursor shape);

signals:
    // The title bar text changed ("Tessaran - name [Save Required]").
    void titleChanged(const QString& title);
    // Text for the status bar's message area.
    void statusMessage(const QString& text);
    // The selected light or cell changed (property and word search windows follow it).
    void selectionChanged();
    // The grid was refreshed (property and statistics windows reload).
    void gridModified();
    // The grid changed shape; the selection was cleared.
    void gridShapeChanged();
    // A light is about to be destroyed (already deselected when it was selected).
    void lightAboutToBeDeleted(const tessaran::Light* light);
    void overwriteModeChanged(bool overwrite);
    void lockKeysChanged(bool capsLock, bool numLock);
    // The frame closes itself (Exit).
    void exitRequested();
    // The grid's dictionary was changed (the word search window reopens it).
    void dictionaryChanged();
    // The About box and help are the frame's.
    void aboutRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    // The grid looks the same enabled or disabled (the frame is disabled around every
    // fill), so that change repaints nothing.
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab move the selection, not the keyboard focus.
    bool focusNextPrevChild(bool next) override;
    // The caret shows only while the window has the focus.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The built-in commands.
    void newGrid();
    void open();
    void undo();
    void copy();
    void cut();
    void paste();
    void killWord();
    void oneShotFill();
    void fill(FillKind kind);
    void lightCommand(int number);
    void gridCommand(int number);

    void updateTitle();
    // A grid file chooser, opening in the folder of the grid worked on.
    FileDialogRequest gridFileRequest(const QString& title) const;
    void relayout();
    void updateSelectionArea(const Light* light, const Cell* cell);
    QRect boxRect(const DeviceRect& box) const;
    // Per cell, digests of what decides how it is drawn: its own look, and its place in
    // the lights (which also shapes its neighbours' edges and the arrows).
    struct CellDigest {
        std::uint64_t look = 0;
        std::uint64_t shape = 0;
    };
    std::vector<CellDigest> cellDigests() const;
    RenderOptions renderOptions() const;
    QString lightStatus(const Light& light) const;
    // Editing (GridViewEditingWindows.cpp).
    HitGeometry hitGeometry() const;
    void showDragFeedback(const std::vector<LightSpec>& before);
    void updateCursor(const QPoint& point);
    void showSelectionStatus();
    void typeCharacter(char ch);
    void applySelection(const EditorSelection& selection);

    DialogsWindows& m_dialogs;
    // Declared before the grid so that they outlive it.
    KillListWindows m_killList;
    ViewSettings m_viewSettings;
    Grid m_grid;
    GridRenderer m_renderer;
    FillRandom m_random;
    std::unique_ptr<Settings> m_settings;

    Light* m_selectedLight = nullptr;
    Cell* m_selectedCell = nullptr;
    int m_caret = 0;
    bool m_overwrite = false;
    bool m_capsLock = false;
    bool m_numLock = false;
    QString m_gridFolder;  // of the last grid read or written; empty before the first

    std::map<int, std::function<void()>> m_handlers;
    std::vector<QPointer<QWidget>> m_toolWindows;
    FillMonitorWindows* m_fillMonitor = nullptr;
    bool m_filling = false;
    std::int64_t m_lastFillRedraw = 0;  // milliseconds

    QScrollArea* m_scrollArea = nullptr;
    std::vector<CellDigest> m_digests;
    int m_digestRows = -1;
    int m_digestColumns = -1;
    QRegion m_lastChangedRegion;
    // The fill's redisplay: what each cell showed at the last one, and the cells it is
    // redrawing now (painted by the fast path when nothing else needs painting).
    std::vector<FillView::Entry> m_fillShown;
    QRegion m_fillRegion;
    GridDrag m_drag{m_grid};
};

}  // namespace tessaran
