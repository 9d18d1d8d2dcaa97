#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "output/PainterSurfaceWindows.h"

namespace tessaran {
namespace {

struct Canvas {
    QImage image{120, 80, QImage::Format_RGB32};
    Canvas() { image.fill(Qt::white); }

    template <typename Draw>
    void draw(Draw draw) {
        QPainter painter(&image);
        PainterSurfaceWindows surface(painter, DeviceTechnology::RasterDisplay, 96, 96);
        draw(surface);
    }
    // The smallest rectangle holding every pixel that is not white.
    QRect ink() const {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xffffff) != 0xffffff)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

FontSpec screenFont(const FontSpec& twips) {
    FontSpec font = twips;
    font.height = twips.height / 15;
    return font;
}

TEST(PainterSurface, WindowsFacesAreDrawnWithInstalledOnesOfTheSameWeightAndSize) {
    const QFont system = qtFontWindows(screenFont(FontSpec::defaultTextFont()), 96);
    EXPECT_EQ(QFontInfo(system).family(), "DejaVu Sans");
    EXPECT_EQ(system.weight(), QFont::Bold);
    EXPECT_EQ(system.pixelSize(), 12);
    const QFont small = qtFontWindows(screenFont(FontSpec::defaultNumberFont()), 96);
    EXPECT_EQ(QFontInfo(small).family(), "DejaVu Sans");
    EXPECT_EQ(small.weight(), QFont::Normal);
    // A positive height is the whole character cell, so the em is smaller.
    FontSpec cell = FontSpec::defaultTextFont();
    cell.height = 20;
    EXPECT_LT(qtFontWindows(cell, 96).pixelSize(), 20);
    EXPECT_GT(qtFontWindows(cell, 96).pixelSize(), 12);
    FontSpec unsized = FontSpec::defaultTextFont();
    unsized.height = 0;
    EXPECT_EQ(qtFontWindows(unsized, 96).pixelSize(), 12);
    EXPECT_EQ(qtFontWindows(unsized, 1440).pixelSize(), 180);
}

TEST(PainterSurface, LettersCentreOnTheirPointAndSitOnTheBaseline) {
    Canvas canvas;
    TextStyle style;
    style.horizontal = HorizontalAlign::Centre;
    style.vertical = VerticalAlign::Baseline;
    canvas.draw([&](DrawingSurface& s) {
        s.drawText(60, 50, "W", screenFont(FontSpec::defaultTextFont()), style);
    });
    const QRect ink = canvas.ink();
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 60.0, 1.5);
    EXPECT_EQ(ink.bottom(), 49);  // W has no descender: its ink ends on the baseline
    EXPECT_GE(ink.height(), 7);
}

TEST(PainterSurface, CornerAlignmentsKeepTheTextInsideTheCell) {
    Canvas canvas;
    const FontSpec font = screenFont(FontSpec::defaultNumberFont());
    TextStyle topLeft;
    canvas.draw([&](DrawingSurface& s) { s.drawText(10, 10, "12", font, topLeft); });
    QRect ink = canvas.ink();
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.left(), 12);
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.top(), 13);

    Canvas other;
    TextStyle bottomRight;
    bottomRight.horizontal = HorizontalAlign::Right;
    bottomRight.vertical = VerticalAlign::Bottom;
    other.draw([&](DrawingSurface& s) { s.drawText(100, 60, "7", font, bottomRight); });
    ink = other.ink();
    EXPECT_LE(ink.right(), 99);
    EXPECT_GE(ink.right(), 96);
    EXPECT_LE(ink.bottom(), 59);
}

TEST(PainterSurface, OpaqueBoxesAndInversion) {
    Canvas canvas;
    TextStyle style;
    style.horizontal = HorizontalAlign::Centre;
    style.vertical = VerticalAlign::Baseline;
    style.box = TextBox::CharacterCell;
    style.boxColour = rgb(255, 0, 0);
    style.colour = rgb(255, 255, 255);
    canvas.draw([&](DrawingSurface& s) {
        s.drawText(60, 50, " ", screenFont(FontSpec::defaultTextFont()), style);
    });
    // A space on a character cell box: a red box centred on the point.
    const QRect box = canvas.ink();
    EXPECT_EQ(canvas.image.pixel(60, 45) & 0xffffff, 0xff0000u);
    EXPECT_NEAR((box.left() + box.right() + 1) / 2.0, 60.0, 1.0);
    EXPECT_GT(box.bottom(), 50);  // down to the descent
    EXPECT_LT(box.top(), 40);     // up to the ascent

    // Outlining twice gives the picture back.
    const QImage before = canvas.image;
    canvas.draw([&](DrawingSurface& s) { s.invertOutline({20, 20, 100, 70}); });
    EXPECT_NE(canvas.image, before);
    EXPECT_EQ(canvas.image.pixel(20, 30) & 0xffffff, 0x000000u);  // white inverted
    EXPECT_EQ(canvas.image.pixel(99, 69) & 0xffffff, 0x000000u);
    EXPECT_EQ(canvas.image.pixel(100, 70) & 0xffffff, 0xffffffu);
    canvas.draw([&](DrawingSurface& s) { s.invertOutline({20, 20, 100, 70}); });
    EXPECT_EQ(canvas.image, before);

    // An inverted block turns the red box cyan and the white around it black, exactly
    // over its rectangle; inverting again gives the picture back.
    canvas.draw([&](DrawingSurface& s) { s.invertRect({40, 30, 80, 60}); });
    EXPECT_EQ(canvas.image.pixel(60, 45) & 0xffffff, 0x00ffffu);
    EXPECT_EQ(canvas.image.pixel(40, 30) & 0xffffff, 0x000000u);
    EXPECT_EQ(canvas.image.pixel(79, 59) & 0xffffff, 0x000000u);
    EXPECT_EQ(canvas.image.pixel(80, 59) & 0xffffff, 0xffffffu);
    EXPECT_EQ(canvas.image.pixel(79, 60) & 0xffffff, 0xffffffu);
    canvas.draw([&](DrawingSurface& s) { s.invertRect({40, 30, 80, 60}); });
    EXPECT_EQ(canvas.image, before);
}

}  // namespace
}  // namespace tessaran
