// The metafile check: which records a drawing may hold, and what each must carry.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "drawing/MetafileCheck.h"

namespace {
using Words = std::vector<std::uint16_t>;

// A metafile with room for `objects` objects, the given records (function, parameters) and EOF.
std::vector<std::uint8_t> metafile(std::uint16_t objects, const std::vector<std::pair<std::uint16_t, Words>>& records) {
    Words body;
    for (const auto& [function, params] : records) {
        const std::uint32_t size = static_cast<std::uint32_t>(params.size() + 3);
        body.insert(body.end(), {static_cast<std::uint16_t>(size), static_cast<std::uint16_t>(size >> 16), function});
        body.insert(body.end(), params.begin(), params.end());
    }
    body.insert(body.end(), {3, 0, 0});
    const std::uint32_t total = static_cast<std::uint32_t>(body.size() + 9);
    Words all = {1, 9, 0x0300, static_cast<std::uint16_t>(total), static_cast<std::uint16_t>(total >> 16), objects, 0, 0, 0};
    all.insert(all.end(), body.begin(), body.end());
    std::vector<std::uint8_t> bytes;
    for (std::uint16_t w : all) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(w), static_cast<std::uint8_t>(w >> 8)});
    return bytes;
}
}  // namespace

TEST(MetafileCheck, RecordsMustBeOfALineDrawingAndHoldWhatThePlayerReads) {
    const Words pen = {0, 1, 0, 0, 0};
    const Words arial = {20, 0, 0, 0, 400, 0, 0x0100, 0x0102, 0x2002, 'A' | ('r' << 8), 'i' | ('a' << 8), 'l'};
    const Words arialCut = {20, 0, 0, 0, 400, 0, 0x0100, 0x0102, 0x2002, 'A' | ('r' << 8), 'i' | ('a' << 8)};
    struct Case {
        const char* what;
        std::uint16_t objects;
        std::vector<std::pair<std::uint16_t, Words>> records;
        bool sound;
    };
    const Case cases[] = {
        {"lines and a rectangle", 0, {{0x0214, {1, 2}}, {0x0213, {3, 4}}, {0x041B, {1, 2, 3, 4}}}, true},
        {"a rectangle short of a corner", 0, {{0x041B, {1, 2, 3}}}, false},
        {"a polyline of 2 points", 0, {{0x0325, {2, 0, 0, 5, 5}}}, true},
        {"a polygon counting more points than it holds", 0, {{0x0324, {30000, 0, 0, 5, 5}}}, false},
        {"a poly-polygon of 2 and 1 points", 0, {{0x0538, {2, 2, 1, 0, 0, 1, 1, 2, 2}}}, true},
        {"a poly-polygon short of its points", 0, {{0x0538, {2, 2, 9, 0, 0, 1, 1}}}, false},
        {"text of 3 letters", 0, {{0x0521, {3, 'a' | ('b' << 8), 'c', 10, 20}}}, true},
        {"text longer than its record", 0, {{0x0521, {400, 'a', 10, 20}}}, false},
        {"text with a clipping rectangle it lacks", 0, {{0x0A32, {1, 2, 2, 4, 'a' | ('b' << 8)}}}, false},
        {"a pen selected and deleted", 1, {{0x02FA, pen}, {0x012D, {0}}, {0x01F0, {0}}}, true},
        {"a selection past the object table", 1, {{0x02FA, pen}, {0x012D, {7}}}, false},
        {"more objects than the table holds", 1, {{0x02FA, pen}, {0x02FA, pen}}, false},
        {"a font whose name ends", 1, {{0x02FB, arial}}, true},
        {"a font whose name runs past its record", 1, {{0x02FB, arialCut}}, false},
        {"a bitmap", 0, {{0x0940, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}, false},
        {"an escape", 0, {{0x0626, {15, 0}}}, false},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> bytes = metafile(c.objects, c.records);
        EXPECT_EQ(IsSoundMetafile(bytes.data(), bytes.size()), c.sound) << c.what;
    }
}
