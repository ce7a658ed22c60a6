#pragma once
// The main window's geometry: panel layouts, the status strip, the panel scale and which hint the
// pointer gives. Integer arithmetic, truncating divisions. The distances are fixed at 96 DPI and
// scaled to the window's `dpi` (ScaleForDpi).

#include "ui/Geometry.h"

struct PanelRects {
    Rect start, diagram, end;
};

// Start-up layout: connector panels 190 pixels wide, the diagram between them.
PanelRects FirstLayout(const Rect& client, int dpi = 96);

// Every later size change: three equal thirds.
PanelRects ThirdsLayout(const Rect& client, int dpi = 96);

// The viewport extent the panels draw with, from the main window's outer size.
Scale PanelScaleFor(int windowWidth, int windowHeight);

// Where the logo stands: 120 x 40 pixels at (500, 5), at `dpi`.
Rect LogoRect(int dpi);

// Hint ids of the main window's own surface.
constexpr int HintWelcome = 0;
constexpr int HintStatusbar = 1;
constexpr int HintSurface = 3;
constexpr int NoHintChange = -1;

// The hint a pointer at client y gives over the main window's own surface: HintStatusbar in the
// bottom strip, HintSurface above it, NoHintChange exactly on the threshold line.
int SurfaceHintFor(int y, const Rect& client, int dpi = 96);
