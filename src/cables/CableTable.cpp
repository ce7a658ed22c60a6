#include "cables/CableTable.h"

#include "datafiles/ThreeDigits.h"

namespace {

struct CableRow {
    int number;
    CableRecord record;
};

// Row 50 holds the code page 1252 characters one quarter (0xBC) and one half (0xBD).
constexpr CableRow CableRows[] = {
    {0, {"No cable", 0, 0, 0, 0}},
    {1, {"nullmodem, 3-Wire, DB25-DB25", 11, 11, 2, 2}},
    {2, {"nullmodem, 3-Wire, DB25-DB9", 11, 9, 2, 1}},
    {3, {"nullmodem, 3-Wire, DB9-DB9", 9, 9, 1, 1}},
    {4, {"nullmodem, DB25-DB25", 11, 11, 2, 2}},
    {5, {"nullmodem, DB25-DB9", 11, 9, 2, 1}},
    {6, {"nullmodem, DB9-DB9", 9, 9, 1, 1}},
    {7, {"PC to PC DB25-DB25", 11, 11, 2, 2}},
    {8, {"printer cable DB25-Centronics", 11, 13, 3, 4}},
    {9, {"SCART (VHS)-SCART (VHS)", 14, 14, 11, 11}},
    {10, {"SCART (VHS)-RCA audio in", 14, 15, 11, 0}},
    {11, {"SCART (VHS)-RCA audio out", 14, 15, 11, 0}},
    {12, {"SCART (VHS)-DIN5 audio in/out", 14, 4, 11, 12}},
    {13, {"DIN5-RCA audio in/out", 4, 15, 12, 0}},
    {14, {"SCART (VHS)-RCA video in", 14, 15, 11, 0}},
    {15, {"SCART (VHS)-RCA video out", 14, 15, 11, 0}},
    {16, {"VGA adapter HDD15-DB9", 18, 9, 10, 9}},
    {17, {"CGA video in DB9-RCA", 9, 15, 7, 0}},
    {18, {"Floppy drive cable", 24, 27, 14, 14}},
    {19, {"IDE cable", 25, 25, 15, 15}},
    {20, {"SCSI cable", 26, 26, 17, 17}},
    {21, {"MKE CD-ROM IDC cable", 25, 25, 45, 45}},
    {22, {"PS/2 Y-Cable (Gateway)", 28, 28, 13, 13}},
    {23, {"PS/2 Y-Cable (Thinkpad)", 28, 28, 13, 13}},
    {24, {"Soundcard out-RCA in (mono)", 16, 15, 0, 0}},
    {25, {"Soundcard in-RCA out (mono)", 16, 15, 0, 0}},
    {26, {"Soundcard out-RCA in (stereo)", 17, 15, 0, 0}},
    {27, {"Soundcard in-RCA out (stereo)", 17, 15, 0, 0}},
    {28, {"Soundcard - DIN5 audio in/out", 4, 17, 12, 0}},
    {29, {"Soundcard - SCART (VHS)", 14, 17, 11, 0}},
    {30, {"Soundcard - SCART (SVHS)", 14, 17, 31, 0}},
    {33, {"Router (RJ-45) - PC (DB25)", 35, 11, 42, 2}},
    {34, {"Router (RJ-45) - PC (DB9)", 35, 9, 42, 1}},
    {35, {"RJ-45 cross-over cable", 35, 35, 42, 42}},
    {36, {"Router (RJ-45) - MAC", 35, 29, 42, 35}},
    {37, {"MAC - PC (DB25) serial", 29, 11, 35, 2}},
    {38, {"MAC - PC (DB9) serial", 29, 9, 35, 1}},
    {42, {"MAC - PC (DB25) serial, type 2", 29, 11, 35, 2}},
    {43, {"SCART (SVHS)-RCA audio in", 14, 15, 31, 0}},
    {44, {"SCART (SVHS)-RCA audio out", 14, 15, 31, 0}},
    {45, {"MAC - PC (DB9) serial, type 2", 29, 9, 35, 1}},
    {46, {"SCART (SVHS)-DIN5 audio in/out", 14, 4, 31, 12}},
    {47, {"PC-Joystick Y-cable (standard)", 10, 10, 5, 5}},
    {48, {"PC-Joystick Y-cable (soundcard)", 10, 10, 5, 5}},
    {49, {"SVGA to BNC adapter", 18, 34, 10, 0}},
    {50, {"PC-power 5\xBC\" to 3\xBD\"", 22, 21, 27, 28}},
    {51, {"Apple II nullmodem", 4, 4, 37, 37}},
    {52, {"MAC (DB9) - PC (DB25) serial", 9, 11, 36, 2}},
    {53, {"MAC (DB9) - PC (DB9) serial", 9, 9, 36, 1}},
    {54, {"MAC - modem (RS232)", 29, 11, 35, 2}},
    {55, {"MAC - printer (RS232)", 29, 11, 35, 2}},
    {56, {"PS/2 - AT keyboard adapter", 28, 4, 44, 6}},
    {57, {"MIT (RJ-11) - PC (DB9) serial", 32, 9, 43, 1}},
    {58, {"MIT (RJ-11) - PC (DB25) serial", 32, 11, 43, 2}},
    {59, {"PS/2 Mouse - Serialmouse DB9 adapter", 28, 9, 13, 1}},
    {60, {"T65 - AC plug \"type 1\"", 50, 40, 46, 47}},
    {61, {"T65 - AC plug \"type 2\"", 50, 41, 46, 46}},
    {62, {"T65 - AC plug \"type 3\"", 50, 42, 46, 47}},
    {63, {"T65 - AC plug \"type 4\"", 50, 43, 46, 46}},
    {64, {"T65 - AC plug \"type 5\"", 50, 44, 46, 46}},
    {65, {"T65 - AC plug \"type 6\"", 50, 45, 46, 47}},
    {66, {"T65 - AC plug \"type 7\"", 50, 46, 46, 46}},
    {67, {"T65 - AC plug \"type 8\"", 50, 47, 46, 46}},
    {68, {"T65 - AC plug \"type 9\"", 50, 48, 46, 46}},
    {69, {"T65 - AC plug \"type 10\"", 50, 49, 46, 46}},
    {70, {"\"S\" - AC plug \"type 1\"", 51, 40, 47, 47}},
    {71, {"\"S\" - AC plug \"type 2\"", 51, 41, 47, 46}},
    {72, {"\"S\" - AC plug \"type 3\"", 51, 42, 47, 47}},
    {73, {"\"S\" - AC plug \"type 4\"", 51, 43, 47, 46}},
    {74, {"\"S\" - AC plug \"type 5\"", 51, 44, 47, 46}},
    {75, {"\"S\" - AC plug \"type 6\"", 51, 45, 47, 47}},
    {76, {"\"S\" - AC plug \"type 7\"", 51, 46, 47, 46}},
    {77, {"\"S\" - AC plug \"type 8\"", 51, 47, 47, 46}},
    {78, {"\"S\" - AC plug \"type 9\"", 51, 48, 47, 46}},
    {79, {"\"S\" - AC plug \"type 10\"", 51, 49, 47, 46}},
    {80, {"\"S\" - T65 Adapter", 51, 50, 47, 46}},
    {81, {"MAC to SVGA adapter", 10, 18, 48, 10}},
    {82, {"SCSI MAC/PC/Amiga (DB25) to SCSI (50pin IDC)", 11, 26, 49, 17}},
};

struct NodeRow {
    int number;
    CategoryNode node;
};

// Children beyond childCount are ignored by everything that walks the tree; node 12 keeps
// node 17 ("Car audio") in its fourth slot, out of reach.
constexpr NodeRow NodeRows[] = {
    {0, {"Cables", 3, {1, 12, 22}, 1, -1}},
    {1, {"Computer", 5, {2, 10, 9, 11, 19}, 1, 0}},
    {2, {"Data transfer", 3, {3, 8, 20}, 1, 1}},
    {3, {"Serial", 3, {4, 7, 21}, 1, 2}},
    {4, {"RS232", 6, {1, 2, 3, 4, 5, 6}, 0, 3}},
    {5, {"RS422", 1, {0}, 0, 3}},
    {6, {"IEEE488", 1, {0}, 0, 3}},
    {7, {"Apple", 3, {51, 54, 55}, 0, 3}},
    {8, {"Parallel", 2, {8, 7}, 0, 2}},
    {9, {"Monitor", 4, {16, 17, 49, 81}, 0, 1}},
    {10, {"Data storage", 5, {18, 19, 20, 21, 82}, 0, 1}},
    {11, {"Audio", 7, {24, 25, 26, 27, 28, 29, 30}, 0, 1}},
    {12, {"Audio-Video", 3, {13, 14, 15, 17}, 1, 0}},
    {13, {"SCART (VHS)", 6, {9, 14, 15, 10, 11, 12}, 0, 12}},
    {14, {"SCART (SVHS)", 4, {30, 43, 44, 46}, 0, 12}},
    {15, {"Misc", 1, {13}, 0, 12}},
    {17, {"Car audio", 1, {0}, 0, 12}},
    {19, {"Misc", 7, {47, 48, 50, 56, 22, 23, 59}, 0, 1}},
    {20, {"Network", 4, {33, 34, 35, 36}, 0, 2}},
    {21, {"Adapters", 8, {37, 38, 42, 45, 52, 53, 57, 58}, 0, 3}},
    {22, {"AC Power adapters", 2, {23, 24}, 1, 0}},
    {23, {"T65 - Internatioal AC adapters", 11, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 80}, 0, 22}},
    {24, {"Type \"S\" - Internatioal AC adapters", 11, {70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}, 0, 22}},
};

// The rows in their slots; slots without a row stay empty.
constexpr CableCatalog tableOfRows() {
    CableCatalog table{};
    for (const CableRow& row : CableRows) table.cables[row.number] = row.record;
    for (const NodeRow& row : NodeRows) table.nodes[row.number] = row.node;
    return table;
}

}  // namespace

constexpr CableCatalog Catalog = tableOfRows();

std::vector<int> CablesInUse() {
    std::vector<int> numbers;
    for (int n = 0; n < CableRowCount; ++n)
        if (IsCableInUse(n)) numbers.push_back(n);
    return numbers;
}

std::map<int, std::string> CableNamesByNumber() {
    std::map<int, std::string> names;
    for (int n : CablesInUse()) names[n] = Catalog.cables[n].name;
    return names;
}

bool IsCableInUse(int cableNumber) {
    if (cableNumber < 0 || cableNumber >= CableRowCount) return false;
    return Catalog.cables[cableNumber].startPlug != 0;
}

std::string DataFileName(const char* prefix, int number) { return prefix + ThreeDigits(number); }
