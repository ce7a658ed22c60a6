#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <set>
#include <string>

#include "cables/CableTable.h"

namespace {

struct ExpectedCable {
    int number;
    const char* name;
    int startPlug, endPlug, startPinouts, endPinouts;
};

// The cable table as the program must hold it, written out row by row.
const ExpectedCable ExpectedCables[] = {
    {0, "No cable", 0, 0, 0, 0},
    {1, "nullmodem, 3-Wire, DB25-DB25", 11, 11, 2, 2},
    {2, "nullmodem, 3-Wire, DB25-DB9", 11, 9, 2, 1},
    {3, "nullmodem, 3-Wire, DB9-DB9", 9, 9, 1, 1},
    {4, "nullmodem, DB25-DB25", 11, 11, 2, 2},
    {5, "nullmodem, DB25-DB9", 11, 9, 2, 1},
    {6, "nullmodem, DB9-DB9", 9, 9, 1, 1},
    {7, "PC to PC DB25-DB25", 11, 11, 2, 2},
    {8, "printer cable DB25-Centronics", 11, 13, 3, 4},
    {9, "SCART (VHS)-SCART (VHS)", 14, 14, 11, 11},
    {10, "SCART (VHS)-RCA audio in", 14, 15, 11, 0},
    {11, "SCART (VHS)-RCA audio out", 14, 15, 11, 0},
    {12, "SCART (VHS)-DIN5 audio in/out", 14, 4, 11, 12},
    {13, "DIN5-RCA audio in/out", 4, 15, 12, 0},
    {14, "SCART (VHS)-RCA video in", 14, 15, 11, 0},
    {15, "SCART (VHS)-RCA video out", 14, 15, 11, 0},
    {16, "VGA adapter HDD15-DB9", 18, 9, 10, 9},
    {17, "CGA video in DB9-RCA", 9, 15, 7, 0},
    {18, "Floppy drive cable", 24, 27, 14, 14},
    {19, "IDE cable", 25, 25, 15, 15},
    {20, "SCSI cable", 26, 26, 17, 17},
    {21, "MKE CD-ROM IDC cable", 25, 25, 45, 45},
    {22, "PS/2 Y-Cable (Gateway)", 28, 28, 13, 13},
    {23, "PS/2 Y-Cable (Thinkpad)", 28, 28, 13, 13},
    {24, "Soundcard out-RCA in (mono)", 16, 15, 0, 0},
    {25, "Soundcard in-RCA out (mono)", 16, 15, 0, 0},
    {26, "Soundcard out-RCA in (stereo)", 17, 15, 0, 0},
    {27, "Soundcard in-RCA out (stereo)", 17, 15, 0, 0},
    {28, "Soundcard - DIN5 audio in/out", 4, 17, 12, 0},
    {29, "Soundcard - SCART (VHS)", 14, 17, 11, 0},
    {30, "Soundcard - SCART (SVHS)", 14, 17, 31, 0},
    {33, "Router (RJ-45) - PC (DB25)", 35, 11, 42, 2},
    {34, "Router (RJ-45) - PC (DB9)", 35, 9, 42, 1},
    {35, "RJ-45 cross-over cable", 35, 35, 42, 42},
    {36, "Router (RJ-45) - MAC", 35, 29, 42, 35},
    {37, "MAC - PC (DB25) serial", 29, 11, 35, 2},
    {38, "MAC - PC (DB9) serial", 29, 9, 35, 1},
    {42, "MAC - PC (DB25) serial, type 2", 29, 11, 35, 2},
    {43, "SCART (SVHS)-RCA audio in", 14, 15, 31, 0},
    {44, "SCART (SVHS)-RCA audio out", 14, 15, 31, 0},
    {45, "MAC - PC (DB9) serial, type 2", 29, 9, 35, 1},
    {46, "SCART (SVHS)-DIN5 audio in/out", 14, 4, 31, 12},
    {47, "PC-Joystick Y-cable (standard)", 10, 10, 5, 5},
    {48, "PC-Joystick Y-cable (soundcard)", 10, 10, 5, 5},
    {49, "SVGA to BNC adapter", 18, 34, 10, 0},
    {50, "PC-power 5\xBC\" to 3\xBD\"", 22, 21, 27, 28},
    {51, "Apple II nullmodem", 4, 4, 37, 37},
    {52, "MAC (DB9) - PC (DB25) serial", 9, 11, 36, 2},
    {53, "MAC (DB9) - PC (DB9) serial", 9, 9, 36, 1},
    {54, "MAC - modem (RS232)", 29, 11, 35, 2},
    {55, "MAC - printer (RS232)", 29, 11, 35, 2},
    {56, "PS/2 - AT keyboard adapter", 28, 4, 44, 6},
    {57, "MIT (RJ-11) - PC (DB9) serial", 32, 9, 43, 1},
    {58, "MIT (RJ-11) - PC (DB25) serial", 32, 11, 43, 2},
    {59, "PS/2 Mouse - Serialmouse DB9 adapter", 28, 9, 13, 1},
    {60, "T65 - AC plug \"type 1\"", 50, 40, 46, 47},
    {61, "T65 - AC plug \"type 2\"", 50, 41, 46, 46},
    {62, "T65 - AC plug \"type 3\"", 50, 42, 46, 47},
    {63, "T65 - AC plug \"type 4\"", 50, 43, 46, 46},
    {64, "T65 - AC plug \"type 5\"", 50, 44, 46, 46},
    {65, "T65 - AC plug \"type 6\"", 50, 45, 46, 47},
    {66, "T65 - AC plug \"type 7\"", 50, 46, 46, 46},
    {67, "T65 - AC plug \"type 8\"", 50, 47, 46, 46},
    {68, "T65 - AC plug \"type 9\"", 50, 48, 46, 46},
    {69, "T65 - AC plug \"type 10\"", 50, 49, 46, 46},
    {70, "\"S\" - AC plug \"type 1\"", 51, 40, 47, 47},
    {71, "\"S\" - AC plug \"type 2\"", 51, 41, 47, 46},
    {72, "\"S\" - AC plug \"type 3\"", 51, 42, 47, 47},
    {73, "\"S\" - AC plug \"type 4\"", 51, 43, 47, 46},
    {74, "\"S\" - AC plug \"type 5\"", 51, 44, 47, 46},
    {75, "\"S\" - AC plug \"type 6\"", 51, 45, 47, 47},
    {76, "\"S\" - AC plug \"type 7\"", 51, 46, 47, 46},
    {77, "\"S\" - AC plug \"type 8\"", 51, 47, 47, 46},
    {78, "\"S\" - AC plug \"type 9\"", 51, 48, 47, 46},
    {79, "\"S\" - AC plug \"type 10\"", 51, 49, 47, 46},
    {80, "\"S\" - T65 Adapter", 51, 50, 47, 46},
    {81, "MAC to SVGA adapter", 10, 18, 48, 10},
    {82, "SCSI MAC/PC/Amiga (DB25) to SCSI (50pin IDC)", 11, 26, 49, 17},
};

struct ExpectedNode {
    int number;
    const char* name;
    int holdsCategories;
    int parent;
    int childCount;
    int children[CategoryChildSlots];  // every slot, the ones past childCount included
};

// The category tree as the program must hold it; nodes 16 and 18 are left out (empty).
const ExpectedNode ExpectedNodes[] = {
    {0, "Cables", 1, -1, 3, {1, 12, 22}},
    {1, "Computer", 1, 0, 5, {2, 10, 9, 11, 19}},
    {2, "Data transfer", 1, 1, 3, {3, 8, 20}},
    {3, "Serial", 1, 2, 3, {4, 7, 21}},
    {4, "RS232", 0, 3, 6, {1, 2, 3, 4, 5, 6}},
    {5, "RS422", 0, 3, 1, {0}},
    {6, "IEEE488", 0, 3, 1, {0}},
    {7, "Apple", 0, 3, 3, {51, 54, 55}},
    {8, "Parallel", 0, 2, 2, {8, 7}},
    {9, "Monitor", 0, 1, 4, {16, 17, 49, 81}},
    {10, "Data storage", 0, 1, 5, {18, 19, 20, 21, 82}},
    {11, "Audio", 0, 1, 7, {24, 25, 26, 27, 28, 29, 30}},
    {12, "Audio-Video", 1, 0, 3, {13, 14, 15, 17}},
    {13, "SCART (VHS)", 0, 12, 6, {9, 14, 15, 10, 11, 12}},
    {14, "SCART (SVHS)", 0, 12, 4, {30, 43, 44, 46}},
    {15, "Misc", 0, 12, 1, {13}},
    {17, "Car audio", 0, 12, 1, {0}},
    {19, "Misc", 0, 1, 7, {47, 48, 50, 56, 22, 23, 59}},
    {20, "Network", 0, 2, 4, {33, 34, 35, 36}},
    {21, "Adapters", 0, 3, 8, {37, 38, 42, 45, 52, 53, 57, 58}},
    {22, "AC Power adapters", 1, 0, 2, {23, 24}},
    {23, "T65 - Internatioal AC adapters", 0, 22, 11, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 80}},
    {24, "Type \"S\" - Internatioal AC adapters", 0, 22, 11, {70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}},
};

// A row holds exactly the expected values; an empty one is expected with no name and zeros.
void expectRow(const CableRecord& row, const ExpectedCable& expected) {
    EXPECT_STREQ(row.name, expected.name);
    EXPECT_EQ(row.startPlug, expected.startPlug);
    EXPECT_EQ(row.endPlug, expected.endPlug);
    EXPECT_EQ(row.startPinouts, expected.startPinouts);
    EXPECT_EQ(row.endPinouts, expected.endPinouts);
}

void expectRow(const CategoryNode& node, const ExpectedNode& expected) {
    EXPECT_STREQ(node.name, expected.name);
    EXPECT_EQ(node.holdsCategories, expected.holdsCategories);
    EXPECT_EQ(node.parent, expected.parent);
    EXPECT_EQ(node.childCount, expected.childCount);
    for (int slot = 0; slot < CategoryChildSlots; ++slot)
        EXPECT_EQ(node.children[slot], expected.children[slot]) << "slot " << slot;
}

// Every expected row once with its values; every other row of the table empty, and those are
// exactly `empty`.
template <typename Row, std::size_t RowCount, typename Expected, std::size_t ExpectedCount>
void expectExactly(const std::string& what, const Row (&rows)[RowCount], const Expected (&expected)[ExpectedCount],
                   const std::set<int>& empty) {
    std::set<int> named;
    for (const Expected& e : expected) {
        SCOPED_TRACE(what + " " + std::to_string(e.number));
        EXPECT_TRUE(named.insert(e.number).second) << "expected twice";
        expectRow(rows[e.number], e);
    }
    std::set<int> unnamed;
    for (int number = 0; number < static_cast<int>(RowCount); ++number) {
        if (named.count(number)) continue;
        SCOPED_TRACE("empty " + what + " " + std::to_string(number));
        unnamed.insert(number);
        Expected none{};
        none.number = number;
        expectRow(rows[number], none);
    }
    EXPECT_EQ(unnamed, empty) << what;
}

using CatalogTest = ::testing::Test;

}  // namespace

TEST_F(CatalogTest, TablesHaveTheirFixedSizes) {
    EXPECT_EQ(sizeof Catalog.cables / sizeof Catalog.cables[0], 100u);
    EXPECT_EQ(sizeof Catalog.nodes / sizeof Catalog.nodes[0], 25u);
    EXPECT_EQ(sizeof Catalog.nodes[0].children / sizeof Catalog.nodes[0].children[0], 30u);
    EXPECT_EQ(sizeof(CableRecord().startPlug), 4u);
    EXPECT_EQ(sizeof(CategoryNode().parent), 4u);
}

TEST_F(CatalogTest, NamedRowsAndNodesHoldExactlyTheirValuesAndTheOthersAreEmpty) {
    ASSERT_EQ(std::size(ExpectedCables), 78u);
    ASSERT_EQ(std::size(ExpectedNodes), 23u);
    std::set<int> emptyRows{31, 32, 39, 40, 41};
    for (int number = 83; number < 100; ++number) emptyRows.insert(number);
    expectExactly("cable row", Catalog.cables, ExpectedCables, emptyRows);
    expectExactly("node", Catalog.nodes, ExpectedNodes, {16, 18});
}

TEST_F(CatalogTest, Row50HoldsQuarterAndHalfAsSingleCodePage1252Bytes) {
    const char* name = Catalog.cables[50].name;
    ASSERT_NE(name, nullptr);
    ASSERT_EQ(std::strlen(name), 19u) << "one byte each, not the two-byte UTF-8 forms";
    EXPECT_EQ(static_cast<unsigned char>(name[10]), 0xBCu);
    EXPECT_EQ(static_cast<unsigned char>(name[17]), 0xBDu);
    EXPECT_EQ(std::string(name, 10), "PC-power 5");
    EXPECT_EQ(std::string(name + 11, 6), "\" to 3");
    EXPECT_EQ(std::string(name + 18), "\"");
    for (const char* c = name; *c; ++c) {
        unsigned char byte = static_cast<unsigned char>(*c);
        EXPECT_TRUE(byte < 0x80 || byte == 0xBC || byte == 0xBD) << "stray byte " << int(byte);
    }
}

TEST_F(CatalogTest, AudioVideoKeepsCarAudioInItsFourthSlotBeyondTheCount) {
    const CategoryNode& audioVideo = Catalog.nodes[12];
    EXPECT_EQ(audioVideo.childCount, 3);
    EXPECT_EQ(audioVideo.children[3], 17);
    EXPECT_STREQ(Catalog.nodes[17].name, "Car audio");
    EXPECT_EQ(audioVideo.children[4], 0);
}

TEST_F(CatalogTest, ExactlyRows1To30And33To38And42To82AreInUse) {
    int inUse = 0;
    std::vector<int> numbers;
    for (int number = 0; number < 100; ++number) {
        bool expected = (number >= 1 && number <= 30) || (number >= 33 && number <= 38) ||
                        (number >= 42 && number <= 82);
        EXPECT_EQ(IsCableInUse(number), expected) << "row " << number;
        if (IsCableInUse(number)) ++inUse;
        if (expected) numbers.push_back(number);
    }
    EXPECT_EQ(inUse, 77);
    EXPECT_EQ(CablesInUse(), numbers);
    EXPECT_FALSE(IsCableInUse(0)) << "row 0 has a name but is not in use";
    EXPECT_STREQ(Catalog.cables[0].name, "No cable");
}

TEST_F(CatalogTest, EveryParentChainEndsAtTheRootWithinFourSteps) {
    for (const ExpectedNode& expected : ExpectedNodes) {
        int node = expected.number;
        int steps = 0;
        while (node != 0 && steps <= 4) {
            node = Catalog.nodes[node].parent;
            ++steps;
            ASSERT_GE(node, 0) << "node " << expected.number << " climbs past the root";
            ASSERT_LT(node, CategoryNodeCount);
        }
        EXPECT_EQ(node, 0) << "node " << expected.number;
        EXPECT_LE(steps, 4) << "node " << expected.number;
    }
    EXPECT_EQ(Catalog.nodes[0].parent, -1);
    // The deepest ones are four steps down.
    int node = 4, steps = 0;
    for (; node != 0; node = Catalog.nodes[node].parent) ++steps;
    EXPECT_EQ(steps, 4) << "RS232";
}

TEST(DataFileName, FormatsThreeZeroPaddedDigitsAfterThePrefix) {
    EXPECT_EQ(DataFileName("DATA\\CABLE\\CABLE.", 0), "DATA\\CABLE\\CABLE.000");
    EXPECT_EQ(DataFileName("DATA\\PLUG\\PLUG.", 29), "DATA\\PLUG\\PLUG.029");
    EXPECT_EQ(DataFileName("DATA\\PLUG\\PLUG.", 9), "DATA\\PLUG\\PLUG.009");
    EXPECT_EQ(DataFileName("DATA\\NOTES\\NOTES.", 82), "DATA\\NOTES\\NOTES.082");
    EXPECT_EQ(DataFileName("X.", 999), "X.999");
    EXPECT_EQ(DataFileName("X.", 100), "X.100");
}

TEST(DataFileName, PrefixesNameTheDataFolders) {
    EXPECT_STREQ(DataPrefix::Plug, "DATA\\PLUG\\PLUG.");
    EXPECT_STREQ(DataPrefix::Pinouts, "DATA\\PINOUTS\\PINOUTS.");
    EXPECT_STREQ(DataPrefix::Cable, "DATA\\CABLE\\CABLE.");
    EXPECT_STREQ(DataPrefix::Notes, "DATA\\NOTES\\NOTES.");
    EXPECT_STREQ(DataPrefix::UserNote, "DATA\\USERNOTE\\USERNOTE.");
    EXPECT_STREQ(DataPrefix::PrintLogo, "DATA\\MISC\\SD_PRINT.LGO");
}

TEST_F(CatalogTest, Rows42And45ShareConnectorsWith37And38ButNotTheirDiagrams) {
    for (auto pair : {std::make_pair(37, 42), std::make_pair(38, 45)}) {
        const CableRecord& first = Catalog.cables[pair.first];
        const CableRecord& second = Catalog.cables[pair.second];
        EXPECT_EQ(first.startPlug, second.startPlug);
        EXPECT_EQ(first.endPlug, second.endPlug);
        EXPECT_EQ(first.startPinouts, second.startPinouts);
        EXPECT_EQ(first.endPinouts, second.endPinouts);
        EXPECT_STRNE(first.name, second.name);
    }
    EXPECT_EQ(DataFileName(DataPrefix::Cable, 42), "DATA\\CABLE\\CABLE.042");
    EXPECT_EQ(DataFileName(DataPrefix::Cable, 45), "DATA\\CABLE\\CABLE.045");
    EXPECT_EQ(DataFileName(DataPrefix::Cable, 37), "DATA\\CABLE\\CABLE.037");
    EXPECT_EQ(DataFileName(DataPrefix::Plug, Catalog.cables[42].startPlug), "DATA\\PLUG\\PLUG.029");
    EXPECT_EQ(DataFileName(DataPrefix::Pinouts, Catalog.cables[42].startPinouts), "DATA\\PINOUTS\\PINOUTS.035");
}

TEST_F(CatalogTest, APinoutNumberOfZeroNamesPinouts000) {
    for (int number : {10, 11, 14, 15}) {
        EXPECT_EQ(Catalog.cables[number].endPinouts, 0) << "cable " << number;
        EXPECT_EQ(DataFileName(DataPrefix::Pinouts, Catalog.cables[number].endPinouts), "DATA\\PINOUTS\\PINOUTS.000");
    }
    for (int number = 24; number <= 27; ++number) {
        EXPECT_EQ(DataFileName(DataPrefix::Pinouts, Catalog.cables[number].startPinouts), "DATA\\PINOUTS\\PINOUTS.000");
        EXPECT_EQ(DataFileName(DataPrefix::Pinouts, Catalog.cables[number].endPinouts), "DATA\\PINOUTS\\PINOUTS.000");
    }
}
