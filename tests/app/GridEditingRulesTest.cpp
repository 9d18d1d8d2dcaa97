// The rules of editing with the mouse and keyboard, without a window: what a press
// grabs, how a drag moves and what its release does, how the keys move the selection,
// and what typing does to light and cell texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GridDrag.h"
#include "app/GridNavigation.h"
#include "app/GridTyping.h"
#include "dictionary/TestDictionaries.h"
#include "grid/EditingTestSupport.h"
#include "output/GridRenderer.h"
#include "output/RecordingSurface.h"
#include "output/RenderMetrics.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

using testing::lightList;
using testing::specText;

// Cells of 30 pixels from (10, 10), grabbing 6 pixels from an edge.
constexpr HitGeometry kGeometry{10, 10, 30, 30, 6};

// A pixel in cell (column, row), dx and dy pixels from its top-left corner.
int px(int column, int dx) {
    return kGeometry.originX + column * kGeometry.cellWidth + dx;
}
int py(int row, int dy) {
    return kGeometry.originY + row * kGeometry.cellHeight + dy;
}

struct EditorGrid {
    explicit EditorGrid(int size, int symmetry = 0, bool normalized = true) {
        grid.setKillList(&killList);
        grid.setDimensions(size, size);
        grid.setting(GridSetting::Symmetry).setDefault(symmetry);
        grid.setting(GridSetting::DirectionMode).setDefault(normalized ? 0 : 1);
        grid.refresh();
    }
    // Drags from a pixel to another and releases.
    DragOutcome drag(int x0, int y0, int x1, int y1) {
        GridDrag drag(grid);
        drag.press(kGeometry, x0, y0);
        drag.move(kGeometry, x1, y1);
        return drag.release();
    }
    Light* light(int column, int row, Direction d) {
        return grid.lightOf(grid.cellAt(row, column), d);
    }
    KillListWindows killList;
    Grid grid;
};

TEST(GridHitTest, EndsBodiesAndCellsAtTheGrabZones) {
    EditorGrid e(5);
    e.grid.createLights({{0, 1, 4, 1, 1, 0}});  // across, row 1
    e.grid.createLights({{2, 0, 2, 4, 0, 1}});  // down, column 2
    e.grid.refresh();
    const Light* across = e.light(0, 1, Direction::Across);
    const Light* down = e.light(2, 0, Direction::Down);
    struct Case {
        const char* name;
        int x, y;
        DragMode mode;
        const Light* light;
        GridPlace anchor;
    };
    const Case cases[] = {
        {"left of the grid", 9, py(1, 10), DragMode::Outside, nullptr, {}},
        {"above the grid", px(1, 5), 9, DragMode::Outside, nullptr, {}},
        {"past the last column", px(5, 1), py(1, 10), DragMode::Outside, nullptr, {}},
        {"first end of the across light",
         px(0, 5),
         py(1, 15),
         DragMode::MovingFirstEnd,
         across,
         {4, 1}},
        {"just inside its first cell", px(0, 6), py(1, 15), DragMode::Adding, nullptr, {0, 1}},
        {"last end of the across light",
         px(4, 24),
         py(1, 15),
         DragMode::MovingLastEnd,
         across,
         {0, 1}},
        {"top edge of the across light", px(1, 15), py(1, 2), DragMode::MovingBody, across, {0, 1}},
        {"bottom edge of the across light",
         px(3, 15),
         py(1, 29),
         DragMode::MovingBody,
         across,
         {0, 1}},
        {"top end of the down light", px(2, 15), py(0, 0), DragMode::MovingFirstEnd, down, {2, 4}},
        {"left edge of the down light", px(2, 3), py(3, 15), DragMode::MovingBody, down, {2, 0}},
        {"middle of a light cell", px(1, 15), py(1, 15), DragMode::Adding, nullptr, {1, 1}},
        {"a cell in no light", px(4, 2), py(3, 2), DragMode::Adding, nullptr, {4, 3}},
    };
    for (const Case& c : cases) {
        const DragStart start = hitTest(e.grid, kGeometry, c.x, c.y);
        EXPECT_EQ(start.mode, c.mode) << c.name;
        EXPECT_EQ(start.light, c.light) << c.name;
        if (c.mode != DragMode::Outside) {
            EXPECT_EQ(start.anchor, c.anchor) << c.name;
        }
    }
    // A body grab remembers where within the light it was.
    EXPECT_EQ(hitTest(e.grid, kGeometry, px(3, 15), py(1, 29)).grabOffset, (GridPlace{3, 0}));
}

TEST(GridHitTest, ALightReadBackwardsIsGrabbedByTheEndsItReallyHas) {
    EditorGrid e(5, 0, false);
    Light* reversed = e.grid.createLights({{4, 0, 0, 0, -1, 0}});
    e.grid.refresh();
    // Its left-hand cell is its last: grabbing it moves the last end.
    const DragStart left = hitTest(e.grid, kGeometry, px(0, 1), py(0, 15));
    EXPECT_EQ(left.mode, DragMode::MovingLastEnd);
    EXPECT_EQ(left.light, reversed);
    EXPECT_EQ(hoverCursor(left), DragCursor::EndLeft);
    const DragStart right = hitTest(e.grid, kGeometry, px(4, 29), py(0, 15));
    EXPECT_EQ(right.mode, DragMode::MovingFirstEnd);
    EXPECT_EQ(hoverCursor(right), DragCursor::EndRight);
    EXPECT_EQ(hoverCursor(hitTest(e.grid, kGeometry, px(2, 15), py(0, 1))), DragCursor::MoveAcross);
    EXPECT_EQ(hoverCursor(hitTest(e.grid, kGeometry, px(2, 15), py(0, 15))), DragCursor::Arrow);
}

TEST(GridDrag, EndsMovePastEachOtherAndADragBackChangesNothing) {
    {
        // Dragged up and left in "Unnormalized" mode: a light read backwards.
        EditorGrid e(15, 0, false);
        e.drag(px(6, 15), py(3, 15), px(2, 15), py(2, 15));
        EXPECT_EQ(lightList(e.grid), (std::vector<std::string>{"(6,3)-(2,3)a"}));
    }
    EditorGrid e(15, 1);
    Light* light = e.grid.addLight({0, 0, 6, 0, 1, 0});
    light->setText("ABCDE");
    GridDrag drag(e.grid);
    // The first end dragged past the other: the light now lies on the other side, and
    // keeps its text.
    drag.press(kGeometry, px(0, 1), py(0, 15));
    ASSERT_EQ(drag.mode(), DragMode::MovingFirstEnd);
    drag.move(kGeometry, px(9, 15), py(0, 15));
    EXPECT_EQ(drag.cursor(), DragCursor::EndRight);
    EXPECT_EQ(drag.statusText(), "Moving light end: (1,7)-(1,10)a (4)");
    const DragOutcome outcome = drag.release();
    EXPECT_EQ(lightList(e.grid), (std::vector<std::string>{"(5,14)-(8,14)a", "(6,0)-(9,0)a"}));
    EXPECT_EQ(outcome.light, light);
    EXPECT_EQ(light->text(), "ABCDE");

    // Dragged out and back, or pressed and released: nothing changes and the grid is not
    // marked as edited.
    e.grid.writeGrid(testing::ScratchFolder().file("unchanged.tgr"));
    ASSERT_EQ(e.grid.undoState(), 0);
    drag.press(kGeometry, px(9, 29), py(0, 15));
    drag.move(kGeometry, px(12, 15), py(0, 15));
    drag.move(kGeometry, px(9, 15), py(0, 15));
    EXPECT_EQ(drag.release().kind, DragOutcome::Kind::SelectLight);
    drag.press(kGeometry, px(8, 15), py(0, 29));
    const DragOutcome still = drag.release();
    EXPECT_EQ(still.light, light);
    EXPECT_EQ(still.caret, 2);  // on the cell held
    EXPECT_EQ(e.grid.undoState(), 0);
}

TEST(GridDrag, EveryOutlineOfTheBandIsDrawnOnce) {
    // The middle row under a half turn is its own partner; read backwards in
    // "Unnormalized" mode it is still the same rectangle, which must not vanish by
    // being inverted twice.
    EditorGrid e(15, 1, false);
    GridDrag drag(e.grid);
    drag.press(kGeometry, px(0, 15), py(7, 15));
    drag.move(kGeometry, px(14, 15), py(7, 15));
    EXPECT_EQ(drag.bandOutlines().size(), 1u);
    // All eight symmetries on a square: a light along the top edge has eight distinct
    // partners, the middle row only itself and the middle column.
    EditorGrid all(15, 6);
    GridDrag eight(all.grid);
    eight.press(kGeometry, px(0, 15), py(0, 15));
    eight.move(kGeometry, px(3, 15), py(1, 15));  // one row, three columns: across
    EXPECT_EQ(eight.bandOutlines().size(), 8u);
    eight.cancel();
    eight.press(kGeometry, px(0, 15), py(7, 15));
    eight.move(kGeometry, px(14, 15), py(7, 15));
    const std::vector<LightSpec> outlines = eight.bandOutlines();
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(specText(outlines[1]), "(7,0)-(7,14)d");
}

TEST(GridDrag, ALightDeletedUnderTheDragIsLetGo) {
    EditorGrid e(5);
    e.grid.addLight({0, 0, 4, 0, 1, 0});
    Light* light = e.light(0, 0, Direction::Across);
    GridDrag drag(e.grid);
    drag.press(kGeometry, px(2, 15), py(0, 1));
    drag.lightDeleting(*light);
    e.grid.deleteLight(*light);
    drag.move(kGeometry, px(2, 15), py(3, 1));
    EXPECT_EQ(drag.release().kind, DragOutcome::Kind::Nothing);
    EXPECT_TRUE(e.grid.lights().empty());
}

TEST(GridDrag, TheScreenShowsTheCaretAndEveryOutlineOfTheBand) {
    EditorGrid e(5, 0, false);
    Light* forward = e.grid.createLights({{0, 0, 4, 0, 1, 0}});
    Light* backward = e.grid.createLights({{4, 2, 0, 2, -1, 0}});
    e.grid.cellAt(0, 1).setText("QU");  // two positions in one cell
    e.grid.refresh();
    ViewSettings settings;
    GridRenderer renderer(e.grid, settings);
    const RenderMetrics m = computeRenderMetrics(settings, DeviceTechnology::RasterDisplay,
                                                 ScreenScale::forScreen(96, 96, 100));
    auto box = [&](int row, int column) { return renderer.cellBox(e.grid.cellAt(row, column), m); };

    // At the leading edge of the caret's cell, a share of the way into a cell of several
    // characters, and at the trailing edge past the last position; always just inside the
    // selection outline, which runs along the cell box's edge pixels.
    EXPECT_EQ(renderer.caretBox(*forward, 0, m).left, box(0, 0).left + 1);
    EXPECT_EQ(renderer.caretBox(*forward, 0, m).top, box(0, 0).top + 1);
    EXPECT_EQ(renderer.caretBox(*forward, 0, m).bottom, box(0, 0).bottom - 1);
    EXPECT_EQ(renderer.caretBox(*forward, 1, m).left, box(0, 1).left + 1);
    const DeviceRect second = renderer.caretBox(*forward, 2, m);
    EXPECT_GT(second.left, box(0, 1).left + 1);
    EXPECT_LT(second.right, box(0, 1).right - 1);
    EXPECT_EQ(renderer.caretBox(*forward, 6, m).right, box(0, 4).right - 1);
    // Read right to left: the first position is at the right-hand edge of the right cell.
    EXPECT_EQ(renderer.caretBox(*backward, 0, m).right, box(2, 4).right - 1);
    EXPECT_EQ(renderer.caretBox(*backward, 5, m).left, box(2, 0).left + 1);

    RenderOptions options;
    options.interactive = true;
    options.selectedLight = forward;
    options.caret = 2;
    options.rubberBand = {{0, 4, 3, 4, 1, 0}, {1, 1, 1, 3, 0, 1}};
    RecordingSurface surface;
    renderer.paint(surface, options);
    const std::vector<DeviceRect> outlines = surface.outlines();
    ASSERT_EQ(outlines.size(), 3u);  // the selection, then the band's two rectangles
    EXPECT_EQ(outlines[1], renderer.specBox({0, 4, 3, 4, 1, 0}, m));
    EXPECT_EQ(surface.inversions(), std::vector<DeviceRect>{second});
}

// ---- Keys ----

// A standard blocked grid:
//   ..#..     across 1 (0,0)-(1,0), 2 (3,0)-(4,0), 5 row 2, 6 (0,4)-(1,4), 7 (3,4)-(4,4)
//   .#.#.     down   1 column 0, 3 column 4, 4 (2,1)-(2,3)
//   .....
//   .#.#.
//   ..#..
struct KeyGrid {
    KeyGrid() {
        grid.setKillList(&killList);
        grid.setting(GridSetting::Symmetry).setDefault(0);
        testing::layPicture(grid, {"..#..", ".#.#.", ".....", ".#.#.", "..#.."});
    }
    Light* at(int column, int row, Direction d) {
        return grid.lightOf(grid.cellAt(row, column), d);
    }
    // The light or cell the key selects, as "(x1,y1)-(x2,y2)a@caret" or "cell r,c".
    std::string press(const EditorSelection& from, NavigationKey key, bool control = false) {
        const EditorSelection to = navigate(grid, from, key, control);
        if (to.light)
            return specText(to.light->spec()) + "@" + std::to_string(to.caret);
        if (to.cell)
            return "cell " + std::to_string(to.cell->row()) + "," +
                   std::to_string(to.cell->column());
        return "nothing";
    }
    EditorSelection light(int column, int row, Direction d, int caret = 0) {
        return {at(column, row, d), caret, nullptr};
    }
    EditorSelection cell(int row, int column) { return {nullptr, 0, &grid.cellAt(row, column)}; }
    KillListWindows killList;
    Grid grid;
};

TEST(GridNavigation, ArrowsMoveTheCaretThenTheSelection) {
    KeyGrid k;
    const Direction a = Direction::Across;
    const Direction d = Direction::Down;
    using K = NavigationKey;
    EXPECT_EQ(k.press(k.light(0, 0, a), K::Right), "(0,0)-(1,0)a@1");
    EXPECT_EQ(k.press(k.light(0, 0, a, 1), K::Right), "(3,0)-(4,0)a@0");
    EXPECT_EQ(k.press(k.light(3, 0, a, 1), K::Right), "(0,0)-(1,0)a@0");  // round the row
    EXPECT_EQ(k.press(k.light(0, 0, a), K::Left), "(3,0)-(4,0)a@0");
    EXPECT_EQ(k.press(k.light(0, 0, a), K::Right, true), "(3,0)-(4,0)a@0");  // Ctrl skips
    EXPECT_EQ(k.press(k.light(0, 2, a, 3), K::Left), "(0,2)-(4,2)a@2");
    // Across the light: the nearest light of its direction in the next row that has one.
    EXPECT_EQ(k.press(k.light(0, 0, a), K::Down), "(0,2)-(4,2)a@0");
    EXPECT_EQ(k.press(k.light(0, 0, a), K::Up), "(0,4)-(1,4)a@0");
    // From the middle cell (2,2): nothing in row 3; in row 4 the nearer side first.
    EXPECT_EQ(k.press(k.light(0, 2, a), K::Down), "(0,4)-(1,4)a@0");
    EXPECT_EQ(k.press(k.light(2, 1, d), K::Right), "(4,0)-(4,4)d@0");
    EXPECT_EQ(k.press(k.light(0, 0, d), K::Left), "(4,0)-(4,4)d@0");
    EXPECT_EQ(k.press(k.light(2, 1, d, 1), K::Down), "(2,1)-(2,3)d@2");
    EXPECT_EQ(k.press(k.light(2, 1, d, 2), K::Down), "(2,1)-(2,3)d@0");  // alone in its column
    EXPECT_EQ(k.press(k.light(2, 1, d), K::Up), "(2,1)-(2,3)d@0");
}

TEST(GridNavigation, TabRunsThroughAcrossThenDownLights) {
    KeyGrid k;
    const Direction a = Direction::Across;
    const Direction d = Direction::Down;
    using K = NavigationKey;
    EXPECT_EQ(k.press(k.light(0, 0, a), K::Tab), "(3,0)-(4,0)a@0");
    EXPECT_EQ(k.press(k.light(3, 0, a), K::Tab), "(0,2)-(4,2)a@0");
    EXPECT_EQ(k.press(k.light(3, 4, a), K::Tab), "(0,0)-(0,4)d@0");
    EXPECT_EQ(k.press(k.light(2, 1, d), K::Tab), "(0,0)-(1,0)a@0");
    EXPECT_EQ(k.press(k.light(0, 0, a), K::BackTab), "(2,1)-(2,3)d@0");
    EXPECT_EQ(k.press(k.light(4, 0, d), K::BackTab), "(0,0)-(0,4)d@0");
    // With nothing selected Tab starts at the first light and Shift+Tab at the last.
    EXPECT_EQ(k.press({}, K::Tab), "(0,0)-(1,0)a@0");
    EXPECT_EQ(k.press({}, K::BackTab), "(2,1)-(2,3)d@0");
}

TEST(GridNavigation, JumpKeysFindTheFirstAndLastLightsOrCorners) {
    KeyGrid k;
    const Direction a = Direction::Across;
    const Direction d = Direction::Down;
    using K = NavigationKey;
    EXPECT_EQ(k.press({}, K::Home), "(0,0)-(1,0)a@0");
    EXPECT_EQ(k.press({}, K::End), "(2,1)-(2,3)d@0");
    EXPECT_EQ(k.press({}, K::PageUp), "(0,0)-(1,0)a@0");
    EXPECT_EQ(k.press({}, K::PageDown), "(2,1)-(2,3)d@0");
    EXPECT_EQ(k.press({}, K::Right), "(0,0)-(1,0)a@0");
    EXPECT_EQ(k.press({}, K::Up), "(2,1)-(2,3)d@0");
    // Page Up and Page Down keep the selected light's direction; Home and End do not.
    EXPECT_EQ(k.press(k.light(0, 2, a), K::PageDown), "(3,4)-(4,4)a@0");
    EXPECT_EQ(k.press(k.light(4, 0, d), K::PageUp), "(0,0)-(0,4)d@0");
    EXPECT_EQ(k.press(k.light(4, 0, d), K::Home), "(0,0)-(1,0)a@0");
    // A cell jumps to the corners and moves round the edges.
    EXPECT_EQ(k.press(k.cell(2, 2), K::Home), "cell 0,0");
    EXPECT_EQ(k.press(k.cell(2, 2), K::End), "cell 4,0");
    EXPECT_EQ(k.press(k.cell(2, 2), K::PageUp), "cell 0,4");
    EXPECT_EQ(k.press(k.cell(2, 2), K::PageDown), "cell 4,4");
    EXPECT_EQ(k.press(k.cell(0, 0), K::Left), "cell 0,4");
    EXPECT_EQ(k.press(k.cell(0, 0), K::Up), "cell 4,0");
    EXPECT_EQ(k.press(k.cell(4, 4), K::Down), "cell 0,4");
    EXPECT_EQ(k.press(k.cell(1, 4), K::Tab), "cell 2,0");
    EXPECT_EQ(k.press(k.cell(4, 4), K::Tab), "cell 0,0");
    EXPECT_EQ(k.press(k.cell(0, 0), K::BackTab), "cell 4,4");
    // Without lights the jump keys select corners.
    EditorGrid empty(3);
    EXPECT_EQ(navigate(empty.grid, {}, K::End).cell, &empty.grid.cellAt(2, 0));
    EXPECT_EQ(navigate(empty.grid, {}, K::Left).cell, &empty.grid.cellAt(2, 2));
}

TEST(GridNavigation, TheCaretMovesInReadingOrderInALightReadBackwards) {
    EditorGrid e(5, 0, false);
    Light* light = e.grid.createLights({{4, 0, 0, 0, -1, 0}});
    e.grid.refresh();
    const EditorSelection s{light, 0, nullptr};
    EXPECT_EQ(navigate(e.grid, s, NavigationKey::Left).caret, 1);
    EXPECT_EQ(navigate(e.grid, s, NavigationKey::Right).light, light);  // no other: itself
    EXPECT_EQ(navigate(e.grid, {light, 4, nullptr}, NavigationKey::Left).caret, 0);
    // A cell holding three characters takes three caret positions.
    e.grid.cellAt(0, 3).setText("QUE");
    EXPECT_EQ(lightTextPositions(*light), 7);
    EXPECT_EQ(navigate(e.grid, {light, 5, nullptr}, NavigationKey::Left).caret, 6);
}

// ---- Typing ----

std::string typed(const char* text, int positions, int caret, char ch, bool overwrite) {
    std::optional<std::string> t;
    if (text)
        t = text;
    const LightTextEdit edit = typeIntoLightText(t, positions, caret, ch, overwrite);
    return edit.text.value_or("(none)") + "@" + std::to_string(edit.caret);
}

TEST(GridTyping, LightTextsInsertOverwriteAndBackspace) {
    EXPECT_EQ(typed(nullptr, 5, 0, 'A', false), "A@1");
    EXPECT_EQ(typed(nullptr, 5, 2, 'A', false), "..A@3");
    EXPECT_EQ(typed("ABC", 5, 1, 'X', false), "AXBC@2");
    EXPECT_EQ(typed("ABC", 5, 1, 'X', true), "AXC@2");
    EXPECT_EQ(typed("ABC", 5, 1, ' ', true), "A.C@2");
    EXPECT_EQ(typed("ABC", 5, 2, ' ', true), "AB@3");  // a trailing unknown is not kept
    EXPECT_EQ(typed("ABC", 5, 2, '\b', false), "AC@1");
    EXPECT_EQ(typed("ABC", 5, 0, '\b', false), "ABC@0");  // backspace at 0 stays at 0
    EXPECT_EQ(typed("A", 5, 1, '\b', false), "(none)@0");
    EXPECT_EQ(typed("ABC", 5, 5, '\b', false), "ABC@4");  // before the caret lies nothing
    // An insertion into a full light drops what it pushes past the last cell.
    EXPECT_EQ(typed("ABCDE", 5, 1, 'X', false), "AXBCD@2");
    // Past the last position nothing is typed; a text longer than the light keeps its
    // length.
    EXPECT_EQ(typed("ABCDE", 5, 5, 'X', false), "ABCDE@5");
    EXPECT_EQ(typed("ABCDEFG", 5, 1, 'X', false), "AXBCDEF@2");
    EXPECT_EQ(typed("ABC", 5, 1, '\x7f', false), "ABC@1");

    const LightTextEdit del = deleteInLightText(std::string("ABC"), 1);
    EXPECT_EQ(del.text, "AC");
    EXPECT_EQ(del.caret, 1);
    EXPECT_FALSE(deleteInLightText(std::string("ABC"), 3).changed);
}

TEST(GridTyping, ACellTakesItsOwnTextWithCapsLockAndItsLightsTextsWithout) {
    KeyGrid k;
    Light* across = k.at(0, 2, Direction::Across);
    Light* down = k.at(2, 1, Direction::Down);
    Cell& cell = k.grid.cellAt(2, 2);

    typeIntoCell(k.grid, cell, 'Q', false);
    EXPECT_EQ(across->text(), "..Q");
    EXPECT_EQ(down->text(), ".Q");
    EXPECT_FALSE(cell.text());
    EXPECT_EQ(k.grid.undoState(), 2);

    typeIntoCell(k.grid, cell, 'Z', true);
    EXPECT_EQ(cell.text(), "Z");
    EXPECT_EQ(across->text(), "..Q");
    EXPECT_EQ(cell.shownText(), "Z");
    EXPECT_TRUE(cell.textClash());
    typeIntoCell(k.grid, cell, ' ', true);
    EXPECT_FALSE(cell.text());

    cell.setFilledLetter(3);
    typeIntoCell(k.grid, cell, '\b', false);
    EXPECT_FALSE(across->text());
    EXPECT_FALSE(down->text());
    EXPECT_EQ(cell.filledLetter(), kNoLetter);
}

TEST(GridTyping, TypedLettersAreShownAsTheDictionaryShowsThem) {
    testing::ScratchFolder folder;
    const std::string path = folder.file("words.lxd");
    ASSERT_TRUE(testing::buildDictionary("apple\nberry\n", path));
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(path));
    EXPECT_EQ(displayCharacter('p', &dictionary), 'P');
    EXPECT_EQ(displayCharacter('Y', &dictionary), 'Y');
    EXPECT_EQ(displayCharacter('-', &dictionary), '-');  // no letter of its alphabet
    EXPECT_EQ(displayCharacter('q', nullptr), 'q');
    EXPECT_FALSE(isTypedCharacter('\t'));
    EXPECT_TRUE(isTypedCharacter('\b'));
    EXPECT_TRUE(isTypedCharacter(' '));
}

}  // namespace
}  // namespace tessaran
