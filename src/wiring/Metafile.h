#pragma once
// Writes a standard 16-bit Windows metafile (no placeable header) record by record.
// Coordinates are 16-bit logical units; the caller keeps them in range.

#include <cstdint>
#include <string>
#include <vector>

namespace wiring {

struct MetaPoint {
    int x;
    int y;
};

namespace MetaRecord {
constexpr std::uint16_t Eof = 0x0000;
constexpr std::uint16_t SaveDC = 0x001E;
constexpr std::uint16_t RestoreDC = 0x0127;
constexpr std::uint16_t SetBkMode = 0x0102;
constexpr std::uint16_t SetTextAlign = 0x012E;
constexpr std::uint16_t SelectObject = 0x012D;
constexpr std::uint16_t DeleteObject = 0x01F0;
constexpr std::uint16_t SetTextColor = 0x0209;
constexpr std::uint16_t LineTo = 0x0213;
constexpr std::uint16_t MoveTo = 0x0214;
constexpr std::uint16_t CreatePenIndirect = 0x02FA;
constexpr std::uint16_t CreateFontRecord = 0x02FB;
constexpr std::uint16_t CreateBrushIndirect = 0x02FC;
constexpr std::uint16_t Polygon = 0x0324;
constexpr std::uint16_t Polyline = 0x0325;
constexpr std::uint16_t Ellipse = 0x0418;
constexpr std::uint16_t Rectangle = 0x041B;
constexpr std::uint16_t TextOutRecord = 0x0521;
constexpr std::uint16_t RoundRect = 0x061C;
}  // namespace MetaRecord

constexpr std::uint16_t TransparentBackground = 1;
constexpr std::uint16_t PenSolid = 0;
constexpr std::uint16_t PenNull = 5;
constexpr std::uint16_t BrushSolid = 0;
constexpr std::uint16_t BrushHollow = 1;

constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

class MetafileWriter {
public:
    // Object records return the object table slot that the new object takes.
    int createPen(std::uint16_t style, int width, std::uint32_t color);
    int createBrush(std::uint16_t style, std::uint32_t color);
    int createFont(int height, int weight, const std::string& face);
    void selectObject(int slot);
    void deleteObject(int slot);

    // Keeps the caller's objects, colours and modes aside; restoreDC() puts them back.
    void saveDC();
    void restoreDC();
    void setBkMode(std::uint16_t mode);
    void setTextAlign(std::uint16_t align);
    void setTextColor(std::uint32_t color);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void polyline(const std::vector<MetaPoint>& points);
    void polygon(const std::vector<MetaPoint>& points);
    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    // The text is single-byte (code page 1252).
    void textOut(int x, int y, const std::string& text);

    // Slots in use now and the most that were ever in use at once.
    int liveObjects() const;
    int objectSlots() const { return static_cast<int>(slotUsed.size()); }

    // The whole file: header, records and the end-of-file record.
    std::vector<std::uint8_t> finish() const;

private:
    void record(std::uint16_t function, const std::vector<std::uint16_t>& params);
    int takeSlot();

    std::vector<std::uint16_t> words;  // records only, header added by finish()
    std::uint32_t largestRecord = 3;   // the end-of-file record is three words
    std::vector<bool> slotUsed;
};

}  // namespace wiring
