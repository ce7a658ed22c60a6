// The cable index: its text format, and what datagen puts into it from data/.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Build.h"
#include "CableIndexWriter.h"
#include "RealCableIndex.h"
#include "datafiles/CableIndex.h"
#include "datafiles/Continuity.h"
#include "cables/CableTable.h"

using namespace wiring;

namespace {
CableIndex sampleIndex() {
    IndexedCable cable;
    cable.number = 6;
    cable.title = "Null modem, full handshake";
    cable.start = {"DE-9", "female", "DE-9 (9-pin D-sub)", "DE-9 (PC 1)"};
    cable.end = {"DB-25", "male", "DB-25 (25-pin D-sub)", ""};
    cable.branches = {{"L", "left channel"}};
    cable.wires = {{"wire", "S3", "TxD", "E2", "RxD", "brown"},
                   {"shield", "SSHELL", "", "-", "", ""},
                   {"jumper", "E6", "DSR", "E1", "DCD", ""}};
    cable.checks = {"S5 - shell: no beep"};
    cable.words = "Joins two PCs";
    cable.notes = {{"What it is for", "Joins two PCs."}, {"Caution", "Tab\tless"}};
    IndexedCable plain;
    plain.number = 42;
    plain.title = "MAC - PC";
    plain.start = {"Mini-DIN 8", "male", "Mini-DIN 8", "Mac"};
    plain.end = plain.start;
    return {{cable, plain}};
}

std::string errorOf(const std::string& text) {
    CableIndexReading reading = ParseCableIndex(text);
    EXPECT_FALSE(reading.ok) << "accepted:\n" << text;
    return reading.error;
}

const std::string Cable = "CABLE\t001\tT\n";
const std::string Ends = "START\tDE-9\tfemale\tDE-9 (x)\tPC\nEND\tDE-9\tmale\tDE-9 (x)\tPC\n";
}  // namespace

TEST(CableIndexFormat, WhatIsWrittenReadsBackTheSameAndTabsInFieldsBecomeBlanks) {
    CableIndex index = sampleIndex();
    const std::string text = FormatCableIndex(index);
    CableIndexReading reading = ParseCableIndex(text);
    ASSERT_TRUE(reading.ok) << reading.error;
    EXPECT_EQ(reading.index.cables[1], index.cables[1]);
    EXPECT_EQ(reading.index.cables[0].notes.back().text, "Tab less");
    index.cables[0].notes.back().text = "Tab less";
    EXPECT_EQ(reading.index.cables[0], index.cables[0]);
    EXPECT_NE(text.find("WIRE\tshield\tSSHELL\t\t-\t\t\r\n"), std::string::npos) << text;
    EXPECT_EQ(reading.index.find(42), &reading.index.cables[1]);
    EXPECT_EQ(reading.index.find(7), nullptr);
    index.cables[0].words = "two\tlines\r\nhere";
    EXPECT_EQ(ParseCableIndex(FormatCableIndex(index)).index.cables[0].words, "two lines  here");
}

TEST(CableIndexFormat, DamagedIndexesNameTheLineAndTheFault) {
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"; c\nSTART\tDE-9\tmale\tx\ty\n", "line 2: a START line before the first CABLE line"},
        {"CABLE\t1\tT\n", "line 1: the cable number '1' is not three digits"},
        {"CABLE\t001\t\n", "line 1: cable 001 has no title"},
        {Cable + Ends + "CABLE\t001\tU\n", "line 4: the cables stand in ascending order: 001 cannot follow 001"},
        {Cable + "START\tDE-9\tboth\tx\ty\n", "line 2: the gender is 'male', 'female' or empty (loose ends), not 'both'"},
        {Cable + Ends + "START\tDE-9\tmale\tx\ty\n", "line 4: a second START line for cable 001"},
        {Cable + "START\tDE-9\tmale\tx\ty\nCABLE\t002\tU\n", "line 1: cable 001 has no END line"},
        {Cable + Ends + "WIRE\tcable\tS1\t\tE1\t\t\n", "line 4: the wire kind is wire, ribbon, shield or jumper, not 'cable'"},
        {Cable + Ends + "WIRE\twire\t3\t\tE1\t\t\n", "line 4: '3' is not a contact such as S3 or E2"},
        {Cable + Ends + "WIRE\twire\tS3\tTxD\tE2\n",
         "line 4: a WIRE line has seven fields: WIRE, kind, contact, signal, contact, signal, colour"},
        {Cable + Ends + "WIRE\twire\tS3\tT\x01\tE2\t\t\n", "line 4: a field holds a control character"},
        {Cable + Ends + "NOTES\tx\n", "line 4: a line starts with CABLE, START, END, BRANCH, WIRE, CHECK, WORDS, NOTE, PART, UNCONFIRMED, QUIET, FACE or SPOT and a tab"},
        {Cable + Ends + "NOTE\tx\n", "line 4: a NOTE line has three fields: NOTE, heading, text"},
        {Cable + Ends + "NOTE\t\tx\n", "line 4: a note has no heading"},
        {"; only comments\r\n", "the index names no cables"},
        {Cable + Ends + std::string("\0", 1), "the file holds binary data"},
        {std::string(MaxCableIndexBytes + 1, ';'), "the file is too long to be a cable index"},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.text), c.error) << c.text;
}

TEST(CableIndexFormat, TheMessageForAnUnknownRecordNamesEveryKindTheWriterWrites) {
    const std::string unknown = errorOf(Cable + Ends + "NOTES\tx\n");
    const std::string written = FormatCableIndex(realIndex()) + FormatCableIndex(sampleIndex());
    std::set<std::string> kinds;
    for (std::size_t at = 0; at < written.size(); at = written.find('\n', at) + 1)
        if (written[at] != ';') kinds.insert(written.substr(at, written.find('\t', at) - at));
    EXPECT_EQ(kinds.size(), 13u) << "the real and sample indexes hold every kind of record";
    for (const std::string& kind : kinds) EXPECT_NE(unknown.find(" " + kind), std::string::npos) << kind;
}

TEST(CableIndexFormat, TheChecklistPairsEveryWireJumperAndJoinedShield) {
    IndexedCable cable = sampleIndex().cables[0];
    EXPECT_EQ(ContinuityPairs(cable), (std::vector<std::string>{"S3 - E2", "E6 - E1"}));
    cable.wires[1].to = "E1";
    EXPECT_EQ(ContinuityPairs(cable), (std::vector<std::string>{"S3 - E2", "SSHELL - E1", "E6 - E1"}));
}

// ---- datagen's index of the real sources

TEST(CableIndexWriter, EveryCableInUseIsIndexedWithItsConnectorsAndWiring) {
    OutputSet out;
    addCableIndex(loadSourceSet(std::string(SOURCE_DIR) + "/data"), out);
    auto found = out.find(cableIndexPath());
    ASSERT_NE(found, out.end());
    std::string onDisk = CableIndexPath;
    std::replace(onDisk.begin(), onDisk.end(), '\\', '/');
    EXPECT_EQ(onDisk, "DATA/" + found->first) << "datagen writes where the program reads";

    CableIndexReading reading = ParseCableIndex(std::string(found->second.bytes.begin(), found->second.bytes.end()));
    ASSERT_TRUE(reading.ok) << reading.error;
    std::vector<int> indexed;
    for (const IndexedCable& cable : reading.index.cables) indexed.push_back(cable.number);
    EXPECT_EQ(indexed, CablesInUse());

    const IndexedCable& six = *reading.index.find(6);
    EXPECT_EQ(six.title, "Null modem, full handshake");
    EXPECT_EQ(six.start.choice(), "DE-9 female") << "the family is the drawing's title without its bracketed end";
    EXPECT_EQ(six.start.label, "DE-9 (PC 1)");
    EXPECT_EQ(six.wires.front(), (IndexedWire{"wire", "S3", "TxD", "E2", "RxD", ""}));
    // The same pairs, in the same order, as `datagen netlist 6` prints (data/README.md).
    EXPECT_EQ(ContinuityPairs(six), (std::vector<std::string>{"S3 - E2", "S2 - E3", "S5 - E5", "S4 - E6", "S6 - E4",
                                                               "S7 - E8", "S8 - E7", "E6 - E1", "S6 - S1"}));
    EXPECT_NE(six.words.find("flow"), std::string::npos);
    EXPECT_EQ(reading.index.find(10)->branches.size(), 2u) << "SCART to a pair of RCA plugs";

    // The notes in full, each paragraph under the heading the notes drawing gives it, in its order.
    const std::vector<IndexedNote>& notes = reading.index.find(3)->notes;
    std::vector<std::string> headings;
    for (const IndexedNote& note : notes) headings.push_back(note.heading);
    EXPECT_EQ(headings, (std::vector<std::string>{"What it is for", "Variant", "Cable to use", "Parts", "Caution",
                                                   "Wiring documented in"}))
        << "\"Connectors\" only where a drawing is to be mirrored: \"Parts\" names the ends";
    EXPECT_EQ(notes[0].text, "Joins two PCs by their 9-pin serial ports (both are DTEs), for file transfer or a "
                             "terminal session, without modems.");
}
