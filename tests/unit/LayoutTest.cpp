#include <gtest/gtest.h>

#include "app/Layout.h"

TEST(CentreRect, StartWindowLandsCentredOn1024x768) {
    Rect rect = {10, 10, 412, 312};
    CentreRect(rect, 1024, 768);
    EXPECT_EQ(rect, (Rect{321, 243, 723, 545}));
}

TEST(CentreRect, MainWindowLandsExactlyCentred) {
    Rect rect = {0, 0, 640, 480};
    CentreRect(rect, 1024, 768);
    EXPECT_EQ(rect, (Rect{192, 144, 832, 624}));
}

TEST(CentreRect, ScreenSmallerThanWindowGivesNegativeCornerTruncatedTowardZero) {
    Rect rect = {10, 10, 412, 312};
    CentreRect(rect, 301, 201);  // (301 - 402) / 2 = -50 (not -51), (201 - 302) / 2 = -50
    EXPECT_EQ(rect, (Rect{-40, -40, 362, 262}));
}

TEST(StatusRect, BottomNineteenPixelsOneInFromTheSides) {
    EXPECT_EQ(StatusRectFor({0, 0, 628, 421}), (Rect{1, 402, 627, 421}));
}

TEST(PanelLayout, FirstLayoutGivesConnectorPanels190Wide) {
    PanelRects panels = FirstLayout({0, 0, 628, 421});
    EXPECT_EQ(panels.start, (Rect{10, 50, 200, 401}));
    EXPECT_EQ(panels.diagram, (Rect{220, 50, 408, 401}));
    EXPECT_EQ(panels.end, (Rect{428, 50, 618, 401}));
    EXPECT_EQ(panels.start.width(), 190);
    EXPECT_EQ(panels.end.width(), 190);
}

TEST(PanelLayout, ThirdsTruncateTheThird) {
    PanelRects panels = ThirdsLayout({0, 0, 788, 541});  // third = 262
    EXPECT_EQ(panels.start, (Rect{10, 50, 252, 521}));
    EXPECT_EQ(panels.diagram, (Rect{272, 50, 514, 521}));
    EXPECT_EQ(panels.end, (Rect{534, 50, 778, 521}));
}

TEST(PanelScale, FromTheOuterWindowSize) {
    EXPECT_EQ(PanelScaleFor(640, 480), (Scale{768, -576}));
    EXPECT_EQ(PanelScaleFor(800, 600), (Scale{960, -720}));
    EXPECT_EQ(PanelScaleFor(1024, 768), (Scale{1228, -921}));
    EXPECT_EQ(PanelScaleFor(643, 484), (Scale{771, -580}));  // 643/5 = 128, 484/5 = 96
}

TEST(SurfaceHint, BottomStripAboveAndTheThresholdLine) {
    Rect client = {0, 0, 628, 421};  // threshold 401
    EXPECT_EQ(SurfaceHintFor(402, client), HintStatusbar);
    EXPECT_EQ(SurfaceHintFor(420, client), HintStatusbar);
    EXPECT_EQ(SurfaceHintFor(400, client), HintSurface);
    EXPECT_EQ(SurfaceHintFor(0, client), HintSurface);
    EXPECT_EQ(SurfaceHintFor(401, client), NoHintChange);
}
