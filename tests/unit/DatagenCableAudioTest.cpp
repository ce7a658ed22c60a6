// The SCART audio cables checked against EN 50049-1, written out here and not taken from the
// data files: audio out left 3, right 1; audio in left 6, right 2; audio ground 4. RCA plugs:
// C the centre (signal), S the sleeve (ground).

#include "DatagenCableFixture.h"

using namespace wiring;

namespace {

void expectAudio(int cable, int left, int right) {
    const ContactGroups expected = {{S(left), "EL:C"}, {S(right), "ER:C"}, {"S4", "EL:S", "ER:S"}};
    const ContactGroups actual = groupsOf(realCable(cable));
    EXPECT_EQ(actual, expected) << "cable " << cable << ": " << describe(actual);
}

}  // namespace

TEST(DatagenCableAudio, ScartAudioOutToRcaForAnAmplifierInput) {
    expectAudio(10, 3, 1);
    expectAudio(43, 3, 1);  // the audio pins are the same on S-video SCART
}

TEST(DatagenCableAudio, RcaIntoTheScartAudioInputs) {
    expectAudio(11, 6, 2);
    expectAudio(44, 6, 2);
}

TEST(DatagenCableAudio, FullyWiredScartLeadCrossesOutputsToInputs) {
    const ContactGroups groups = groupsOf(realCable(9));
    // Audio and composite video out to in, both ways.
    for (auto [from, to] : {std::pair{1, 2}, {2, 1}, {3, 6}, {6, 3}, {19, 20}, {20, 19}})
        EXPECT_EQ(groupWith(groups, S(from)), (ContactGroup{S(from), E(to)})) << from;
    // Grounds, RGB, status and data straight; 21 the shield.
    for (int straight : {4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21})
        EXPECT_EQ(groupWith(groups, S(straight)), (ContactGroup{S(straight), E(straight)})) << straight;
}

TEST(DatagenCableAudio, ScartToDinFeedsTheRecorderInputsFromTheAmplifier) {
    // DIN 5 tape socket: 1 left and 4 right to the recorder, 3 left and 5 right from it, 2 ground.
    const ContactGroups expected = {{"S6", "E1"}, {"S2", "E4"}, {"S3", "E3"}, {"S1", "E5"}, {"S4", "E2"}};
    EXPECT_EQ(groupsOf(realCable(12)), expected);
    EXPECT_EQ(groupsOf(realCable(46)), expected);
}
