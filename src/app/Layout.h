#pragma once
// The main window's and the start window's geometry: centring, panel layouts, the status strip,
// the panel scale and which hint the pointer gives. Integer arithmetic, truncating divisions.

struct Rect {
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct Scale {
    int x, y;
    bool operator==(const Scale& o) const { return x == o.x && y == o.y; }
};

struct PanelRects {
    Rect start, diagram, end;
};

// Moves the rectangle by ((W + left - right) / 2, (H + top - bottom) / 2) from where it stands.
void CentreRect(Rect& rect, int screenWidth, int screenHeight);

// The status line: the bottom 19 pixels of the client area, one pixel in from each side.
Rect StatusRectFor(const Rect& client);

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
