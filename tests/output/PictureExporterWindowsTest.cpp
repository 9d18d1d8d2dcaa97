#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "grid/GridTestSupport.h"
#include "output/PictureExporterWindows.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

// A 3 x 2 grid: an across light of three cells over a filled block and two cells of a
// second across light, so that a bar runs under the second and third cells.
struct PictureFixture : testing::GridFixture {
    ViewSettings settings;
    PictureExporterWindows exporter;
    PictureFixture() : GridFixture(3, 2) {
        across(0, 0, 3)->setText("CAT");
        across(1, 1, 2)->setText("OX");
        grid.refresh();
    }
    QImage picture(ExportKind kind, bool numbers = true, bool answers = true) {
        const auto bytes = exporter.drawPicture(kind, grid, settings, numbers, answers);
        EXPECT_TRUE(bytes.has_value());
        if (!bytes)
            return {};
        return QImage::fromData(QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
    }
};

// 'X' black, '.' white, '?' anything else, along a row or column.
std::string scan(const QImage& image, int x, int y, int dx, int dy, int count) {
    std::string out;
    for (int i = 0; i < count; ++i, x += dx, y += dy) {
        const QRgb pixel = image.pixel(x, y) & 0xffffff;
        out += pixel == 0 ? 'X' : pixel == 0xffffff ? '.' : '?';
    }
    return out;
}

TEST(PictureExport, BitmapAt96DpiAndFullSize) {
    PictureFixture f;
    const QImage bmp = f.picture(ExportKind::Bitmap);
    ASSERT_FALSE(bmp.isNull());
    // 2-pixel borders, 33-pixel cells and no rule after the last: 2 + 3 x 33 - 1 + 2.
    EXPECT_EQ(bmp.width(), 2 * 2 + 3 * 33 - 1);
    EXPECT_EQ(bmp.height(), 2 * 2 + 2 * 33 - 1);
    EXPECT_EQ(bmp.dotsPerMeterX(), 3780);
    // Along the second row, below the letters: the border, a filled block (which fills
    // its rule's place), a cell with its 1-pixel rule, a cell, and the right border.
    EXPECT_EQ(scan(bmp, 0, 60, 1, 0, 102), "XX" + std::string(33, 'X') + std::string(32, '.') +
                                               "X" + std::string(32, '.') + "XX");
    // Down the middle column: top border, the cell, a 3-pixel bar centred on the
    // boundary (one pixel of it inside the lower cell), the lower cell, the bottom border.
    EXPECT_EQ(scan(bmp, 45, 0, 0, 1, 69),
              "XX" + std::string(31, '.') + "XXX" + std::string(31, '.') + "XX");
    // The first column's lower cell is the filled block: a rule above it, no bar.
    EXPECT_EQ(scan(bmp, 20, 30, 0, 1, 8), "....XXXX");
    // Letters and numbers are drawn in black on white somewhere in the first cell.
    bool inked = false;
    for (int y = 3; y < 33; ++y)
        for (int x = 3; x < 33; ++x)
            inked |= (bmp.pixel(x, y) & 0xffffff) != 0xffffff;
    EXPECT_TRUE(inked);
}

TEST(PictureExport, BlankGridHasNoInkInsideCells) {
    PictureFixture f;
    const QImage png = f.picture(ExportKind::Png, false, false);
    ASSERT_FALSE(png.isNull());
    for (int y = 2; y < 33; ++y)
        for (int x = 2; x < 34; ++x)
            ASSERT_EQ(png.pixel(x, y) & 0xffffff, 0xffffffu) << x << "," << y;
}

TEST(PictureExport, ZoomScalesTheBitmap) {
    PictureFixture f;
    f.settings.zoomFactor = 150;  // divisor 10: 50-pixel cells, 3-pixel borders, 2-pixel rules
    const QImage bmp = f.picture(ExportKind::Bitmap);
    EXPECT_EQ(bmp.width(), 2 * 3 + 3 * 50 - 2);
    f.settings.zoomFactor = 50;  // divisor 30: 16-pixel cells, 1-pixel rules and borders
    EXPECT_EQ(f.picture(ExportKind::Png).width(), 2 * 1 + 3 * 16 - 1);
}

TEST(PictureExport, SvgIsDrawnInTwipsAndMatchesTheBitmap) {
    PictureFixture f;
    const auto svg = f.exporter.drawPicture(ExportKind::Svg, f.grid, f.settings, false, false);
    ASSERT_TRUE(svg);
    QSvgRenderer renderer(QByteArray(svg->data(), static_cast<qsizetype>(svg->size())));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 2 * 30 + 3 * 500 - 20, 2 * 30 + 2 * 500 - 20));
    // Drawn at ten twips a pixel the borders are 3 pixels and the rules 2.
    QImage image(154, 104, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(scan(image, 0, 90, 1, 0, 154), "XXX" + std::string(50, 'X') + std::string(48, '.') +
                                                 "XX" + std::string(48, '.') + "XXX");
}

TEST(PictureExport, PdfPageIsThePictureInPoints) {
    PictureFixture f;
    const auto pdf = f.exporter.drawPicture(ExportKind::Pdf, f.grid, f.settings, true, true);
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->rfind("%PDF-", 0), 0u);
    // 1540 x 1040 twips.
    EXPECT_NE(pdf->find("/MediaBox [0 0 77.000000 52.000000]"), std::string::npos);
    EXPECT_NE(pdf->find("DejaVu"), std::string::npos);  // the System font's stand-in
}

TEST(PictureExport, KindsItDoesNotDraw) {
    PictureFixture f;
    EXPECT_FALSE(f.exporter.draws(ExportKind::Picture));
    EXPECT_FALSE(f.exporter.drawPicture(ExportKind::TextGrid, f.grid, f.settings, true, true));
}

}  // namespace
}  // namespace tessaran
