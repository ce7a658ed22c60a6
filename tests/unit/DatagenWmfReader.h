#pragma once
// Reads back the metafiles that datagen writes, for the tests: header fields and records.

#include <cstdint>
#include <string>
#include <vector>

struct WmfRecord {
    std::uint32_t size;  // in 16-bit words, header of the record included
    std::uint16_t function;
    std::vector<std::uint16_t> params;
};

struct WmfFile {
    std::uint16_t type = 0;
    std::uint16_t headerSize = 0;
    std::uint16_t version = 0;
    std::uint32_t sizeInWords = 0;
    std::uint16_t objects = 0;
    std::uint32_t largestRecord = 0;
    std::uint16_t parameters = 0;
    std::vector<WmfRecord> records;
    std::string problem;  // empty when the record chain is whole and ends in the end-of-file record
};

inline std::uint16_t wmfWord(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

inline std::uint32_t wmfLong(const std::vector<std::uint8_t>& b, std::size_t at) {
    return wmfWord(b, at) | (static_cast<std::uint32_t>(wmfWord(b, at + 2)) << 16);
}

inline WmfFile readWmf(const std::vector<std::uint8_t>& bytes) {
    WmfFile f;
    if (bytes.size() < 18) {
        f.problem = "shorter than a header";
        return f;
    }
    f.type = wmfWord(bytes, 0);
    f.headerSize = wmfWord(bytes, 2);
    f.version = wmfWord(bytes, 4);
    f.sizeInWords = wmfLong(bytes, 6);
    f.objects = wmfWord(bytes, 10);
    f.largestRecord = wmfLong(bytes, 12);
    f.parameters = wmfWord(bytes, 16);
    std::size_t at = 18;
    while (true) {
        if (at + 6 > bytes.size()) {
            f.problem = "record runs past the end";
            return f;
        }
        WmfRecord r;
        r.size = wmfLong(bytes, at);
        r.function = wmfWord(bytes, at + 4);
        if (r.size < 3 || at + r.size * 2 > bytes.size()) {
            f.problem = "bad record size";
            return f;
        }
        for (std::uint32_t i = 3; i < r.size; ++i) r.params.push_back(wmfWord(bytes, at + i * 2));
        f.records.push_back(r);
        at += r.size * 2;
        if (r.function == 0) break;
    }
    if (at != bytes.size()) f.problem = "bytes after the end-of-file record";
    return f;
}
