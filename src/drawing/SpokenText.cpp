#include "drawing/SpokenText.h"

#include "cables/WiringText.h"
#include "drawing/MetafileCheck.h"

namespace {
std::uint16_t word(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t dword(const std::uint8_t* p) { return word(p) | (static_cast<std::uint32_t>(word(p + 2)) << 16); }

constexpr std::size_t HeaderBytes = 18;
constexpr std::uint16_t TextOut = 0x0521;
constexpr std::uint16_t ExtTextOut = 0x0A32;
constexpr std::uint16_t TextRectangleOptions = 0x0002 | 0x0004;  // opaque, clipped

// The string of a text record, whose parameters the check has found whole.
std::string recordText(std::uint16_t function, const std::uint8_t* p) {
    if (function == TextOut) return std::string(reinterpret_cast<const char*>(p + 2), word(p));
    const std::size_t rectangle = (word(p + 6) & TextRectangleOptions) ? 8 : 0;
    return std::string(reinterpret_cast<const char*>(p + 8 + rectangle), word(p + 4));
}
}  // namespace

std::string ConnectorWords(const ConnectorEntry& entry) {
    if (entry.name.empty()) return std::string();
    std::string words = entry.name;
    if (!entry.gender.empty()) words += ", " + entry.gender;
    if (!entry.view.empty()) words += ", " + entry.view;
    return words;
}

std::string PinoutWords(const PinoutEntry& entry) {
    if (entry.name.empty()) return std::string();
    std::string rows;
    for (const PinoutRow& row : entry.rows) rows += (rows.empty() ? "" : "; ") + row.contacts + " " + row.text;
    return rows.empty() ? entry.name : entry.name + ": " + rows;
}

std::string NotesWords(const IndexedCable& cable) {
    std::string words;
    for (const IndexedNote& note : cable.notes) words += note.heading + ": " + note.text + "\r\n";
    return words + ContinuityText(cable);
}

std::string MetafileWords(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes || !IsSoundMetafile(bytes, size)) return std::string();
    const std::size_t end = static_cast<std::size_t>(dword(bytes + 6)) * 2;
    std::string words;
    for (std::size_t at = HeaderBytes; at + 6 <= end;) {
        const std::uint32_t recordWords = dword(bytes + at);
        const std::uint16_t function = word(bytes + at + 4);
        if (function == TextOut || function == ExtTextOut) {
            const std::string text = recordText(function, bytes + at + 6);
            if (!text.empty()) words += (words.empty() ? "" : " ") + text;
        }
        if (function == 0) break;
        at += static_cast<std::size_t>(recordWords) * 2;
    }
    return words;
}
