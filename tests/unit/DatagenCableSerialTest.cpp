// The null modems and the printer cable as people build them, checked contact by contact against
// the public pin assignments, written out here and not taken from the data files.

#include <map>

#include "DatagenCableFixture.h"

using namespace wiring;

namespace {

// EIA-232 DB-25, DTE (the PC).
const std::map<std::string, int> Db25 = {{"TxD", 2}, {"RxD", 3}, {"RTS", 4}, {"CTS", 5}, {"DSR", 6},
                                         {"GND", 7}, {"DCD", 8}, {"DTR", 20}};
// EIA/TIA-574 DE-9, DTE (the PC).
const std::map<std::string, int> De9 = {{"DCD", 1}, {"RxD", 2}, {"TxD", 3}, {"DTR", 4},
                                        {"GND", 5}, {"DSR", 6}, {"RTS", 7}, {"CTS", 8}};

using Port = std::map<std::string, int>;

// Null modem, full handshake: data crossed, ground straight, each side's DTR to the other's DSR
// and DCD, each side's RTS to the other's CTS.
ContactGroups fullHandshake(const Port& start, const Port& end) {
    return {
        {S(start.at("TxD")), E(end.at("RxD"))},
        {S(start.at("RxD")), E(end.at("TxD"))},
        {S(start.at("GND")), E(end.at("GND"))},
        {S(start.at("DTR")), E(end.at("DSR")), E(end.at("DCD"))},
        {E(end.at("DTR")), S(start.at("DSR")), S(start.at("DCD"))},
        {S(start.at("RTS")), E(end.at("CTS"))},
        {E(end.at("RTS")), S(start.at("CTS"))},
    };
}

// Null modem, three wires: data crossed, ground straight; each plug answers its own handshake
// (RTS to CTS, DTR to DSR and DCD).
ContactGroups threeWire(const Port& start, const Port& end) {
    return {
        {S(start.at("TxD")), E(end.at("RxD"))},
        {S(start.at("RxD")), E(end.at("TxD"))},
        {S(start.at("GND")), E(end.at("GND"))},
        {S(start.at("RTS")), S(start.at("CTS"))},
        {S(start.at("DTR")), S(start.at("DSR")), S(start.at("DCD"))},
        {E(end.at("RTS")), E(end.at("CTS"))},
        {E(end.at("DTR")), E(end.at("DSR")), E(end.at("DCD"))},
    };
}

void expectGroups(int cable, const ContactGroups& expected) {
    const ContactGroups actual = groupsOf(realCable(cable));
    EXPECT_EQ(actual, expected) << "cable " << cable << "\n  actual:   " << describe(actual)
                                << "\n  expected: " << describe(expected);
}

}  // namespace

TEST(DatagenCableSerial, ThreeWireNullModemDb25ToDb25) { expectGroups(1, threeWire(Db25, Db25)); }

TEST(DatagenCableSerial, ThreeWireNullModemDb25ToDe9) { expectGroups(2, threeWire(Db25, De9)); }

TEST(DatagenCableSerial, ThreeWireNullModemDe9ToDe9) { expectGroups(3, threeWire(De9, De9)); }

TEST(DatagenCableSerial, FullNullModemDb25ToDb25) { expectGroups(4, fullHandshake(Db25, Db25)); }

TEST(DatagenCableSerial, FullNullModemDb25ToDe9) { expectGroups(5, fullHandshake(Db25, De9)); }

TEST(DatagenCableSerial, FullNullModemDe9ToDe9) { expectGroups(6, fullHandshake(De9, De9)); }

TEST(DatagenCableSerial, DeNineTxdGoesToRxdAndDtrToDsrAndDcd) {
    // The same facts spelled out in numbers for the cable people make most.
    const ContactGroups groups = groupsOf(realCable(6));
    EXPECT_EQ(groupWith(groups, "S3"), (ContactGroup{"S3", "E2"}));
    EXPECT_EQ(groupWith(groups, "S5"), (ContactGroup{"S5", "E5"}));
    EXPECT_EQ(groupWith(groups, "S4"), (ContactGroup{"S4", "E6", "E1"}));
    EXPECT_EQ(groupWith(groups, "S7"), (ContactGroup{"S7", "E8"}));
    EXPECT_TRUE(groupWith(groups, "S9").empty());  // RI stays free
}

namespace {

// IEEE 1284: the PC's DB-25 (type A) and the printer's Centronics 36 (type B).
struct ParallelLine {
    const char* name;
    int pc;
    int printer;
};

const ParallelLine ParallelSignals[] = {
    {"nStrobe", 1, 1}, {"D0", 2, 2},      {"D1", 3, 3},      {"D2", 4, 4},        {"D3", 5, 5},
    {"D4", 6, 6},      {"D5", 7, 7},      {"D6", 8, 8},      {"D7", 9, 9},        {"nAck", 10, 10},
    {"Busy", 11, 11},  {"PError", 12, 12}, {"Select", 13, 13}, {"nAutoFd", 14, 14}, {"nFault", 15, 32},
    {"nInit", 16, 31}, {"nSelectIn", 17, 36},
};

bool isPcGround(const std::string& c) {
    if (c.size() < 2 || c[0] != 'S' || c == "SSHELL") return false;
    const int n = std::stoi(c.substr(1));
    return n >= 18 && n <= 25;
}

bool isPrinterGround(const std::string& c) {
    if (c.size() < 2 || c[0] != 'E' || c == "ESHELL") return false;
    const int n = std::stoi(c.substr(1));
    return (n >= 19 && n <= 30) || n == 16 || n == 33;
}

}  // namespace

TEST(DatagenCablePrinter, EverySignalOnItsOwnWireToTheRightContact) {
    const ContactGroups groups = groupsOf(realCable(8));
    for (const ParallelLine& line : ParallelSignals) {
        EXPECT_EQ(groupWith(groups, S(line.pc)), (ContactGroup{S(line.pc), E(line.printer)})) << line.name;
    }
}

TEST(DatagenCablePrinter, GroundsJoinGroundsOnly) {
    const ContactGroups groups = groupsOf(realCable(8));
    for (int pc = 18; pc <= 25; ++pc) {
        const ContactGroup g = groupWith(groups, S(pc));
        ASSERT_FALSE(g.empty()) << "PC ground " << pc << " has no wire";
        bool reachesPrinter = false;
        for (const std::string& c : g) {
            EXPECT_TRUE(isPcGround(c) || isPrinterGround(c)) << c << " is joined to PC ground " << pc;
            reachesPrinter = reachesPrinter || isPrinterGround(c);
        }
        EXPECT_TRUE(reachesPrinter) << "PC ground " << pc;
    }
    for (int printer = 19; printer <= 30; ++printer) {
        const ContactGroup g = groupWith(groups, E(printer));
        const bool fromPc = std::any_of(g.begin(), g.end(), isPcGround);
        EXPECT_TRUE(fromPc) << "printer ground return " << printer << " reaches no PC ground";
    }
}

TEST(DatagenCablePrinter, PrinterSupplyAndFreeContactsStayFree) {
    const ContactGroups groups = groupsOf(realCable(8));
    for (int free : {15, 18, 34, 35}) EXPECT_TRUE(groupWith(groups, E(free)).empty()) << "Centronics " << free;
    // The shield joins the shells and the printer's chassis ground, nothing else.
    EXPECT_EQ(groupWith(groups, "SSHELL"), (ContactGroup{"SSHELL", "ESHELL", "E17"}));
}
