#include "app/Layout.h"

PanelRects FirstLayout(const Rect& c) {
    return {
        {c.left + 10, c.top + 50, c.left + 200, c.bottom - 20},
        {c.left + 220, c.top + 50, c.right - 220, c.bottom - 20},
        {c.right - 200, c.top + 50, c.right - 10, c.bottom - 20},
    };
}

PanelRects ThirdsLayout(const Rect& c) {
    int third = (c.right - c.left) / 3;
    return {
        {c.left + 10, c.top + 50, third - 10, c.bottom - 20},
        {third + 10, c.top + 50, 2 * third - 10, c.bottom - 20},
        {2 * third + 10, c.top + 50, c.right - 10, c.bottom - 20},
    };
}

Scale PanelScaleFor(int w, int h) { return {w + w / 5, -(h + h / 5)}; }

int SurfaceHintFor(int y, const Rect& client) {
    int threshold = client.bottom - 20;
    if (y > threshold) return HintStatusbar;
    if (y < threshold) return HintSurface;
    return NoHintChange;
}
