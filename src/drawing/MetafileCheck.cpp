#include "drawing/MetafileCheck.h"

#include "framework/FileBytes.h"

namespace {
std::uint16_t word(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t dword(const std::uint8_t* p) { return word(p) | (static_cast<std::uint32_t>(word(p + 2)) << 16); }

constexpr std::size_t HeaderBytes = 18;
constexpr std::uint16_t EofFunction = 0x0000;

// The records a line drawing is made of, with the parameter words the player reads from each.
// Bitmaps, palettes, regions and escapes are no part of a drawing of ours, and the player trusts
// their inner sizes: such records, like any record not named here, make the file refused.
struct FixedRecord {
    std::uint16_t function;
    std::size_t words;
};
constexpr FixedRecord FixedRecords[] = {
    {0x001E, 0}, {0x0127, 1}, {0x0102, 1}, {0x0103, 1}, {0x0104, 1}, {0x0106, 1}, {0x0107, 1}, {0x0108, 1},
    {0x012E, 1}, {0x012D, 1}, {0x01F0, 1}, {0x0201, 2}, {0x0209, 2}, {0x020A, 2}, {0x020B, 2}, {0x020C, 2},
    {0x020D, 2}, {0x020E, 2}, {0x020F, 2}, {0x0211, 2}, {0x0213, 2}, {0x0214, 2}, {0x0220, 2}, {0x02FA, 5},
    {0x02FC, 4}, {0x0410, 4}, {0x0412, 4}, {0x0415, 4}, {0x0416, 4}, {0x0418, 4}, {0x041B, 4}, {0x041F, 4},
    {0x061C, 6}, {0x061D, 6}, {0x0817, 8}, {0x081A, 8}, {0x0830, 8},
};
constexpr std::uint16_t CreatePenIndirect = 0x02FA;
constexpr std::uint16_t CreateFontIndirect = 0x02FB;
constexpr std::uint16_t CreateBrushIndirect = 0x02FC;
constexpr std::uint16_t SelectObject = 0x012D;
constexpr std::uint16_t DeleteObject = 0x01F0;
constexpr std::uint16_t Polygon = 0x0324;
constexpr std::uint16_t Polyline = 0x0325;
constexpr std::uint16_t PolyPolygon = 0x0538;
constexpr std::uint16_t TextOut = 0x0521;
constexpr std::uint16_t ExtTextOut = 0x0A32;
constexpr std::size_t LogFontWords = 9;  // the font's fields before its face name
constexpr std::size_t FaceNameBytes = 32;
constexpr std::uint16_t TextRectangleOptions = 0x0002 | 0x0004;  // opaque, clipped

std::size_t textWords(std::size_t bytes) { return (bytes + 1) / 2; }

// Whether the record's parameters hold everything the player reads from them.
bool holdsItsParameters(std::uint16_t function, const std::uint8_t* p, std::size_t words) {
    for (const FixedRecord& record : FixedRecords)
        if (record.function == function) return words >= record.words;
    switch (function) {
        case Polygon:
        case Polyline:
            return words >= 1 && words >= 1 + 2 * static_cast<std::size_t>(word(p));
        case PolyPolygon: {
            if (words < 1) return false;
            const std::size_t polygons = word(p);
            if (words < 1 + polygons) return false;
            std::size_t points = 0;
            for (std::size_t i = 0; i < polygons; ++i) points += word(p + 2 + 2 * i);
            return words >= 1 + polygons + 2 * points;
        }
        case TextOut:
            return words >= 1 && words >= 1 + textWords(word(p)) + 2;
        case ExtTextOut: {
            if (words < 4) return false;
            const std::size_t rectangle = (word(p + 6) & TextRectangleOptions) ? 4 : 0;
            return words >= 4 + rectangle + textWords(word(p + 4));
        }
        case CreateFontIndirect: {
            if (words < LogFontWords) return false;
            // The face name is read up to its terminating zero, at most 32 bytes.
            const std::size_t faceBytes = (words - LogFontWords) * 2;
            if (faceBytes >= FaceNameBytes) return true;
            for (std::size_t i = 0; i < faceBytes; ++i)
                if (p[LogFontWords * 2 + i] == 0) return true;
            return false;
        }
        default:
            return false;
    }
}

// The player keeps created objects in a table of the size the header gives and trusts the indexes
// the records name: an index past the table reads outside it, a create with no free slot is
// never deleted.
class ObjectTable {
public:
    explicit ObjectTable(std::size_t size) : used(size, false) {}
    bool take(std::uint16_t function, const std::uint8_t* p) {
        if (function == CreatePenIndirect || function == CreateFontIndirect || function == CreateBrushIndirect) {
            for (std::size_t i = 0; i < used.size(); ++i)
                if (!used[i]) return used[i] = true;
            return false;
        }
        if (function == SelectObject || function == DeleteObject) {
            const std::size_t index = word(p);
            if (index >= used.size()) return false;
            if (function == DeleteObject) used[index] = false;
        }
        return true;
    }

private:
    std::vector<bool> used;
};
}  // namespace

bool IsSoundMetafile(const std::uint8_t* bytes, std::size_t size) {
    if (size < HeaderBytes + 6 || size % 2 != 0) return false;
    std::uint16_t type = word(bytes);
    std::uint16_t headerWords = word(bytes + 2);
    std::uint16_t version = word(bytes + 4);
    std::uint32_t fileWords = dword(bytes + 6);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300)) return false;
    if (static_cast<std::size_t>(fileWords) * 2 > size || fileWords * 2ull < HeaderBytes + 6) return false;

    std::size_t end = static_cast<std::size_t>(fileWords) * 2;
    std::size_t at = HeaderBytes;
    ObjectTable objects(word(bytes + 10));
    while (at + 6 <= end) {
        std::uint32_t recordWords = dword(bytes + at);
        std::uint16_t function = word(bytes + at + 4);
        if (recordWords < 3 || recordWords > (end - at) / 2) return false;
        if (function == EofFunction) return recordWords == 3;
        if (!holdsItsParameters(function, bytes + at + 6, recordWords - 3)) return false;
        if (!objects.take(function, bytes + at + 6)) return false;
        at += static_cast<std::size_t>(recordWords) * 2;
    }
    return false;  // no closing record
}

std::vector<std::uint8_t> ReadMetafileBytes(const char* path) {
    const FileBytes file = ReadFileBytes(path, MaxMetafileBytes);
    if (!file.ok() || file.tooLong(MaxMetafileBytes)) return {};
    return std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.end());
}

bool IsPlayableMetafile(const char* path) {
    const std::vector<std::uint8_t> bytes = ReadMetafileBytes(path);
    return IsSoundMetafile(bytes.data(), bytes.size());
}
