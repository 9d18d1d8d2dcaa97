#include "output/MetafileSurface.h"

#include <algorithm>
#include <cstdlib>

// A Windows metafile is a sequence of 16-bit little-endian words: an 18-byte header
// (type 1, header size 9 words, version 0x0300, total size in words, the number of
// object slots, the largest record in words, 0), then records. Each record is its size
// in words (32 bits, the 3-word record header included), its function number, and its
// parameters; coordinates of most records come in reverse order (y before x). The file
// ends with the 3-word record of function 0. Objects (brushes, pens, fonts) take the
// lowest free slot of the object table when created and free it when deleted.

namespace tessaran {

namespace {

enum : std::uint16_t {
    kSetBkColor = 0x0201,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetRop2 = 0x0104,
    kSetTextAlign = 0x012E,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSelectObject = 0x012D,
    kDeleteObject = 0x01F0,
    kCreatePenIndirect = 0x02FA,
    kCreateBrushIndirect = 0x02FC,
    kCreateFontIndirect = 0x02FB,
    kRectangle = 0x041B,
    kPolygon = 0x0324,
    kExtTextOut = 0x0A32,
};

constexpr std::uint16_t kAnisotropic = 8;
constexpr std::uint16_t kTransparent = 1;
constexpr std::uint16_t kOpaque = 2;
constexpr std::uint16_t kPenSolid = 0;
constexpr std::uint16_t kPenNull = 5;
constexpr std::uint16_t kBrushSolid = 0;
constexpr std::uint16_t kBrushNull = 1;
constexpr std::uint16_t kXorPen = 7;
constexpr std::uint16_t kCopyPen = 13;
constexpr int kMaxCoordinate = 32767;
constexpr int kTwipsPerInch = 1440;

std::uint16_t low(std::uint32_t value) {
    return static_cast<std::uint16_t>(value & 0xffff);
}
std::uint16_t high(std::uint32_t value) {
    return static_cast<std::uint16_t>(value >> 16);
}
std::uint16_t word(int value) {
    return static_cast<std::uint16_t>(value & 0xffff);
}

void appendWord(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>(value >> 8);
}

// Bytes packed two to a word, low byte first, padded with a zero byte to a whole word.
void appendBytes(std::vector<std::uint16_t>& words, std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        words.push_back(static_cast<std::uint16_t>(first | (second << 8)));
    }
}

std::uint16_t alignmentFlags(const TextStyle& style) {
    std::uint16_t flags = 0;
    if (style.horizontal == HorizontalAlign::Right)
        flags |= 2;
    if (style.horizontal == HorizontalAlign::Centre)
        flags |= 6;
    if (style.vertical == VerticalAlign::Bottom)
        flags |= 8;
    if (style.vertical == VerticalAlign::Baseline)
        flags |= 24;
    return flags;
}

}  // namespace

std::string placeableMetafileHeader(int width, int height, int unitsPerInch) {
    const std::uint16_t words[10] = {low(0x9AC6CDD7u), high(0x9AC6CDD7u),  0, 0, 0, word(width),
                                     word(height),     word(unitsPerInch), 0, 0};
    std::uint16_t checksum = 0;
    std::string header;
    for (std::uint16_t w : words) {
        checksum ^= w;
        appendWord(header, w);
    }
    appendWord(header, checksum);
    return header;
}

MetafileSurface::MetafileSurface(int widthTwips, int heightTwips)
    : m_width(std::max(widthTwips, 1)), m_height(std::max(heightTwips, 1)) {
    // The far edge is recorded one unit beyond the picture (see fillRect), so the picture
    // must fit in one unit less than the coordinate range. A unit that divides the inch
    // keeps the header's units per inch exact.
    const int largest = std::max(m_width, m_height);
    m_twipsPerUnit = 1;
    while (largest / m_twipsPerUnit >= kMaxCoordinate || kTwipsPerInch % m_twipsPerUnit != 0)
        ++m_twipsPerUnit;
    record(kSetMapMode, {kAnisotropic});
    record(kSetWindowOrg, {0, 0});
    record(kSetWindowExt, {unit(m_height), unit(m_width)});
    setBackgroundMode(false);
    // Everything is drawn with brushes: the null pen keeps polygon edges from growing.
    m_nullPen = createObject(kCreatePenIndirect, {kPenNull, 0, 0, 0, 0});
    record(kSelectObject, {word(m_nullPen)});
}

std::uint16_t MetafileSurface::unit(int twips) const {
    const int value = std::clamp(twips / m_twipsPerUnit, -kMaxCoordinate, kMaxCoordinate);
    return word(value);
}

std::uint16_t MetafileSurface::farUnit(int twips) const {
    const int value = std::clamp(twips / m_twipsPerUnit, -kMaxCoordinate, kMaxCoordinate - 1);
    return word(value + 1);
}

void MetafileSurface::record(std::uint16_t function, const std::vector<std::uint16_t>& parameters) {
    const auto size = static_cast<std::uint32_t>(parameters.size() + 3);
    m_words.push_back(low(size));
    m_words.push_back(high(size));
    m_words.push_back(function);
    m_words.insert(m_words.end(), parameters.begin(), parameters.end());
    m_maxRecordWords = std::max(m_maxRecordWords, size);
}

int MetafileSurface::createObject(std::uint16_t function,
                                  const std::vector<std::uint16_t>& parameters) {
    record(function, parameters);
    auto free = std::find(m_objectSlots.begin(), m_objectSlots.end(), false);
    if (free != m_objectSlots.end()) {
        *free = true;
        return static_cast<int>(free - m_objectSlots.begin());
    }
    m_objectSlots.push_back(true);
    return static_cast<int>(m_objectSlots.size() - 1);
}

void MetafileSurface::deleteObject(int index) {
    record(kDeleteObject, {word(index)});
    m_objectSlots[static_cast<size_t>(index)] = false;
}

void MetafileSurface::selectBrush(Colour colour) {
    if (m_brush >= 0 && colour == m_brushColour)
        return;
    const int brush =
        createObject(kCreateBrushIndirect, {kBrushSolid, low(colour), high(colour), 0});
    record(kSelectObject, {word(brush)});
    if (m_brush >= 0)
        deleteObject(m_brush);
    m_brush = brush;
    m_brushColour = colour;
}

void MetafileSurface::selectFont(const FontSpec& font) {
    if (m_font >= 0 && font == m_currentFont)
        return;
    std::vector<std::uint16_t> logFont = {
        unit(font.height),
        unit(font.width),
        word(font.escapement),
        word(font.orientation),
        word(font.weight),
        static_cast<std::uint16_t>(font.italic | (font.underline << 8)),
        static_cast<std::uint16_t>(font.strikeOut | (font.charSet << 8)),
        static_cast<std::uint16_t>(font.outPrecision | (font.clipPrecision << 8)),
        static_cast<std::uint16_t>(font.quality | (font.pitchAndFamily << 8))};
    std::string face = font.faceName.substr(0, FontSpec::kMaxFaceName - 1);
    face += '\0';
    appendBytes(logFont, face);
    const int created = createObject(kCreateFontIndirect, logFont);
    record(kSelectObject, {word(created)});
    if (m_font >= 0)
        deleteObject(m_font);
    m_font = created;
    m_currentFont = font;
}

void MetafileSurface::setBackgroundMode(bool opaque) {
    if (opaque == m_opaque)
        return;
    record(kSetBkMode, {opaque ? kOpaque : kTransparent});
    m_opaque = opaque;
}

void MetafileSurface::fillRect(const DeviceRect& rect, Colour colour) {
    if (rect.isEmpty())
        return;
    selectBrush(colour);
    setBackgroundMode(true);
    // With the null pen a rectangle covers one unit less than its corners say, so the
    // far corner moves out by one to fill exactly the given area.
    record(kRectangle,
           {farUnit(rect.bottom), farUnit(rect.right), unit(rect.top), unit(rect.left)});
}

void MetafileSurface::fillPolygon(const std::vector<DevicePoint>& points, Colour colour) {
    if (points.size() < 3)
        return;
    selectBrush(colour);
    setBackgroundMode(true);
    std::vector<std::uint16_t> parameters = {word(static_cast<int>(points.size()))};
    for (const DevicePoint& point : points) {
        parameters.push_back(unit(point.x));
        parameters.push_back(unit(point.y));
    }
    record(kPolygon, parameters);
}

void MetafileSurface::drawText(int x, int y, std::string_view latin1, const FontSpec& font,
                               const TextStyle& style) {
    if (latin1.empty())
        return;
    selectFont(font);
    if (m_textColour != static_cast<int>(style.colour)) {
        record(kSetTextColor, {low(style.colour), high(style.colour)});
        m_textColour = static_cast<int>(style.colour);
    }
    const std::uint16_t align = alignmentFlags(style);
    if (m_textAlign != align) {
        record(kSetTextAlign, {align});
        m_textAlign = align;
    }
    // The reader knows the font's metrics; an opaque background mode lets it paint the
    // text's own box behind the letters.
    const bool opaque = style.box != TextBox::None;
    if (opaque && m_backgroundColour != static_cast<int>(style.boxColour)) {
        record(kSetBkColor, {low(style.boxColour), high(style.boxColour)});
        m_backgroundColour = static_cast<int>(style.boxColour);
    }
    setBackgroundMode(opaque);
    const std::string_view text = latin1.substr(0, 0x7fff);
    std::vector<std::uint16_t> parameters = {unit(y), unit(x), word(static_cast<int>(text.size())),
                                             0};
    appendBytes(parameters, text);
    record(kExtTextOut, parameters);
}

void MetafileSurface::invertOutline(const DeviceRect& rect) {
    record(kSetRop2, {kXorPen});
    const int pen = createObject(kCreatePenIndirect, {kPenSolid, 1, 0, 0xffff, 0x00ff});
    record(kSelectObject, {word(pen)});
    const int hollow = createObject(kCreateBrushIndirect, {kBrushNull, 0, 0, 0});
    record(kSelectObject, {word(hollow)});
    record(kRectangle, {unit(rect.bottom), unit(rect.right), unit(rect.top), unit(rect.left)});
    // Back to drawing without outlines, with the brush the next fill expects.
    record(kSelectObject, {word(m_nullPen)});
    deleteObject(pen);
    record(kSetRop2, {kCopyPen});
    if (m_brush >= 0)
        record(kSelectObject, {word(m_brush)});
    deleteObject(hollow);
}

void MetafileSurface::invertRect(const DeviceRect& rect) {
    if (rect.isEmpty())
        return;
    // The mix mode applies to a filled interior as it does to a pen.
    record(kSetRop2, {kXorPen});
    selectBrush(rgb(255, 255, 255));
    record(kRectangle,
           {farUnit(rect.bottom), farUnit(rect.right), unit(rect.top), unit(rect.left)});
    record(kSetRop2, {kCopyPen});
}

std::string MetafileSurface::metafileBytes() const {
    const auto objects = static_cast<std::uint16_t>(std::max<size_t>(m_objectSlots.size(), 1));
    const auto total = static_cast<std::uint32_t>(9 + m_words.size() + 3);
    std::string bytes;
    bytes.reserve(total * 2);
    for (std::uint16_t w :
         {std::uint16_t{1}, std::uint16_t{9}, std::uint16_t{0x0300}, low(total), high(total),
          objects, low(m_maxRecordWords), high(m_maxRecordWords), std::uint16_t{0}})
        appendWord(bytes, w);
    for (std::uint16_t w : m_words)
        appendWord(bytes, w);
    for (std::uint16_t w : {std::uint16_t{3}, std::uint16_t{0}, std::uint16_t{0}})
        appendWord(bytes, w);
    return bytes;
}

std::string MetafileSurface::placeableFile() const {
    return placeableMetafileHeader(unit(m_width), unit(m_height), kTwipsPerInch / m_twipsPerUnit) +
           metafileBytes();
}

}  // namespace tessaran
