#include "wiring/Metafile.h"

#include <stdexcept>

namespace wiring {

namespace {

std::uint16_t word(int value) {
    if (value < -32768 || value > 65535) throw std::out_of_range("metafile value out of 16-bit range");
    return static_cast<std::uint16_t>(value & 0xFFFF);
}

void pushColor(std::vector<std::uint16_t>& params, std::uint32_t color) {
    params.push_back(static_cast<std::uint16_t>(color & 0xFFFF));
    params.push_back(static_cast<std::uint16_t>(color >> 16));
}

void pushBytes(std::vector<std::uint16_t>& params, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        std::uint16_t low = static_cast<std::uint8_t>(bytes[i]);
        std::uint16_t high = i + 1 < bytes.size() ? static_cast<std::uint8_t>(bytes[i + 1]) : 0;
        params.push_back(static_cast<std::uint16_t>(low | (high << 8)));
    }
}

void pushLong(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void pushWord(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace

void MetafileWriter::record(std::uint16_t function, const std::vector<std::uint16_t>& params) {
    std::uint32_t size = 3 + static_cast<std::uint32_t>(params.size());
    words.push_back(static_cast<std::uint16_t>(size & 0xFFFF));
    words.push_back(static_cast<std::uint16_t>(size >> 16));
    words.push_back(function);
    words.insert(words.end(), params.begin(), params.end());
    if (size > largestRecord) largestRecord = size;
}

int MetafileWriter::takeSlot() {
    for (std::size_t i = 0; i < slotUsed.size(); ++i) {
        if (!slotUsed[i]) {
            slotUsed[i] = true;
            return static_cast<int>(i);
        }
    }
    slotUsed.push_back(true);
    return static_cast<int>(slotUsed.size() - 1);
}

int MetafileWriter::liveObjects() const {
    int count = 0;
    for (bool used : slotUsed) count += used ? 1 : 0;
    return count;
}

int MetafileWriter::createPen(std::uint16_t style, int width, std::uint32_t color) {
    std::vector<std::uint16_t> params{style, word(width), 0};
    pushColor(params, color);
    record(MetaRecord::CreatePenIndirect, params);
    return takeSlot();
}

int MetafileWriter::createBrush(std::uint16_t style, std::uint32_t color) {
    std::vector<std::uint16_t> params{style};
    pushColor(params, color);
    params.push_back(0);  // hatch
    record(MetaRecord::CreateBrushIndirect, params);
    return takeSlot();
}

int MetafileWriter::createFont(int height, int weight, const std::string& face) {
    std::vector<std::uint16_t> params{word(height), 0, 0, 0, word(weight)};
    // italic, underline, strike-out, character set (DEFAULT_CHARSET = 1)
    params.push_back(0x0000);
    params.push_back(0x0100);
    // output precision (OUT_CHARACTER_PRECIS = 2), clip precision (CLIP_CHARACTER_PRECIS = 1),
    // quality (PROOF_QUALITY = 2), pitch and family (DEFAULT_PITCH | FF_SWISS = 0x20)
    params.push_back(0x0102);
    params.push_back(0x2002);
    std::string name = face.substr(0, 31);
    name.resize(32, '\0');
    pushBytes(params, name);
    record(MetaRecord::CreateFontRecord, params);
    return takeSlot();
}

void MetafileWriter::selectObject(int slot) {
    if (slot < 0 || slot >= objectSlots() || !slotUsed[slot]) throw std::logic_error("select of a free object slot");
    record(MetaRecord::SelectObject, {word(slot)});
}

void MetafileWriter::deleteObject(int slot) {
    if (slot < 0 || slot >= objectSlots() || !slotUsed[slot]) throw std::logic_error("delete of a free object slot");
    record(MetaRecord::DeleteObject, {word(slot)});
    slotUsed[slot] = false;
}

void MetafileWriter::saveDC() { record(MetaRecord::SaveDC, {}); }

void MetafileWriter::restoreDC() { record(MetaRecord::RestoreDC, {word(-1)}); }

void MetafileWriter::setBkMode(std::uint16_t mode) { record(MetaRecord::SetBkMode, {mode}); }

void MetafileWriter::setTextAlign(std::uint16_t align) { record(MetaRecord::SetTextAlign, {align}); }

void MetafileWriter::setTextColor(std::uint32_t color) {
    std::vector<std::uint16_t> params;
    pushColor(params, color);
    record(MetaRecord::SetTextColor, params);
}

void MetafileWriter::moveTo(int x, int y) { record(MetaRecord::MoveTo, {word(y), word(x)}); }

void MetafileWriter::lineTo(int x, int y) { record(MetaRecord::LineTo, {word(y), word(x)}); }

void MetafileWriter::polyline(const std::vector<MetaPoint>& points) {
    std::vector<std::uint16_t> params{word(static_cast<int>(points.size()))};
    for (const MetaPoint& p : points) {
        params.push_back(word(p.x));
        params.push_back(word(p.y));
    }
    record(MetaRecord::Polyline, params);
}

void MetafileWriter::polygon(const std::vector<MetaPoint>& points) {
    std::vector<std::uint16_t> params{word(static_cast<int>(points.size()))};
    for (const MetaPoint& p : points) {
        params.push_back(word(p.x));
        params.push_back(word(p.y));
    }
    record(MetaRecord::Polygon, params);
}

void MetafileWriter::rectangle(int left, int top, int right, int bottom) {
    record(MetaRecord::Rectangle, {word(bottom), word(right), word(top), word(left)});
}

void MetafileWriter::ellipse(int left, int top, int right, int bottom) {
    record(MetaRecord::Ellipse, {word(bottom), word(right), word(top), word(left)});
}

void MetafileWriter::roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    record(MetaRecord::RoundRect,
           {word(cornerHeight), word(cornerWidth), word(bottom), word(right), word(top), word(left)});
}

void MetafileWriter::textOut(int x, int y, const std::string& text) {
    std::vector<std::uint16_t> params{word(static_cast<int>(text.size()))};
    pushBytes(params, text);
    params.push_back(word(y));
    params.push_back(word(x));
    record(MetaRecord::TextOutRecord, params);
}

std::vector<std::uint8_t> MetafileWriter::finish() const {
    const std::uint32_t headerWords = 9;
    const std::uint32_t totalWords = headerWords + static_cast<std::uint32_t>(words.size()) + 3;
    std::vector<std::uint8_t> out;
    out.reserve(totalWords * 2);
    pushWord(out, 1);            // type: memory metafile
    pushWord(out, headerWords);  // header size in words
    pushWord(out, 0x0300);       // version
    pushLong(out, totalWords);
    pushWord(out, static_cast<std::uint16_t>(objectSlots()));
    pushLong(out, largestRecord);
    pushWord(out, 0);  // parameters, unused
    for (std::uint16_t w : words) pushWord(out, w);
    pushLong(out, 3);
    pushWord(out, MetaRecord::Eof);
    return out;
}

}  // namespace wiring
