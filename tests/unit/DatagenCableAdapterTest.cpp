// Network, keyboard and power adapters checked against their public assignments, written out
// here and not taken from the data files.

#include <map>

#include "DatagenCableFixture.h"

using namespace wiring;

TEST(DatagenCableAdapter, EthernetCrossoverJoinsEachTransmitPairToTheOtherReceivePair) {
    // 10BASE-T/100BASE-TX: transmit on 1 and 2, receive on 3 and 6; T568B at one end and
    // T568A at the other puts 1 on 3 and 2 on 6 (and back); 4, 5, 7, 8 run straight.
    const ContactGroups expected = {{"S1", "E3"}, {"S2", "E6"}, {"S3", "E1"}, {"S6", "E2"},
                                    {"S4", "E4"}, {"S5", "E5"}, {"S7", "E7"}, {"S8", "E8"}};
    const ContactGroups actual = groupsOf(realCable(35));
    EXPECT_EQ(actual, expected) << describe(actual);
}

TEST(DatagenCableAdapter, EthernetCrossoverColoursFollowT568BAtTheStart) {
    // T568B: 1 white/orange, 2 orange, 3 white/green, 6 green.
    const CableSource cable = realCable(35);
    const std::map<std::string, std::string> colours = {{"1", "wh/or"}, {"2", "orange"}, {"3", "wh/gn"}, {"6", "green"}};
    for (const Wire& w : cable.wires) {
        auto found = colours.find(w.start.contact);
        if (found != colours.end()) {
            EXPECT_EQ(w.colour, found->second) << "start contact " << w.start.contact;
        }
    }
}

TEST(DatagenCableAdapter, PsTwoToAtKeyboardKeepsEachLineOnItsSignal) {
    // PS/2 mini-DIN 6: 1 data, 3 ground, 4 +5 V, 5 clock. AT DIN 5: 1 clock, 2 data, 4 ground, 5 +5 V.
    const ContactGroups expected = {{"S1", "E2"}, {"S3", "E4"}, {"S4", "E5"}, {"S5", "E1"}};
    const ContactGroups actual = groupsOf(realCable(56));
    EXPECT_EQ(actual, expected) << describe(actual);
}

TEST(DatagenCableAdapter, DrivePowerKeepsTwelveAndFiveVoltsApart) {
    // 5.25" drive plug: 1 +12 V, 2 and 3 ground, 4 +5 V. 3.5" floppy plug: 1 +5 V, 2 and 3 ground, 4 +12 V.
    const ContactGroups groups = groupsOf(realCable(50));
    EXPECT_EQ(groupWith(groups, "S1"), (ContactGroup{"S1", "E4"}));
    EXPECT_EQ(groupWith(groups, "S4"), (ContactGroup{"S4", "E1"}));
    for (const char* ground : {"S2", "S3"}) {
        const ContactGroup g = groupWith(groups, ground);
        ASSERT_EQ(g.size(), 2u) << ground;
        EXPECT_TRUE(g.count("E2") || g.count("E3")) << ground;
    }
}

TEST(DatagenCableAdapter, MacToVgaSensesAVgaMonitor) {
    // Mac DA-15: 2 red, 5 green, 9 blue, 15 H-sync, 12 V-sync; sense 1 (7) linked to sense 2 (10),
    // sense 0 (4) free. VGA HD-15: 1 red, 2 green, 3 blue, 13 H-sync, 14 V-sync.
    const ContactGroups groups = groupsOf(realCable(81));
    EXPECT_EQ(groupWith(groups, "S2"), (ContactGroup{"S2", "E1"}));
    EXPECT_EQ(groupWith(groups, "S5"), (ContactGroup{"S5", "E2"}));
    EXPECT_EQ(groupWith(groups, "S9"), (ContactGroup{"S9", "E3"}));
    EXPECT_EQ(groupWith(groups, "S15"), (ContactGroup{"S15", "E13"}));
    EXPECT_EQ(groupWith(groups, "S12"), (ContactGroup{"S12", "E14"}));
    EXPECT_EQ(groupWith(groups, "S7"), (ContactGroup{"S7", "S10"}));
    EXPECT_TRUE(groupWith(groups, "S4").empty());
}
