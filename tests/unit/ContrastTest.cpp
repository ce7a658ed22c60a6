// The surfaces' colours: the program's own look while high contrast is off, whatever the system's
// colours are; the system's, without embossing, while it is on.

#include <gtest/gtest.h>

#include "ui/Contrast.h"

TEST(Contrast, OffKeepsTheProgramsLookAndOnTakesTheSystemColours) {
    SystemColours system;
    system.buttonFace = MakeColour(0, 0, 0);
    system.buttonHighlight = MakeColour(255, 255, 255);
    system.buttonShadow = MakeColour(0, 128, 0);
    system.buttonText = MakeColour(255, 255, 0);

    const SurfaceColours off = SurfaceColoursFor(false, system);
    EXPECT_TRUE(off == ClassicColours());
    EXPECT_EQ(off.surface, MakeColour(192, 192, 192));
    EXPECT_EQ(off.text, MakeColour(0, 0, 255));
    EXPECT_TRUE(off.embossed);
    EXPECT_EQ(off.frameInner, MakeColour(0, 0, 0));

    const SurfaceColours on = SurfaceColoursFor(true, system);
    const struct {
        Colour got, expected;
        const char* what;
    } cases[] = {
        {on.surface, system.buttonFace, "surface"},         {on.lightEdge, system.buttonHighlight, "light edge"},
        {on.darkEdge, system.buttonShadow, "dark edge"},    {on.text, system.buttonText, "status and path text"},
        {on.plainText, system.buttonText, "labels"},        {on.frameOuter, system.buttonShadow, "frame outer line"},
        {on.frameInner, system.buttonText, "frame outline"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
    EXPECT_FALSE(on.embossed);
}
