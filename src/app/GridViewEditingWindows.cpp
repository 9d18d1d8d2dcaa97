// The grid window's mouse and keyboard: thin handlers over the drag, navigation and
// typing rules of GridDrag, GridNavigation and GridTyping, with the cursors of editing.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollArea>

#include <cmath>
#include <map>
#include <optional>

#include "app/EditorCommands.h"
#include "app/GridNavigation.h"
#include "app/GridTyping.h"
#include "app/GridViewWindows.h"
#include "dictionary/Dictionary.h"

namespace tessaran {
namespace {

constexpr int kCursorSize = 32;

// An arrow from the centre of the cursor towards one side, its head on that side: dx, dy
// give the direction.
void addArrow(QPainterPath& path, QPointF from, QPointF to) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF unit = d / length;
    const QPointF normal(-unit.y(), unit.x());
    const double head = 7.0;
    const double shaft = 1.5;
    const QPointF base = to - unit * head;
    path.moveTo(from + normal * shaft);
    path.lineTo(base + normal * shaft);
    path.lineTo(base + normal * head * 0.8);
    path.lineTo(to);
    path.lineTo(base - normal * head * 0.8);
    path.lineTo(base - normal * shaft);
    path.lineTo(from - normal * shaft);
    path.closeSubpath();
}

// The cursors of editing, drawn here: an end of a light (a bar) pushed by an arrow, and a
// light (a row or column of cells) with arrows to every side when it is moved whole.
QCursor makeCursor(DragCursor shape) {
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kCursorSize / 2.0, kCursorSize / 2.0);
    const double reach = kCursorSize / 2.0 - 2;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    auto endCursor = [&](QPointF direction) {
        // The light's end as a bar behind the hot spot, an arrow leaving it the way the
        // end is dragged.
        const QPointF normal(-direction.y(), direction.x());
        const QPointF barCentre = c - direction * 8;
        path.addRect(
            QRectF(barCentre - normal * 10 - direction * 2, barCentre + normal * 10 + direction * 2)
                .normalized());
        addArrow(path, barCentre, c + direction * reach);
    };
    auto moveCursor = [&](bool across) {
        const QSizeF cell(7, 7);
        for (int i = -1; i <= 1; ++i) {
            const QPointF centre = across ? c + QPointF(i * 7, 0) : c + QPointF(0, i * 7);
            path.addRect(QRectF(centre - QPointF(3.5, 3.5), cell));
        }
        addArrow(path, c, c + QPointF(reach, 0));
        addArrow(path, c, c - QPointF(reach, 0));
        addArrow(path, c, c + QPointF(0, reach));
        addArrow(path, c, c - QPointF(0, reach));
    };
    switch (shape) {
        case DragCursor::EndLeft:
            endCursor({-1, 0});
            break;
        case DragCursor::EndRight:
            endCursor({1, 0});
            break;
        case DragCursor::EndUp:
            endCursor({0, -1});
            break;
        case DragCursor::EndDown:
            endCursor({0, 1});
            break;
        case DragCursor::MoveAcross:
            moveCursor(true);
            break;
        case DragCursor::MoveDown:
            moveCursor(false);
            break;
        case DragCursor::Arrow:
            return QCursor(Qt::ArrowCursor);
    }
    // White rim, black body: visible on the white cells and on the black blocks.
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path.simplified());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(path.simplified());
    painter.end();
    return QCursor(pixmap, kCursorSize / 2, kCursorSize / 2);
}

const QCursor& cursorFor(DragCursor shape) {
    static std::map<DragCursor, QCursor> cursors;
    auto found = cursors.find(shape);
    if (found == cursors.end())
        found = cursors.emplace(shape, makeCursor(shape)).first;
    return found->second;
}

std::optional<NavigationKey> navigationKey(int key) {
    switch (key) {
        case Qt::Key_Left:
            return NavigationKey::Left;
        case Qt::Key_Right:
            return NavigationKey::Right;
        case Qt::Key_Up:
            return NavigationKey::Up;
        case Qt::Key_Down:
            return NavigationKey::Down;
        case Qt::Key_Tab:
            return NavigationKey::Tab;
        case Qt::Key_Backtab:
            return NavigationKey::BackTab;
        case Qt::Key_Home:
            return NavigationKey::Home;
        case Qt::Key_End:
            return NavigationKey::End;
        case Qt::Key_PageUp:
            return NavigationKey::PageUp;
        case Qt::Key_PageDown:
            return NavigationKey::PageDown;
        default:
            return std::nullopt;
    }
}

QRect toQRect(const DeviceRect& box) {
    return QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
}

}  // namespace

HitGeometry GridViewWindows::hitGeometry() const {
    return HitGeometry::fromMetrics(metrics());
}

QPixmap GridViewWindows::dragCursorPixmap(DragCursor shape) {
    return cursorFor(shape).pixmap();
}

void GridViewWindows::showDragFeedback(const std::vector<LightSpec>& before) {
    const std::vector<LightSpec> after = m_drag.bandOutlines();
    if (before == after)
        return;
    const RenderMetrics m = metrics();
    for (const std::vector<LightSpec>* outlines : {&before, &after})
        for (const LightSpec& spec : *outlines)
            update(toQRect(m_renderer.specBox(spec, m)).adjusted(-1, -1, 1, 1));
    // The selection hides while a band shows and comes back with it gone.
    if (before.empty() != after.empty())
        updateSelectionArea(m_selectedLight, m_selectedCell);
    const std::string status = m_drag.statusText();
    if (!status.empty())
        emit statusMessage(QString::fromLatin1(status));
    else if (!before.empty())
        showSelectionStatus();
}

void GridViewWindows::showSelectionStatus() {
    if (m_selectedLight)
        emit statusMessage(lightStatus(*m_selectedLight));
    else if (m_selectedCell)
        emit statusMessage(QStringLiteral("Cell: row %1, col %2")
                               .arg(m_selectedCell->row() + 1)
                               .arg(m_selectedCell->column() + 1));
    else
        emit statusMessage(QString());
}

void GridViewWindows::updateCursor(const QPoint& point) {
    DragCursor shape = DragCursor::Arrow;
    if (m_drag.isDragging())
        shape = m_drag.cursor();
    else if (!m_filling)
        shape = hoverCursor(hitTest(m_grid, hitGeometry(), point.x(), point.y()));
    setCursor(cursorFor(shape));
}

void GridViewWindows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_filling) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    const std::vector<LightSpec> before = m_drag.bandOutlines();
    m_drag.press(hitGeometry(), point.x(), point.y());
    showDragFeedback(before);
    updateCursor(point);
}

void GridViewWindows::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_drag.isDragging()) {
        const std::vector<LightSpec> before = m_drag.bandOutlines();
        if (m_drag.move(hitGeometry(), point.x(), point.y()))
            showDragFeedback(before);
    }
    updateCursor(point);
}

void GridViewWindows::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    if (m_drag.isDragging()) {
        const std::vector<LightSpec> before = m_drag.bandOutlines();
        // The band goes before the grid changes under it.
        const RenderMetrics m = metrics();
        for (const LightSpec& spec : before)
            update(toQRect(m_renderer.specBox(spec, m)).adjusted(-1, -1, 1, 1));
        const DragOutcome outcome = m_drag.release();
        switch (outcome.kind) {
            case DragOutcome::Kind::ClearSelection:
                clearSelection();
                break;
            case DragOutcome::Kind::SelectLight:
                selectLight(outcome.light, outcome.caret);
                break;
            case DragOutcome::Kind::SelectCell:
                selectCell(outcome.cell);
                break;
            case DragOutcome::Kind::Nothing:
                if (!before.empty())
                    showSelectionStatus();
                break;
        }
        updateSelectionArea(m_selectedLight, m_selectedCell);
    }
    updateCursor(point);
}

void GridViewWindows::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_filling) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    // The first click selected what was under the mouse; a press that may have come
    // with the second click starts no drag.
    if (m_drag.cancel())
        update();
    const int number = m_selectedLight   ? command::LightProperties
                       : !m_selectedCell ? command::GridProperties
                                         : command::CellProperties;
    runCommand(number);
}

bool GridViewWindows::focusNextPrevChild(bool) {
    return false;
}

void GridViewWindows::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    updateSelectionArea(m_selectedLight, nullptr);
}

void GridViewWindows::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateSelectionArea(m_selectedLight, nullptr);
}

void GridViewWindows::applySelection(const EditorSelection& selection) {
    if (selection.light) {
        if (selection.light == m_selectedLight)
            setCaret(selection.caret);
        else
            selectLight(selection.light, selection.caret);
    } else if (selection.cell) {
        selectCell(selection.cell);
    } else {
        clearSelection();
    }
    // Keep what the keyboard moved to in sight.
    if (m_scrollArea) {
        QRect area;
        if (m_selectedLight)
            area = lightRect(*m_selectedLight);
        else if (m_selectedCell)
            area = cellRect(*m_selectedCell);
        if (!area.isEmpty())
            m_scrollArea->ensureVisible(area.center().x(), area.center().y(), area.width() / 2 + 8,
                                        area.height() / 2 + 8);
    }
}

void GridViewWindows::typeCharacter(char ch) {
    if (!m_selectedLight && !m_selectedCell)
        return;
    char typed = ch;
    if (ch != kBackspace) {
        // Without a valid dictionary the character goes in as typed, after the warning.
        const bool valid = ensureDictionary(true);
        typed = displayCharacter(ch, valid ? &Dictionary::instance() : nullptr);
    }
    // The warning may have let anything happen meanwhile; the selection is checked again.
    if (Cell* cell = m_selectedCell) {
        typeIntoCell(m_grid, *cell, typed, m_capsLock);
    } else if (Light* light = m_selectedLight) {
        const int caret = typeIntoLight(m_grid, *light, m_caret, typed, m_overwrite);
        if (m_selectedLight == light)
            setCaret(caret);
    }
}

void GridViewWindows::keyPressEvent(QKeyEvent* event) {
    if (m_filling) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        const std::vector<LightSpec> before = m_drag.bandOutlines();
        if (m_drag.cancel()) {
            showDragFeedback(before);
            updateCursor(mapFromGlobal(QCursor::pos()));
        }
        return;
    }
    // While the button is held only Esc counts.
    if (m_drag.isDragging())
        return;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    if (std::optional<NavigationKey> navigation = navigationKey(key)) {
        if (*navigation == NavigationKey::Tab && shift)
            navigation = NavigationKey::BackTab;
        EditorSelection current;
        current.light = m_selectedLight;
        current.caret = m_caret;
        current.cell = m_selectedLight ? nullptr : m_selectedCell;
        applySelection(navigate(m_grid, current, *navigation, control));
        return;
    }
    switch (key) {
        case Qt::Key_Insert:
            setOverwriteMode(!m_overwrite);
            return;
        case Qt::Key_Delete:
            if (Cell* cell = m_selectedCell)
                typeIntoCell(m_grid, *cell, kBackspace, m_capsLock);
            else if (Light* light = m_selectedLight)
                deleteInLight(m_grid, *light, m_caret);
            return;
        case Qt::Key_Backspace:
            typeCharacter(kBackspace);
            return;
        default:
            break;
    }
    // Ctrl and Alt chords are commands and menu keys, never letters.
    const bool chord = control || event->modifiers().testFlag(Qt::AltModifier);
    const QString text = chord ? QString() : event->text();
    bool used = false;
    for (const QChar c : text) {
        // The grid holds single-byte text: what Latin-1 cannot hold is not typed.
        if (c.unicode() > 0xff)
            continue;
        const char ch = static_cast<char>(c.unicode());
        if (!isTypedCharacter(ch))
            continue;
        typeCharacter(ch);
        used = true;
    }
    if (!used)
        QWidget::keyPressEvent(event);
}

}  // namespace tessaran
