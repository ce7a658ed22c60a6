// Scaling to the screen's DPI: the one rounding, the bitmap size a DPI takes, and the catalog
// window's layout at 192 DPI, worked out by hand from the 96-DPI distances. (The main window's
// layouts at 144 and 192 DPI are checked on the real window: tests/gui/DpiLayoutTest.cpp.)
#include <gtest/gtest.h>

#include "catalogapp/CatalogLayout.h"
#include "framework/DpiScale.h"

TEST(DpiScale, RoundsToTheNearestPixelHalvesAwayFromZero) {
    struct Case {
        int value, dpi, fromDpi, expected;
    } cases[] = {
        {640, 96, 96, 640},   {-19, 96, 96, -19},   {0, 144, 96, 0},      {1, 144, 96, 2},  // 1.5 up
        {19, 144, 96, 29},    {47, 144, 96, 71},    {-600, 144, 96, -900}, {-1, 144, 96, -2},
        {5, 120, 96, 6},      {3, 120, 96, 4},      {-3, 120, 96, -4},    {640, 192, 96, 1280},
        {-16, 192, 144, -21}, {13, 96, 144, 9},     {7, 168, 96, 12},     {20000000, 192, 96, 40000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleForDpi(c.value, c.dpi, c.fromDpi), c.expected)
            << c.value << " from " << c.fromDpi << " to " << c.dpi << " DPI";
}

TEST(DpiScale, BitmapSizeNearestTheDpiTheSmallerOnATie) {
    struct Case {
        int dpi, percent;
    } cases[] = {{72, 100}, {96, 100}, {119, 100}, {120, 100}, {121, 150}, {144, 150},
                 {168, 150}, {169, 200}, {192, 200}, {288, 200}};
    for (const Case& c : cases) EXPECT_EQ(BitmapPercentFor(c.dpi), c.percent) << c.dpi << " DPI";
}

TEST(DpiScale, CatalogLayoutAt192Dpi) {
    const CatalogLayout l = CatalogLayoutFor({0, 0, 1568, 1082}, 192);
    EXPECT_EQ(l.status, (Rect{2, 1044, 1566, 1082}));
    EXPECT_EQ(l.connectorList, (Rect{16, 52, 436, 1032}));
    EXPECT_EQ(l.findBox, (Rect{176, 8, 436, 46}));
    EXPECT_EQ(l.connectorPanel, (Rect{452, 52, 994, 640}));  // (1552 - 452 - 16) / 2 = 542 wide
    EXPECT_EQ(l.pinoutPanel, (Rect{1010, 52, 1552, 640}));
    // 542 x 588 pixels: 16 drawing units a pixel (9400 / 588 rounded up), twice the 96-DPI
    // window's 32 on its 271 x 294 panel: the drawing keeps its size on the screen.
    EXPECT_EQ(l.drawingScale, (Scale{1300, -975}));
    EXPECT_EQ(CatalogLayoutFor({0, 0, 784, 541}).drawingScale, (Scale{650, -487}));
}
