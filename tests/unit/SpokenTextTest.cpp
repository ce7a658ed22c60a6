// The drawings in words for a screen reader: connector and pinout drawings from the connector list,
// the notes from the cable index, and the texts a metafile writes.

#include <gtest/gtest.h>

#include "wiring/Metafile.h"
#include "SampleConnectorList.h"
#include "drawing/SpokenText.h"

namespace {
// A metafile of one ExtTextOut record (with or without its clipping rectangle) and the closing record.
std::vector<std::uint8_t> extTextOutFile(const std::string& text, bool clipped) {
    std::vector<std::uint16_t> params = {10, 20, static_cast<std::uint16_t>(text.size()),
                                         static_cast<std::uint16_t>(clipped ? 4 : 0)};
    if (clipped) params.insert(params.end(), {0, 0, 100, 100});
    for (std::size_t i = 0; i < text.size(); i += 2)
        params.push_back(static_cast<std::uint16_t>(static_cast<std::uint8_t>(text[i]) |
                                                    (i + 1 < text.size() ? static_cast<std::uint8_t>(text[i + 1]) << 8 : 0)));
    std::vector<std::uint16_t> words = {1, 9, 0x0300, 0, 0, 0, 0, 0, 0};
    const std::uint32_t recordWords = static_cast<std::uint32_t>(params.size() + 3);
    words.insert(words.end(), {static_cast<std::uint16_t>(recordWords), 0, 0x0A32});
    words.insert(words.end(), params.begin(), params.end());
    words.insert(words.end(), {3, 0, 0});
    words[3] = static_cast<std::uint16_t>(words.size());
    words[7] = static_cast<std::uint16_t>(recordWords);
    std::vector<std::uint8_t> bytes;
    for (std::uint16_t w : words) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(w), static_cast<std::uint8_t>(w >> 8)});
    return bytes;
}
}  // namespace

TEST(SpokenText, ConnectorAndPinoutDrawingsFromTheConnectorList) {
    ConnectorList list = SampleConnectorList();
    list.pinouts = {{1, "DE-9 RS-232 (PC, DTE)", {{"1", "DCD in (carrier)"}, {"2", "RxD in (receive)"}}},
                    {49, "Mac SCSI", {}}};
    const auto ConnectorWordsOf = [&list](int n) { return ConnectorWords(list.connector(n) ? *list.connector(n) : ConnectorEntry{}); };
    const auto PinoutWordsOf = [&list](int n) { return PinoutWords(list.pinout(n) ? *list.pinout(n) : PinoutEntry{}); };
    const struct {
        std::string words;
        std::string expected;
    } cases[] = {
        {ConnectorWordsOf(9), "DE-9 (9-pin D-sub), female, mating face"},
        {ConnectorWordsOf(15), "RCA (phono), male, side view"},
        {ConnectorWordsOf(99), "Unused"},  // a list without the connector's face says its name
        {ConnectorWordsOf(12), ""},
        {PinoutWordsOf(1), "DE-9 RS-232 (PC, DTE): 1 DCD in (carrier); 2 RxD in (receive)"},
        {PinoutWordsOf(49), "Mac SCSI"},
        {PinoutWordsOf(2), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.words, c.expected);
}

TEST(SpokenText, NotesInFullThenTheContinuityChecklist) {
    IndexedCable cable;
    cable.notes = {{"What it is for", "Joins two PCs."}, {"Caution", "Shield at one end."}};
    cable.wires = {{"wire", "S3", "TxD", "E2", "RxD", ""}, {"jumper", "E6", "DSR", "E1", "DCD", ""}};
    cable.checks = {"S5 - shell: no beep"};
    EXPECT_EQ(NotesWords(cable),
              "What it is for: Joins two PCs.\r\nCaution: Shield at one end.\r\n"
              "Continuity check. The meter beeps on each pair:\r\nS3 - E2\r\nE6 - E1\r\nS5 - shell: no beep\r\n"
              "No beep between any other two contacts.\r\n");
}

TEST(SpokenText, AMetafileSaysItsTextsInOrderAndADamagedOneNothing) {
    wiring::MetafileWriter writer;
    writer.textOut(0, 3000, "Strandor!");
    writer.moveTo(0, 0);
    writer.lineTo(10, 10);
    writer.textOut(0, -300, "Press F5");
    const std::vector<std::uint8_t> bytes = writer.finish();
    EXPECT_EQ(MetafileWords(bytes.data(), bytes.size()), "Strandor! Press F5");
    EXPECT_EQ(MetafileWords(bytes.data(), bytes.size() - 6), "") << "without its closing record";
    EXPECT_EQ(MetafileWords(nullptr, 0), "");
    for (bool clipped : {false, true}) {
        const std::vector<std::uint8_t> ext = extTextOutFile("odd", clipped);
        EXPECT_EQ(MetafileWords(ext.data(), ext.size()), "odd") << "clipped " << clipped;
    }
}
