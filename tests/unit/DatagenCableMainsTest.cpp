// The mains adapters: line to line, neutral to neutral, protective earth to protective earth
// where both connectors have one, and never anything else. Which connectors are earthed follows
// from the cable table (pinout 46 three-pole, 47 two-pole), not from the data files.

#include "DatagenCableFixture.h"
#include "cables/CableTable.h"

using namespace wiring;

TEST(DatagenCableMains, EveryAdapterKeepsLineNeutralAndEarthApart) {
    for (int n = 60; n <= 80; ++n) {
        const CableRecord& row = Catalog.cables[n];
        const bool earthed = row.startPinouts == 46 && row.endPinouts == 46;
        ContactGroups expected = {{"SL", "EL"}, {"SN", "EN"}};
        if (earthed) expected.insert({"SPE", "EPE"});
        const ContactGroups actual = groupsOf(realCable(n));
        EXPECT_EQ(actual, expected) << "cable " << n << " " << row.name << ": " << describe(actual);
    }
}

TEST(DatagenCableMains, EveryAdapterWarnsThatItIsWorkForAQualifiedPerson) {
    for (int n = 60; n <= 80; ++n) {
        const CableSource cable = realCable(n);
        bool warned = false;
        for (const CableNote& note : cable.notes)
            warned = warned || (note.section == NoteSection::Caution && note.text.find("qualified person") != std::string::npos);
        EXPECT_TRUE(warned) << "cable " << n;
    }
}
