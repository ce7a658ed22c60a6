#pragma once
// Rectangles and scales in whole pixels, centring a window on the screen, and where the status line
// of the program's surface lies. Integer arithmetic, truncating divisions. No windows.h here: the
// host tests reach it.

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

// Moves the rectangle by ((W + left - right) / 2, (H + top - bottom) / 2) from where it stands.
void CentreRect(Rect& rect, int screenWidth, int screenHeight);

// A rectangle fixed at 96 DPI, every coordinate scaled to `dpi` (ScaleForDpi).
Rect ScaleRect(const Rect& rect, int dpi);

// The status line: the bottom 19 pixels of the client area, one pixel in from each side (at 96
// DPI; scaled to `dpi`).
Rect StatusRectFor(const Rect& client, int dpi = 96);
