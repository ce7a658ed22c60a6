#pragma once
// The main window's geometry: panel layouts, the status strip, the panel scale and which hint the
// pointer gives. Integer arithmetic, truncating divisions.

#include "ui/Geometry.h"

struct PanelRects {
    Rect start, diagram, end;
};

// Start-up layout: connector panels 190 pixels wide, the diagram between them.
PanelRects FirstLayout(const Rect& client);

// Every later size change: three equal thirds.
PanelRects ThirdsLayout(const Rect& client);

// The viewport extent the panels draw with, from the main window's outer size.
Scale PanelScaleFor(int windowWidth, int windowHeight);

// Hint ids of the main window's own surface.
constexpr int HintWelcome = 0;
constexpr int HintStatusbar = 1;
constexpr int HintSurface = 3;
constexpr int NoHintChange = -1;

// The hint a pointer at client y gives over the main window's own surface: HintStatusbar in the
// bottom strip, HintSurface above it, NoHintChange exactly on the threshold line.
int SurfaceHintFor(int y, const Rect& client);
