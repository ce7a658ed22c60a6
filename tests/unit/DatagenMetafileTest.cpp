// The metafile writer at the byte level, and what the renderer makes of a sketch.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "DatagenWmfReader.h"
#include "wiring/Metafile.h"
#include "wiring/Render.h"

using namespace wiring;

namespace {

int countOf(const WmfFile& f, std::uint16_t function) {
    return static_cast<int>(std::count_if(f.records.begin(), f.records.end(),
                                          [function](const WmfRecord& r) { return r.function == function; }));
}

}  // namespace

TEST(DatagenMetafile, EmptyFileIsHeaderAndEndRecord) {
    const std::vector<std::uint8_t> bytes = MetafileWriter().finish();
    ASSERT_EQ(bytes.size(), 24u);
    const WmfFile f = readWmf(bytes);
    EXPECT_EQ(f.problem, "");
    EXPECT_EQ(f.type, 1);
    EXPECT_EQ(f.headerSize, 9);
    EXPECT_EQ(f.version, 0x0300);
    EXPECT_EQ(f.sizeInWords, 12u);
    EXPECT_EQ(f.objects, 0);
    EXPECT_EQ(f.largestRecord, 3u);
    EXPECT_EQ(f.parameters, 0);
    ASSERT_EQ(f.records.size(), 1u);
    EXPECT_EQ(f.records[0].size, 3u);
    EXPECT_EQ(f.records[0].function, MetaRecord::Eof);
}

TEST(DatagenMetafile, RecordsHaveTheirExactSizesAndParameterOrder) {
    MetafileWriter w;
    w.moveTo(10, -20);
    w.lineTo(-30, 40);
    w.rectangle(1, 2, 3, 4);
    w.roundRect(1, 2, 3, 4, 5, 6);
    w.polygon({{1, 2}, {3, 4}, {5, 6}});
    w.textOut(7, 8, "abc");
    const WmfFile f = readWmf(w.finish());
    ASSERT_EQ(f.problem, "");
    ASSERT_EQ(f.records.size(), 7u);
    EXPECT_EQ(f.records[0].function, MetaRecord::MoveTo);
    EXPECT_EQ(f.records[0].params, (std::vector<std::uint16_t>{static_cast<std::uint16_t>(-20), 10}));
    EXPECT_EQ(f.records[1].size, 5u);
    EXPECT_EQ(f.records[2].function, MetaRecord::Rectangle);
    EXPECT_EQ(f.records[2].params, (std::vector<std::uint16_t>{4, 3, 2, 1}));  // bottom, right, top, left
    EXPECT_EQ(f.records[3].size, 9u);
    EXPECT_EQ(f.records[3].params, (std::vector<std::uint16_t>{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(f.records[4].size, 3u + 1 + 6);
    EXPECT_EQ(f.records[4].params[0], 3);
    // Text: count, the bytes padded to a whole word, then y and x.
    EXPECT_EQ(f.records[5].function, MetaRecord::TextOutRecord);
    EXPECT_EQ(f.records[5].size, 3u + 1 + 2 + 2);
    EXPECT_EQ(f.records[5].params, (std::vector<std::uint16_t>{3, 'a' | ('b' << 8), 'c', 8, 7}));
    std::uint32_t words = 9;
    for (const WmfRecord& r : f.records) words += r.size;
    EXPECT_EQ(f.sizeInWords, words);
}

TEST(DatagenMetafile, LargestRecordFieldIsTheLargestRecord) {
    MetafileWriter w;
    w.moveTo(0, 0);
    std::vector<MetaPoint> points;
    for (int i = 0; i < 40; ++i) points.push_back({i, -i});
    w.polyline(points);
    w.lineTo(1, 1);
    const WmfFile f = readWmf(w.finish());
    ASSERT_EQ(f.problem, "");
    std::uint32_t largest = 0;
    for (const WmfRecord& r : f.records) largest = std::max(largest, r.size);
    EXPECT_EQ(largest, 3u + 1 + 80);
    EXPECT_EQ(f.largestRecord, largest);
}

TEST(DatagenMetafile, FontRecordCarriesHeightWeightAndFace) {
    MetafileWriter w;
    EXPECT_EQ(w.createFont(-300, 700, "Arial"), 0);
    const WmfFile f = readWmf(w.finish());
    ASSERT_EQ(f.records.size(), 2u);
    const WmfRecord& r = f.records[0];
    EXPECT_EQ(r.function, MetaRecord::CreateFontRecord);
    EXPECT_EQ(r.size, 3u + 9 + 16);
    EXPECT_EQ(static_cast<std::int16_t>(r.params[0]), -300);
    EXPECT_EQ(r.params[4], 700);
    EXPECT_EQ(r.params[9], 'A' | ('r' << 8));
    EXPECT_EQ(r.params[10], 'i' | ('a' << 8));
    EXPECT_EQ(r.params[11], 'l');
}

TEST(DatagenMetafile, ObjectSlotsAreReusedAndCounted) {
    MetafileWriter w;
    const int pen = w.createPen(PenSolid, 25, 0);
    const int brush = w.createBrush(BrushSolid, rgb(1, 2, 3));
    EXPECT_EQ(pen, 0);
    EXPECT_EQ(brush, 1);
    w.selectObject(pen);
    w.deleteObject(pen);
    EXPECT_EQ(w.createFont(-250, 400, "Arial"), 0);  // the freed slot is taken again
    EXPECT_EQ(w.liveObjects(), 2);
    w.deleteObject(0);
    w.deleteObject(1);
    EXPECT_EQ(w.liveObjects(), 0);
    const WmfFile f = readWmf(w.finish());
    EXPECT_EQ(f.objects, 2);
    EXPECT_THROW(w.selectObject(1), std::logic_error);
    EXPECT_THROW(w.deleteObject(5), std::logic_error);
}

TEST(DatagenMetafile, PenAndBrushRecordsHoldStyleWidthAndColour) {
    MetafileWriter w;
    w.createPen(PenSolid, 40, rgb(0x12, 0x34, 0x56));
    w.createBrush(BrushHollow, 0);
    const WmfFile f = readWmf(w.finish());
    EXPECT_EQ(f.records[0].size, 8u);
    EXPECT_EQ(f.records[0].params, (std::vector<std::uint16_t>{PenSolid, 40, 0, 0x3412, 0x56}));
    EXPECT_EQ(f.records[1].size, 7u);
    EXPECT_EQ(f.records[1].params, (std::vector<std::uint16_t>{BrushHollow, 0, 0, 0}));
}

TEST(DatagenRender, EveryCreatedObjectIsDeletedAfterTheStateIsRestored) {
    Sketch s;
    s.setPen(25);
    s.setFill(Fill::White);
    s.rectangle({-100, -100}, {100, 100});
    s.setPen(60);
    s.line({0, 0}, {50, 50});
    s.setFill(Fill::Black);
    s.circle({0, 0}, 40);
    s.text({0, 300}, 260, Align::Centre, "DE-9", true);
    s.text({0, -300}, 230, Align::Left, "pin");
    s.setPen(0);
    s.polygon({{0, 0}, {10, 0}, {0, 10}});
    const WmfFile f = readWmf(renderMetafile(s));
    ASSERT_EQ(f.problem, "");
    const int created = countOf(f, MetaRecord::CreatePenIndirect) + countOf(f, MetaRecord::CreateBrushIndirect) +
                        countOf(f, MetaRecord::CreateFontRecord);
    EXPECT_EQ(created, 3 + 2 + 2);
    EXPECT_EQ(countOf(f, MetaRecord::DeleteObject), created);
    EXPECT_EQ(f.records.front().function, MetaRecord::SaveDC);
    // Walk the object table: selections name live slots, nothing selected after the restore,
    // and no slot is left in use at the end.
    std::set<int> live;
    int slotsUsed = 0;
    bool restored = false;
    for (const WmfRecord& r : f.records) {
        if (r.function == MetaRecord::CreatePenIndirect || r.function == MetaRecord::CreateBrushIndirect ||
            r.function == MetaRecord::CreateFontRecord) {
            int slot = 0;
            while (live.count(slot)) ++slot;
            live.insert(slot);
            slotsUsed = std::max(slotsUsed, slot + 1);
        } else if (r.function == MetaRecord::SelectObject) {
            EXPECT_FALSE(restored);
            EXPECT_TRUE(live.count(r.params[0]));
        } else if (r.function == MetaRecord::DeleteObject) {
            EXPECT_EQ(live.erase(r.params[0]), 1u);
        } else if (r.function == MetaRecord::RestoreDC) {
            EXPECT_EQ(static_cast<std::int16_t>(r.params[0]), -1);
            restored = true;
        }
    }
    EXPECT_TRUE(restored);
    EXPECT_TRUE(live.empty());
    EXPECT_EQ(f.objects, slotsUsed);
    // Drawings never set a mapping of their own.
    for (std::uint16_t mapping : {0x0103, 0x020B, 0x020C, 0x020D, 0x020E, 0x0211, 0x0212})
        EXPECT_EQ(countOf(f, mapping), 0) << std::hex << mapping;
    EXPECT_EQ(countOf(f, MetaRecord::SetBkMode), 1);
}

TEST(DatagenRender, TextIsDrawnOnItsBaselineWithANegativeHeight) {
    Sketch s;
    s.text({100, 200}, 240, Align::Right, "x");
    const WmfFile f = readWmf(renderMetafile(s));
    std::map<std::uint16_t, const WmfRecord*> byFunction;
    for (const WmfRecord& r : f.records) byFunction[r.function] = &r;
    ASSERT_TRUE(byFunction.count(MetaRecord::CreateFontRecord));
    EXPECT_EQ(static_cast<std::int16_t>(byFunction[MetaRecord::CreateFontRecord]->params[0]), -240);
    ASSERT_TRUE(byFunction.count(MetaRecord::SetTextAlign));
    EXPECT_EQ(byFunction[MetaRecord::SetTextAlign]->params[0], 24 | 2);  // TA_BASELINE | TA_RIGHT
}
