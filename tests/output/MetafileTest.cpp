#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "grid/GridTestSupport.h"
#include "output/GridExporter.h"
#include "output/MetafileSurface.h"
#include "output/ViewSettings.h"

namespace tessaran {
namespace {

std::uint16_t wordAt(const std::string& bytes, size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                      (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

std::uint32_t dwordAt(const std::string& bytes, size_t offset) {
    return wordAt(bytes, offset) | (static_cast<std::uint32_t>(wordAt(bytes, offset + 2)) << 16);
}

TEST(Metafile, PlaceableHeaderBytesAndChecksum) {
    const std::string header = placeableMetafileHeader(6000, 3000, 1440);
    ASSERT_EQ(header.size(), 22u);
    EXPECT_EQ(dwordAt(header, 0), 0x9AC6CDD7u);
    EXPECT_EQ(wordAt(header, 4), 0);      // handle
    EXPECT_EQ(wordAt(header, 6), 0);      // left
    EXPECT_EQ(wordAt(header, 8), 0);      // top
    EXPECT_EQ(wordAt(header, 10), 6000);  // right
    EXPECT_EQ(wordAt(header, 12), 3000);  // bottom
    EXPECT_EQ(wordAt(header, 14), 1440);  // units per inch
    EXPECT_EQ(dwordAt(header, 16), 0u);   // reserved
    // 0xCDD7 ^ 0x9AC6 ^ 6000 ^ 3000 ^ 1440, worked out by hand.
    EXPECT_EQ(wordAt(header, 20), 0xCDD7 ^ 0x9AC6 ^ 0x1770 ^ 0x0BB8 ^ 0x05A0);
    std::uint16_t check = 0;
    for (size_t i = 0; i < 20; i += 2)
        check ^= wordAt(header, i);
    EXPECT_EQ(check, wordAt(header, 20));
}

// Walks the records after the placeable and metafile headers; returns the functions.
std::vector<std::uint16_t> functions(const std::string& file, std::uint32_t* largest = nullptr) {
    std::vector<std::uint16_t> result;
    size_t offset = 22 + 18;
    std::uint32_t max = 0;
    while (offset + 6 <= file.size()) {
        const std::uint32_t size = dwordAt(file, offset);
        result.push_back(wordAt(file, offset + 4));
        max = std::max(max, size);
        if (size < 3)
            break;
        offset += size * 2;
    }
    EXPECT_EQ(offset, file.size()) << "records must end exactly at the end of the file";
    if (largest)
        *largest = max;
    return result;
}

TEST(Metafile, HeaderCountsTheRecords) {
    MetafileSurface surface(6000, 3000);
    surface.fillRect({0, 0, 100, 100}, rgb(0, 0, 0));
    surface.fillRect({100, 0, 200, 100}, rgb(0, 0, 0));
    const std::string file = surface.placeableFile();
    EXPECT_EQ(file.size() % 2, 0u);
    EXPECT_EQ(wordAt(file, 22), 1);       // in memory
    EXPECT_EQ(wordAt(file, 24), 9);       // header words
    EXPECT_EQ(wordAt(file, 26), 0x0300);  // version
    EXPECT_EQ(dwordAt(file, 28) * 2, file.size() - 22);
    std::uint32_t largest = 0;
    const auto records = functions(file, &largest);
    EXPECT_EQ(dwordAt(file, 34), largest);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back(), 0);  // end of file record
    // Map mode, window, transparent text, the null pen, then one brush for both fills.
    EXPECT_EQ(records[0], 0x0103);
    EXPECT_EQ(std::count(records.begin(), records.end(), 0x02FC), 1);
    EXPECT_EQ(std::count(records.begin(), records.end(), 0x041B), 2);
}

struct Record {
    std::uint16_t function;
    std::vector<std::uint16_t> parameters;
};

std::vector<Record> records(const std::string& file) {
    std::vector<Record> result;
    size_t offset = 22 + 18;
    while (offset + 6 <= file.size()) {
        const std::uint32_t size = dwordAt(file, offset);
        if (size < 3)
            break;
        Record record{wordAt(file, offset + 4), {}};
        for (std::uint32_t i = 3; i < size; ++i)
            record.parameters.push_back(wordAt(file, offset + 2 * i));
        result.push_back(record);
        offset += size * 2;
    }
    return result;
}

TEST(Metafile, OpensWithTheWindowInTwipsAndFillsOpaquelyUnderTransparentText) {
    MetafileSurface surface(6000, 3000);
    surface.fillRect({0, 0, 100, 100}, rgb(0, 0, 0));
    TextStyle plain;
    surface.drawText(20, 20, "1", FontSpec::defaultNumberFont(), plain);
    surface.fillRect({100, 0, 200, 100}, rgb(255, 255, 255));
    surface.fillPolygon({{0, 0}, {10, 0}, {5, 5}}, rgb(0, 0, 0));
    TextStyle boxed;
    boxed.box = TextBox::Extent;
    surface.drawText(20, 20, "2", FontSpec::defaultNumberFont(), boxed);
    surface.drawText(20, 20, "3", FontSpec::defaultNumberFont(), plain);
    const auto all = records(surface.placeableFile());
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[0].function, 0x0103);  // anisotropic mapping
    EXPECT_EQ(all[0].parameters, (std::vector<std::uint16_t>{8}));
    EXPECT_EQ(all[1].function, 0x020B);  // window origin 0, 0
    EXPECT_EQ(all[1].parameters, (std::vector<std::uint16_t>{0, 0}));
    EXPECT_EQ(all[2].function, 0x020C);  // window extent: height, then width
    EXPECT_EQ(all[2].parameters, (std::vector<std::uint16_t>{3000, 6000}));
    // Readers such as libwmf's SVG writer draw solid fills half transparent under a
    // transparent background mode, which only text needs: GDI ignores the mode for
    // solid brushes.
    int mode = 2;  // a device context starts opaque
    std::string seen;
    for (const Record& record : all) {
        if (record.function == 0x0102)
            mode = record.parameters.at(0);
        if (record.function == 0x041B || record.function == 0x0324)
            seen += mode == 2 ? 'F' : 'f';
        if (record.function == 0x0A32)
            seen += mode == 1 ? 't' : 'T';
    }
    EXPECT_EQ(seen, "FtFFTt");
}

TEST(Metafile, ChangingColourReplacesTheBrushInTheSameSlot) {
    MetafileSurface surface(1000, 1000);
    surface.fillRect({0, 0, 10, 10}, rgb(255, 0, 0));
    surface.fillRect({0, 0, 10, 10}, rgb(0, 255, 0));
    surface.fillRect({0, 0, 10, 10}, rgb(0, 0, 255));
    const std::string file = surface.placeableFile();
    const auto records = functions(file);
    EXPECT_EQ(std::count(records.begin(), records.end(), 0x02FC), 3);
    EXPECT_EQ(std::count(records.begin(), records.end(), 0x01F0), 2);
    // The pen and at most two brushes are ever alive at once.
    EXPECT_EQ(wordAt(file, 22 + 10), 3);
}

// The Rectangle records' corners as signed 16-bit values, left, top, right, bottom.
std::vector<std::array<int, 4>> rectangles(const std::string& file) {
    std::vector<std::array<int, 4>> result;
    size_t offset = 22 + 18;
    while (offset + 6 <= file.size()) {
        const std::uint32_t size = dwordAt(file, offset);
        if (size < 3)
            break;
        if (wordAt(file, offset + 4) == 0x041B) {
            auto at = [&](int i) {
                return static_cast<std::int16_t>(wordAt(file, offset + 6 + 2 * i));
            };
            result.push_back({at(3), at(2), at(1), at(0)});
        }
        offset += size * 2;
    }
    return result;
}

TEST(Metafile, HugePicturesUseCoarserUnits) {
    MetafileSurface surface(50 * 1500, 1000);
    EXPECT_EQ(surface.twipsPerUnit(), 3);
    const std::string file = surface.placeableFile();
    EXPECT_EQ(wordAt(file, 10), 25000);
    EXPECT_EQ(wordAt(file, 14), 480);

    // The coarser unit is always a whole fraction of an inch, so the picture keeps its
    // size on paper exactly: 7 x 32767 twips would need 7 twips a unit, which does not
    // divide 1440; 8 does.
    MetafileSurface wide(7 * 32767, 1000);
    EXPECT_EQ(wide.twipsPerUnit(), 8);
    const std::string wideFile = wide.placeableFile();
    EXPECT_EQ(wordAt(wideFile, 14), 180);
    EXPECT_EQ(wordAt(wideFile, 10), 7 * 32767 / 8);
}

TEST(Metafile, FarEdgeOfTheLargestPictureStaysInRange) {
    // A fill reaching the far edge is recorded one unit wider (the null pen leaves the
    // last unit out); that unit must still be a positive 16-bit coordinate.
    for (const int size : {32766, 32767, 65534, 65535}) {
        MetafileSurface surface(size, size);
        surface.fillRect({0, 0, size, size}, rgb(0, 0, 0));
        const auto rects = rectangles(surface.placeableFile());
        ASSERT_EQ(rects.size(), 1u) << size;
        EXPECT_EQ(rects[0][0], 0) << size;
        EXPECT_GT(rects[0][2], 0) << size;
        EXPECT_GT(rects[0][3], 0) << size;
        EXPECT_EQ(rects[0][2], size / surface.twipsPerUnit() + 1) << size;
    }
}

TEST(Metafile, InvertedBlockIsAWhiteFillInExclusiveOrMode) {
    MetafileSurface surface(1000, 1000);
    surface.invertRect({10, 20, 30, 40});
    surface.fillRect({0, 0, 10, 10}, rgb(0, 0, 0));
    // For each rectangle: the mix mode and the brush colour in force.
    std::vector<std::pair<int, std::uint32_t>> fills;
    int mode = 13;  // a device context starts copying
    std::uint32_t brush = 0;
    for (const Record& record : records(surface.placeableFile())) {
        if (record.function == 0x0104)
            mode = record.parameters.at(0);
        if (record.function == 0x02FC)
            brush = record.parameters.at(1) | (std::uint32_t(record.parameters.at(2)) << 16);
        if (record.function == 0x041B)
            fills.emplace_back(mode, brush);
    }
    EXPECT_EQ(fills, (std::vector<std::pair<int, std::uint32_t>>{{7, 0xffffff}, {13, 0}}));
    const auto rects = rectangles(surface.placeableFile());
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (std::array<int, 4>{10, 20, 31, 41}));
}

TEST(Metafile, TextRecordCarriesLatin1Bytes) {
    MetafileSurface surface(1000, 1000);
    TextStyle style;
    style.horizontal = HorizontalAlign::Centre;
    style.vertical = VerticalAlign::Baseline;
    surface.drawText(280, 320, "\xC9T\xC9", FontSpec::defaultTextFont(), style);
    const std::string file = surface.placeableFile();
    const size_t at = file.find("\xC9T\xC9");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(wordAt(file, at - 2), 0);    // options
    EXPECT_EQ(wordAt(file, at - 4), 3);    // length
    EXPECT_EQ(wordAt(file, at - 6), 280);  // x
    EXPECT_EQ(wordAt(file, at - 8), 320);  // y
    EXPECT_NE(file.find("System"), std::string::npos);
    const auto records = functions(file);
    EXPECT_NE(std::find(records.begin(), records.end(), 0x012E), records.end());  // alignment
}

// The texts of the ExtTextOut records, in order.
std::vector<std::string> texts(const std::string& file) {
    std::vector<std::string> result;
    for (const Record& record : records(file)) {
        if (record.function != 0x0A32)
            continue;
        std::string text;
        for (size_t i = 0; i < record.parameters.at(2); ++i) {
            const std::uint16_t w = record.parameters.at(4 + i / 2);
            text += static_cast<char>(i % 2 ? w >> 8 : w & 0xff);
        }
        result.push_back(text);
    }
    return result;
}

TEST(Metafile, PictureShowsNumbersAndLettersAsAsked) {
    testing::GridFixture f(2, 1);
    f.across(0, 0, 2)->setText("AB");
    f.grid.refresh();
    const ViewSettings settings;
    using Texts = std::vector<std::string>;
    EXPECT_EQ(texts(metafilePicture(f.grid, settings, {true, true})), (Texts{"1", "A", "B"}));
    EXPECT_EQ(texts(metafilePicture(f.grid, settings, {true, false})), (Texts{"1"}));
    EXPECT_EQ(texts(metafilePicture(f.grid, settings, {false, true})), (Texts{"A", "B"}));
    EXPECT_EQ(texts(metafilePicture(f.grid, settings, {false, false})), Texts{});
}

}  // namespace
}  // namespace tessaran
