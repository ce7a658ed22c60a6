#include "drawing/MetafileCheck.h"

#include <fstream>
#include <vector>

namespace {
std::uint16_t word(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t dword(const std::uint8_t* p) { return word(p) | (static_cast<std::uint32_t>(word(p + 2)) << 16); }

constexpr std::size_t HeaderBytes = 18;
constexpr std::uint16_t EofFunction = 0x0000;
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
    while (at + 6 <= end) {
        std::uint32_t recordWords = dword(bytes + at);
        std::uint16_t function = word(bytes + at + 4);
        if (recordWords < 3 || recordWords > (end - at) / 2) return false;
        if (function == EofFunction) return recordWords == 3;
        at += static_cast<std::size_t>(recordWords) * 2;
    }
    return false;  // no closing record
}

bool IsPlayableMetafile(const char* path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    std::streamoff length = file.tellg();
    if (length <= 0 || static_cast<std::size_t>(length) > MaxMetafileBytes) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), length)) return false;
    return IsSoundMetafile(bytes.data(), bytes.size());
}
