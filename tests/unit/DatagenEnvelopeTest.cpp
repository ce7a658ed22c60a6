// The envelope each drawing must keep to, and the text extents it is judged by.

#include <gtest/gtest.h>

#include "wiring/Envelope.h"

using namespace wiring;

TEST(DatagenEnvelope, ShapesInsideTheConnectorEnvelopePass) {
    Sketch s;
    s.rectangle({-1880, -4380}, {1880, 4380});
    s.text({0, 0}, 300, Align::Centre, "DE-9");
    EXPECT_TRUE(checkEnvelope(s, DrawingKind::Connector).empty());
}

TEST(DatagenEnvelope, AShapeOverTheEdgeIsNamedWithItsLine) {
    Sketch s;
    s.setSourceLine(7);
    s.setPen(20);
    s.line({0, 0}, {1895, 0});  // the pen's half width reaches 1905
    const auto faults = checkEnvelope(s, DrawingKind::Connector);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].line, 7);
    EXPECT_NE(faults[0].message.find("outside"), std::string::npos);
}

TEST(DatagenEnvelope, WideTextFailsThoughItsOriginIsInside) {
    Sketch s;
    s.text({0, 0}, 300, Align::Centre, "A much too long connector title");
    EXPECT_EQ(checkEnvelope(s, DrawingKind::Connector).size(), 1u);
    EXPECT_TRUE(checkEnvelope(s, DrawingKind::Notes).empty());
}

TEST(DatagenEnvelope, TextBelowTheSmallestHeightFails) {
    Sketch s;
    s.text({0, 0}, 219, Align::Left, "x");
    s.text({0, 500}, 220, Align::Left, "x");
    const auto faults = checkEnvelope(s, DrawingKind::Logo);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].message.find("219"), std::string::npos);
}

TEST(DatagenEnvelope, NotesKeepTheOkButtonCornerClear) {
    Sketch corner;
    corner.rectangle({3600, -3900}, {3700, -3800});
    EXPECT_EQ(checkEnvelope(corner, DrawingKind::Notes).size(), 1u);
    Sketch beside;
    beside.rectangle({3300, -3900}, {3450, -3800});  // left of the corner
    beside.rectangle({3600, -2900}, {3700, -2800});  // above it
    EXPECT_TRUE(checkEnvelope(beside, DrawingKind::Notes).empty());
}

TEST(DatagenEnvelope, LogoEnvelopeIsWideAndLow) {
    Sketch s;
    s.rectangle({-4980, -1480}, {4980, 1480});  // the pen adds half its width
    EXPECT_TRUE(checkEnvelope(s, DrawingKind::Logo).empty());
    s.rectangle({0, 0}, {10, 1510});
    EXPECT_EQ(checkEnvelope(s, DrawingKind::Logo).size(), 1u);
}

TEST(DatagenEnvelope, TextEstimatesAreAtLeastArialsOwnWidths) {
    // Arial advances per 1000 of the height: W 944, M 833, 0-9 556, i 222, space 278.
    EXPECT_GE(estimateTextWidth("WWWW", 1000, false), 4 * 944);
    EXPECT_GE(estimateTextWidth("MMMM", 1000, false), 4 * 833);
    EXPECT_GE(estimateTextWidth("0123456789", 1000, false), 10 * 556);
    EXPECT_GE(estimateTextWidth("iiii", 1000, false), 4 * 222);
    EXPECT_GT(estimateTextWidth("Pin", 300, true), estimateTextWidth("Pin", 300, false));
    EXPECT_LT(estimateTextWidth("iiii", 1000, false), estimateTextWidth("WWWW", 1000, false));
    // The box of a centred text straddles its origin; ascent above the baseline, descent below.
    Sketch s;
    s.text({0, 0}, 1000, Align::Centre, "HH");
    const Box b = shapeBox(s.shapes()[0]);
    EXPECT_LT(b.left, 0);
    EXPECT_GT(b.right, 0);
    EXPECT_GE(b.top, 905);
    EXPECT_LE(b.bottom, -212);
}
