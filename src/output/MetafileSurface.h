#pragma once
// A drawing surface that writes a Windows metafile, and the placeable-metafile header
// that makes it a .wmf file.

#include <cstdint>
#include <string>
#include <vector>

#include "output/DrawingSurface.h"

namespace tessaran {

// The 22-byte header of a placeable metafile, little-endian: key 0x9AC6CDD7, handle 0,
// bounding box 0, 0, width, height (signed 16-bit, logical units), units per inch,
// reserved 0, and the exclusive-or of the ten 16-bit words before it.
std::string placeableMetafileHeader(int width, int height, int unitsPerInch);

// Records the drawing as metafile records in an anisotropic mapping whose window is the
// picture in twips. Metafile coordinates are 16-bit, so a picture 32766 twips or more
// wide or high is recorded in coarser units (2, 3, 4, 5, 6, 8, ... twips each: always a
// whole fraction of an inch) and the header's units per inch say so; the picture keeps
// its size on paper either way.
//
// Objects are made only when they change: a fill reuses the brush of the last fill of
// the same colour, a text the font of the last text in the same font.
class MetafileSurface : public DrawingSurface {
public:
    MetafileSurface(int widthTwips, int heightTwips);

    DeviceTechnology technology() const override { return DeviceTechnology::Metafile; }
    int pixelsPerInchX() const override { return 1440; }
    int pixelsPerInchY() const override { return 1440; }
    void fillRect(const DeviceRect& rect, Colour colour) override;
    void fillPolygon(const std::vector<DevicePoint>& points, Colour colour) override;
    void drawText(int x, int y, std::string_view latin1, const FontSpec& font,
                  const TextStyle& style) override;
    void invertOutline(const DeviceRect& rect) override;
    void invertRect(const DeviceRect& rect) override;

    // Twips per logical unit of the recorded metafile (1 unless the picture is huge).
    int twipsPerUnit() const { return m_twipsPerUnit; }
    // The metafile alone: its 18-byte header, the records and the end record.
    std::string metafileBytes() const;
    // A complete .wmf file: the placeable header followed by metafileBytes().
    std::string placeableFile() const;

private:
    void record(std::uint16_t function, const std::vector<std::uint16_t>& parameters);
    int createObject(std::uint16_t function, const std::vector<std::uint16_t>& parameters);
    void deleteObject(int index);
    void selectBrush(Colour colour);
    void selectFont(const FontSpec& font);
    // The background mode matters only to text under GDI, which ignores it for solid
    // brushes; some readers (libwmf's SVG writer) draw fills half transparent under a
    // transparent mode, so fills are recorded in the opaque one.
    void setBackgroundMode(bool opaque);
    std::uint16_t unit(int twips) const;
    // The unit one beyond twips: the far edge of a fill drawn without a pen.
    std::uint16_t farUnit(int twips) const;

    int m_width;
    int m_height;
    int m_twipsPerUnit = 1;
    std::vector<std::uint16_t> m_words;  // the records, without header and end record
    std::uint32_t m_maxRecordWords = 3;
    std::vector<bool> m_objectSlots;  // the metafile's object table, in use or free
    int m_nullPen = -1;
    int m_brush = -1;
    Colour m_brushColour = 0;
    int m_font = -1;
    FontSpec m_currentFont;
    int m_textColour = -1;  // -1 until set: a Colour fits in 24 bits
    int m_textAlign = -1;
    int m_backgroundColour = -1;
    bool m_opaque = true;  // a device context starts in the opaque background mode
};

}  // namespace tessaran
