#include "wiring/TextEncoding.h"

#include <cstdint>
#include <cstdio>

#include "wiring/SourceError.h"

namespace wiring {

namespace {

// Code page 1252's bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t HighCodes[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char16_t unicodeOfCodePage1252(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0 || HighCodes[byte - 0x80] == 0) return byte;
    return HighCodes[byte - 0x80];
}

namespace {

std::string codeName(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

class Decoder {
public:
    explicit Decoder(const std::string& file) : file(file) {}

    void add(std::uint32_t code) {
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            out += static_cast<char>(code);
        } else {
            int byte = -1;
            for (int i = 0; i < 32; ++i)
                if (HighCodes[i] != 0 && HighCodes[i] == code) byte = 0x80 + i;
            if (byte < 0)
                fail("the character " + codeName(code) + " is not in code page 1252, the character set of the "
                     "guide's texts");
            out += static_cast<char>(byte);
        }
        if (code == '\n') ++line;
    }
    [[noreturn]] void fail(const std::string& message) const { throw DataError(file, line, message); }

    std::string out;

private:
    const std::string& file;
    int line = 1;
};

unsigned char at(const std::string& bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

// The length of the well-formed UTF-8 sequence at i and its code point; 0 when it is not one.
std::size_t utf8Sequence(const std::string& bytes, std::size_t i, std::uint32_t& code) {
    const unsigned char lead = at(bytes, i);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t length = 0;
    std::uint32_t least = 0;
    if ((lead & 0xE0) == 0xC0) length = 2, code = lead & 0x1F, least = 0x80;
    else if ((lead & 0xF0) == 0xE0) length = 3, code = lead & 0x0F, least = 0x800;
    else if ((lead & 0xF8) == 0xF0) length = 4, code = lead & 0x07, least = 0x10000;
    else return 0;
    if (i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((at(bytes, i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (at(bytes, i + k) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

bool isUtf8(const std::string& bytes) {
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8Sequence(bytes, i, code);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

void decodeUtf8(const std::string& bytes, std::size_t from, Decoder& out) {
    std::uint32_t code = 0;
    for (std::size_t i = from; i < bytes.size();) {
        const std::size_t length = utf8Sequence(bytes, i, code);
        if (length == 0) out.fail("the file begins as UTF-8 but this line is not UTF-8: save it as UTF-8 again");
        out.add(code);
        i += length;
    }
}

void decodeUtf16(const std::string& bytes, Decoder& out) {
    if (bytes.size() % 2 != 0) out.fail("the file ends in half a UTF-16 character");
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
        std::uint32_t code = at(bytes, i) | (at(bytes, i + 1) << 8);
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = at(bytes, i + 2) | (at(bytes, i + 3) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (code >= 0xD800 && code <= 0xDFFF) out.fail("half a UTF-16 character: save the file again");
        out.add(code);
    }
}

void takeCodePage1252(const std::string& bytes, Decoder& out) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = at(bytes, i);
        if (c >= 0x80 && c < 0xA0) {
            if (HighCodes[c - 0x80] == 0)
                out.fail("this line is neither UTF-8 nor code page 1252 text: save the file as UTF-8");
            out.add(HighCodes[c - 0x80]);
        } else {
            out.add(c);
        }
    }
}

}  // namespace

std::string decodeToCodePage1252(const std::string& bytes, const std::string& file) {
    Decoder out(file);
    out.out.reserve(bytes.size());
    if (bytes.size() >= 2 && at(bytes, 0) == 0xFF && at(bytes, 1) == 0xFE) {
        decodeUtf16(bytes, out);
    } else if (bytes.size() >= 2 && at(bytes, 0) == 0xFE && at(bytes, 1) == 0xFF) {
        out.fail("UTF-16 big-endian text is not read: save the file as UTF-8 or UTF-16 little-endian");
    } else if (bytes.size() >= 3 && at(bytes, 0) == 0xEF && at(bytes, 1) == 0xBB && at(bytes, 2) == 0xBF) {
        decodeUtf8(bytes, 3, out);
    } else if (isUtf8(bytes)) {
        decodeUtf8(bytes, 0, out);
    } else {
        takeCodePage1252(bytes, out);
    }
    return out.out;
}

std::string encodeUtf8WithMark(const std::string& codePage1252) {
    std::string out = "\xEF\xBB\xBF";
    out.reserve(codePage1252.size() + 3);
    for (const char c : codePage1252) {
        const unsigned char byte = static_cast<unsigned char>(c);
        std::uint32_t code = byte >= 0x80 && byte < 0xA0 && HighCodes[byte - 0x80] != 0 ? HighCodes[byte - 0x80] : byte;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

}  // namespace wiring
