#include <gtest/gtest.h>

#include <algorithm>

#include "grid/GridTestSupport.h"
#include "output/GridRenderer.h"
#include "output/RecordingSurface.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);

// A 2 x 2 barred grid: two across lights, one above the other, and nothing down.
struct BarredGrid : testing::GridFixture {
    ViewSettings settings;
    BarredGrid() : GridFixture(2, 2) {
        across(0, 0, 2)->setText("NO");
        across(0, 1, 2)->setText("ON");
        grid.refresh();
    }
    RecordingSurface paint(RenderOptions options = exportOptions(),
                           DeviceTechnology technology = DeviceTechnology::RasterDisplay) {
        RecordingSurface surface(technology);
        GridRenderer(grid, settings).paint(surface, options);
        return surface;
    }
    static RenderOptions exportOptions() {
        RenderOptions options;
        options.showNumbers = options.showText = true;
        return options;
    }
};

// The colours of a run of pixels along a row or column, 'X' black, '.' white, ' ' none.
std::string scan(const RecordingSurface& s, int x, int y, int dx, int dy, int count) {
    std::string out;
    for (int i = 0; i < count; ++i, x += dx, y += dy) {
        const auto colour = s.colourAt(x, y);
        out += !colour ? ' ' : *colour == kBlack ? 'X' : *colour == kWhite ? '.' : '?';
    }
    return out;
}

TEST(GridRenderer, DefaultDimensionsAt96DpiPlaceRulesBarsAndBorders) {
    BarredGrid g;
    const RecordingSurface s = g.paint();
    // Across the top row of cells: a 2-pixel border, a 33-pixel cell whose last pixel is
    // the rule, the next cell, and the right border of 1 rule + 1 border pixel.
    const std::string row = scan(s, 0, 10, 1, 0, 70);
    EXPECT_EQ(row, "XX" + std::string(32, '.') + "X" + std::string(32, '.') + "XX ");
    // Down the first column: the top border, then a 3-pixel bar centred on where the rule
    // would be (pixels 33 to 35), then the second row and the bottom border.
    const std::string column = scan(s, 10, 0, 0, 1, 70);
    EXPECT_EQ(column, "XX" + std::string(31, '.') + "XXX" + std::string(31, '.') + "XX ");
}

// Bars meeting in an L: the cell at row 1, column 2 gets a bar corner at its top left.
struct CornerGrid : testing::GridFixture {
    CornerGrid() : GridFixture(3, 2) {
        across(0, 0, 2);
        across(0, 1, 3);
        down(2, 0, 2);
        grid.refresh();
    }
};

struct BarStyle {
    const char* name;
    int barWidth, ruleWidth, lopsided;
};

class BackgroundBands : public ::testing::TestWithParam<BarStyle> {};

// Every pixel of the picture is painted, and a pixel left in the background colour was
// painted exactly once: the bands never reach under bars, rules or corners.
TEST_P(BackgroundBands, NeverPaintOverWhatWasDrawn) {
    for (int gridIndex = 0; gridIndex < 2; ++gridIndex) {
        BarredGrid barred;
        CornerGrid corner;
        const Grid& grid = gridIndex == 0 ? barred.grid : corner.grid;
        ViewSettings settings;
        for (DisplayDimension d : {DisplayDimension::BarWidth, DisplayDimension::BarHeight})
            settings.dimension(d).setOverride(GetParam().barWidth);
        for (DisplayDimension d : {DisplayDimension::RuleWidth, DisplayDimension::RuleHeight})
            settings.dimension(d).setOverride(GetParam().ruleWidth);
        settings.dimension(DisplayDimension::BarStyleLopsided).setOverride(GetParam().lopsided);
        RecordingSurface s;
        GridRenderer(grid, settings).paint(s, {});
        const RenderMetrics m =
            computeRenderMetrics(settings, DeviceTechnology::RasterDisplay, ScreenScale{15, 15});
        for (int y = 0; y < m.pictureHeight(grid.rows()); ++y)
            for (int x = 0; x < m.pictureWidth(grid.columns()); ++x) {
                ASSERT_GE(s.coverageAt(x, y), 1) << x << "," << y;
                if (s.colourAt(x, y) == kWhite) {
                    ASSERT_EQ(s.coverageAt(x, y), 1) << x << "," << y;
                }
            }
        if (gridIndex == 1) {
            // Where the two bars meet, and (with centred bars, which reach into the cell)
            // the corner square at the top left of the cell at row 1, column 2.
            const int x = m.borderWidth + 2 * m.cellWidth, y = m.borderHeight + m.cellHeight;
            EXPECT_EQ(s.colourAt(x - 1, y - 1), kBlack);
            if (!GetParam().lopsided) {
                EXPECT_EQ(s.colourAt(x, y), kBlack);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, BackgroundBands,
                         ::testing::Values(BarStyle{"Centred", 50, 20, 0},
                                           BarStyle{"Lopsided", 50, 20, 1},
                                           BarStyle{"RuleWiderThanBar", 20, 60, 0},
                                           BarStyle{"LopsidedWideRule", 20, 60, 1},
                                           BarStyle{"HeavyBars", 120, 20, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GridRenderer, LopsidedBarsLieInTheUpperCell) {
    BarredGrid g;
    g.settings.dimension(DisplayDimension::BarStyleLopsided).setOverride(1);
    const RecordingSurface s = g.paint();
    EXPECT_EQ(scan(s, 10, 30, 0, 1, 8), "..XXX...");  // 32 to 34, then row 2 from 35
}

TEST(GridRenderer, NumbersAndLettersAtTheirOffsets) {
    BarredGrid g;
    const RecordingSurface s = g.paint();
    ASSERT_EQ(s.textStrings(), (std::vector<std::string>{"1", "N", "O", "2", "O", "N"}));
    const auto& number = s.texts()[0];
    EXPECT_EQ(number.x, 2 + 1);  // border, then NumberOffsetX 20 twips
    EXPECT_EQ(number.y, 2 + 1);
    EXPECT_EQ(number.style.horizontal, HorizontalAlign::Left);
    EXPECT_EQ(number.style.vertical, VerticalAlign::Top);
    EXPECT_EQ(number.font.height, -9);  // -132 twips on screen
    const auto& letter = s.texts()[2];
    EXPECT_EQ(letter.x, 35 + 18);  // second cell, TextOffsetX 280 twips
    EXPECT_EQ(letter.y, 2 + 21);
    EXPECT_EQ(letter.style.horizontal, HorizontalAlign::Centre);
    EXPECT_EQ(letter.style.vertical, VerticalAlign::Baseline);
    EXPECT_EQ(letter.font.height, -12);
    EXPECT_EQ(letter.font.weight, 700);
}

TEST(GridRenderer, SwitchesDecideLettersAndNumbersOutsideTheEditor) {
    BarredGrid g;
    RenderOptions numbersOnly;
    numbersOnly.showNumbers = true;
    EXPECT_EQ(g.paint(numbersOnly).textStrings(), (std::vector<std::string>{"1", "2"}));
    RenderOptions lettersOnly;
    lettersOnly.showText = true;
    EXPECT_EQ(g.paint(lettersOnly).textStrings().size(), 4u);
    EXPECT_TRUE(g.paint(RenderOptions{}).texts().empty());
}

TEST(GridRenderer, CornerNumbersAndOwnFontsAndColours) {
    BarredGrid g;
    g.at(1, 1).setNumber(CellCorner::NorthEast, "7");
    g.at(1, 1).setNumber(CellCorner::SouthWest, "9");
    g.at(1, 1).setBackgroundColour(rgb(255, 255, 0));
    FontSpec big = FontSpec::defaultTextFont();
    big.height = -300;
    big.colour = rgb(0, 0, 255);
    g.grid.lightInSlot(1)->setTextFont(big);
    g.grid.refresh();
    const RecordingSurface s = g.paint();
    EXPECT_EQ(s.colourAt(50, 50), rgb(255, 255, 0));
    EXPECT_EQ(s.colourAt(20, 50), kWhite);
    auto find = [&](const std::string& text) {
        return *std::find_if(s.texts().begin(), s.texts().end(),
                             [&](const auto& t) { return t.text == text; });
    };
    const auto ne = find("7");
    EXPECT_EQ(ne.x, 35 + 33 - 1 - 1);  // right edge less offset and rule
    EXPECT_EQ(ne.style.horizontal, HorizontalAlign::Right);
    const auto sw = find("9");
    EXPECT_EQ(sw.y, 35 + 33 - 1 - 1);
    EXPECT_EQ(sw.style.vertical, VerticalAlign::Bottom);
    // Row 2's letters use their light's font and its colour.
    EXPECT_EQ(s.texts().back().font.height, -20);
    EXPECT_EQ(s.texts().back().style.colour, rgb(0, 0, 255));
}

TEST(GridRenderer, OverlongTextsAreNotDrawn) {
    BarredGrid g;
    g.at(0, 0).setText(std::string(99, 'A'));
    g.grid.refresh();
    const RecordingSurface s = g.paint();
    ASSERT_FALSE(s.texts().empty());
    for (const auto& text : s.texts())
        EXPECT_LT(text.text.size(), 99u);
    // Nor by the fast redisplay of a fill, even before the first paint.
    RenderOptions screen;
    screen.interactive = true;
    RecordingSurface fast;
    GridRenderer(g.grid, g.settings).redisplayFillLetters(fast, screen);
    ASSERT_FALSE(fast.texts().empty());
    for (const auto& text : fast.texts())
        EXPECT_LT(text.text.size(), 99u);
}

TEST(GridRenderer, BlocksAreFilledAndHolesStayPaper) {
    testing::GridFixture f(3, 1);
    f.at(0, 2).setBlockType(1);
    ViewSettings settings;
    RecordingSurface s;
    GridRenderer(f.grid, settings).paint(s, {});
    // Two filled blocks, then a hole at the grid's edge: its left border is one pixel
    // (the block fills its own rule's place), nothing is painted inside it, and the grid
    // has no border beyond a hole.
    EXPECT_EQ(scan(s, 0, 10, 1, 0, 104), std::string(2 + 66 + 1, 'X') + std::string(35, ' '));
}

TEST(GridRenderer, PrinterRowsRunDownThePage) {
    BarredGrid g;
    const RecordingSurface s = g.paint(BarredGrid::exportOptions(), DeviceTechnology::Printer);
    // Twips with y growing upward: everything lies at or below the origin.
    for (const auto& rect : s.rects()) {
        EXPECT_LE(rect.rect.bottom, 0);
        EXPECT_LT(rect.rect.top, rect.rect.bottom);
    }
    EXPECT_EQ(s.colourAt(100, -10), kBlack);  // top border, 30 twips
    EXPECT_EQ(s.colourAt(100, -40), kWhite);
    const auto& firstRow = s.texts()[1];
    const auto& secondRow = s.texts()[4];
    EXPECT_EQ(firstRow.y, -(30 + 320));
    EXPECT_EQ(secondRow.y, -(30 + 500 + 320));
    EXPECT_EQ(firstRow.font.height, -187);
}

TEST(GridRenderer, ScreenAddsMarginsGraticuleAndSelection) {
    testing::GridFixture f(2, 1);
    Light* light = f.across(0, 0, 2);
    f.grid.refresh();
    ViewSettings settings;
    RenderOptions options;
    options.interactive = true;
    options.windowColour = rgb(192, 192, 192);
    options.selectedLight = light;
    RecordingSurface s;
    GridRenderer(f.grid, settings).paint(s, options);
    // The grid sits one margin (10 pixels) in; the margin is the window colour.
    EXPECT_EQ(s.colourAt(5, 5), rgb(192, 192, 192));
    EXPECT_EQ(s.colourAt(10, 20), kBlack);
    EXPECT_EQ(s.colourAt(12, 20), kWhite);
    ASSERT_EQ(s.outlines().size(), 1u);
    EXPECT_EQ(s.outlines()[0],
              (DeviceRect{10 + 2 + 4 - 1, 10 + 2 + 4 - 1, 15 + 66 - 8, 15 + 33 - 8}));

    // Not interactive on a metafile, whatever the caller asks.
    RecordingSurface metafile(DeviceTechnology::Metafile);
    GridRenderer(f.grid, settings).paint(metafile, options);
    EXPECT_TRUE(metafile.outlines().empty());
    EXPECT_EQ(metafile.colourAt(0, 0), kBlack);
}

TEST(GridRenderer, SelectionMarksInvertSoTheNumberUnderThemStaysReadable) {
    BarredGrid g;
    const Light* light = g.grid.cellAt(0, 0).lightA();
    ASSERT_NE(light, nullptr);
    RenderOptions options;
    options.interactive = true;
    options.selectedLight = light;
    options.caret = 0;  // the mark stands at the numbered first cell
    const RecordingSurface s = g.paint(options);
    ASSERT_EQ(s.texts()[0].text, "1");
    const int numberX = s.texts()[0].x;
    const int numberY = s.texts()[0].y;
    ASSERT_EQ(s.inversions().size(), 1u);
    const DeviceRect caret = s.inversions()[0];
    // The mark lies over the number's first pixels yet nothing opaque covers them: what
    // shows there is the number on the cell's background, inverted.
    EXPECT_LT(caret.left, numberX + 4);
    EXPECT_LT(caret.top, numberY + 4);
    for (int x = caret.left; x < caret.right; ++x)
        for (int y = caret.top; y < caret.bottom; ++y)
            ASSERT_EQ(s.colourAt(x, y), kWhite) << x << "," << y;
    // It keeps clear of the outline, whose inversion would otherwise cancel its own.
    ASSERT_EQ(s.outlines().size(), 1u);
    const DeviceRect outline = s.outlines()[0];
    EXPECT_GT(caret.left, outline.left);
    EXPECT_GT(caret.top, outline.top);
    EXPECT_LE(caret.bottom, outline.bottom - 1);  // the outline's last row is bottom - 1

    // A selected cell is outlined only.
    options.selectedLight = nullptr;
    options.selectedCell = &g.grid.cellAt(0, 0);
    const RecordingSurface cell = g.paint(options);
    EXPECT_TRUE(cell.inversions().empty());
    EXPECT_EQ(cell.outlines().size(), 1u);
    EXPECT_EQ(cell.colourAt(numberX + 2, numberY + 2), kWhite);
}

TEST(GridRenderer, ArrowsFollowTheUnchCheck) {
    // Two across lights of two unchecked cells each; the second reads backwards.
    testing::GridFixture f(2, 2);
    f.grid.setting(GridSetting::DirectionMode).setOverride(1);
    f.across(0, 0, 2);
    f.grid.createLights({{1, 1, 0, 1, -1, 0}});
    f.grid.refresh();
    ViewSettings settings;
    settings.underunchedColour = rgb(0, 0, 255);
    settings.overunchedColour = rgb(255, 0, 0);
    RenderOptions options;
    options.interactive = true;
    auto arrows = [&] {
        RecordingSurface s;
        GridRenderer(f.grid, settings).paint(s, options);
        return s.polygons();
    };
    EXPECT_TRUE(arrows().empty());  // "Never" by default
    settings.arrowMode = ArrowMode::IfOutOfRange;
    EXPECT_TRUE(arrows().empty());  // within the (absent) limits
    settings.arrowMode = ArrowMode::Always;
    auto drawn = arrows();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].colour, rgb(0, 0, 0));
    // Box of the first light: from (10 + 2 + 4 - 1, ...) and 66 - 8 wide by 33 - 8 high;
    // the arrow size is 6, its base 2 x 4 long.
    const int left = 15, top = 15, centre = top + 25 / 2;
    EXPECT_EQ(drawn[0].points, (std::vector<DevicePoint>{
                                   {left, centre - 4}, {left, centre + 4}, {left + 6, centre}}));
    // The reversed light's arrow sits on the right edge of its box and points left.
    const int right = left + 58;
    EXPECT_EQ(drawn[1].points[0].x, right);
    EXPECT_EQ(drawn[1].points[2].x, right - 6);

    // Lights of two must have one unch at most and no run of two.
    UnchModel model;
    model.maxConsecutive = 1;
    model.minUnched = {0, 0};
    model.maxUnched = {1, 1};
    f.grid.setUnchModel(model);
    settings.arrowMode = ArrowMode::IfOutOfRange;
    drawn = arrows();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].colour, rgb(255, 0, 0));
    // Now two unches are required: within the limits until a down light checks cells.
    model.minUnched = {0, 2};
    model.maxUnched = {1, 2};
    model.maxConsecutive = 2;
    f.grid.setUnchModel(model);
    EXPECT_TRUE(arrows().empty());
    f.down(1, 0, 2);
    f.grid.refresh();
    drawn = arrows();
    ASSERT_EQ(drawn.size(), 3u);
    for (const auto& arrow : drawn)
        EXPECT_EQ(arrow.colour, rgb(0, 0, 255));
}

TEST(GridRenderer, ScreenOutlinesHolesWithGraticuleLines) {
    // A filled block, then two holes.
    testing::GridFixture f(3, 1);
    f.at(0, 1).setBlockType(1);
    f.at(0, 2).setBlockType(1);
    ViewSettings settings;
    RenderOptions options;
    options.interactive = true;
    options.windowColour = rgb(192, 192, 192);
    auto draw = [&] {
        RecordingSurface s;
        GridRenderer(f.grid, settings).paint(s, options);
        return s;
    };
    auto row = [](const RecordingSurface& s, int y) {
        std::string out;
        for (int x = 8; x < 114; ++x) {
            const auto colour = s.colourAt(x, y);
            out += !colour                         ? ' '
                   : *colour == kBlack             ? 'X'
                   : *colour == rgb(192, 192, 192) ? '-'
                                                   : '?';
        }
        return out;
    };
    // From x = 8: margin, the 2-pixel border, the block, the first hole's border (the
    // block has no rule to give it), grey inside, a graticule line between the holes and
    // another at the grid's edge, where no border runs beyond a hole.
    const std::string expected = "--XX" + std::string(33, 'X') + "X" + std::string(31, '-') + "X" +
                                 std::string(32, '-') + "X" + "---";
    const RecordingSurface lined = draw();
    EXPECT_EQ(row(lined, 30), expected);
    // Within the picture (the margins may overlap at their corners) grey is painted once.
    for (int y = 10; y < 10 + 2 * 2 + 33 - 1; ++y)
        for (int x = 10; x < 10 + 2 * 2 + 3 * 33 - 1; ++x)
            if (lined.colourAt(x, y) == rgb(192, 192, 192)) {
                ASSERT_EQ(lined.coverageAt(x, y), 1) << x << "," << y;
            }
    // Above the holes the graticule closes them too.
    EXPECT_EQ(lined.colourAt(60, 11), kBlack);
    EXPECT_EQ(lined.colourAt(60, 12), rgb(192, 192, 192));
    EXPECT_EQ(lined.colourAt(60, 44), kBlack);

    settings.graticule = false;
    std::string plain = expected;
    plain[77 - 8] = plain[110 - 8] = '-';
    EXPECT_EQ(row(draw(), 30), plain);
}

TEST(GridRenderer, ScreenShowsProvisionalLettersAndClashes) {
    BarredGrid g;
    g.at(0, 0).setText("X");  // clashes with the light's N
    g.grid.lightInSlot(1)->clearText();
    g.at(1, 0).setFilledLetter(3);
    g.at(1, 1).setFixedLetter(4);
    g.settings.mainBranchFillingColour = rgb(0, 128, 0);
    g.settings.sideBranchFillingColour = rgb(128, 0, 0);
    g.grid.refresh();
    RenderOptions options;
    options.interactive = true;
    options.letterText = [](std::uint8_t letter) {
        return std::string(1, static_cast<char>('A' + letter));
    };
    RecordingSurface s;
    GridRenderer(g.grid, g.settings).paint(s, options);
    auto find = [&](const std::string& text) {
        return *std::find_if(s.texts().begin(), s.texts().end(),
                             [&](const auto& t) { return t.text == text; });
    };
    EXPECT_EQ(find("X").style.box, TextBox::Extent);
    EXPECT_EQ(find("X").style.colour, kWhite);
    EXPECT_EQ(find("X").style.boxColour, kBlack);
    EXPECT_EQ(find("D").style.colour, rgb(128, 0, 0));  // filled letter
    EXPECT_EQ(find("E").style.colour, rgb(0, 128, 0));  // fixed letter

    // Exports never show provisional letters.
    EXPECT_EQ(g.paint().textStrings(), (std::vector<std::string>{"1", "X", "O", "2"}));
}

TEST(GridRenderer, FastRedisplayDrawsOnlyChangedLetters) {
    BarredGrid g;
    RenderOptions options;
    options.interactive = true;
    options.letterText = [](std::uint8_t letter) {
        return std::string(1, static_cast<char>('A' + letter));
    };
    GridRenderer renderer(g.grid, g.settings);
    RecordingSurface first;
    renderer.paint(first, options);
    RecordingSurface unchanged;
    renderer.redisplayFillLetters(unchanged, options);
    EXPECT_TRUE(unchanged.texts().empty());

    g.grid.lightInSlot(1)->clearText();
    g.grid.refresh();
    g.at(1, 1).setFilledLetter(25);
    RecordingSurface changed;
    renderer.redisplayFillLetters(changed, options);
    ASSERT_EQ(changed.textStrings(), (std::vector<std::string>{" ", "Z"}));
    EXPECT_EQ(changed.texts()[1].style.box, TextBox::CharacterCell);
    EXPECT_EQ(changed.texts()[1].style.boxColour, kWhite);
    EXPECT_TRUE(changed.rects().empty());
}

}  // namespace
}  // namespace tessaran
