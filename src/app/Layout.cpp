#include "app/Layout.h"

#include "framework/DpiScale.h"

PanelRects FirstLayout(const Rect& c, int dpi) {
    const int gap = ScaleForDpi(10, dpi), top = c.top + ScaleForDpi(50, dpi), bottom = c.bottom - ScaleForDpi(20, dpi);
    const int connector = ScaleForDpi(200, dpi), diagram = ScaleForDpi(220, dpi);
    return {
        {c.left + gap, top, c.left + connector, bottom},
        {c.left + diagram, top, c.right - diagram, bottom},
        {c.right - connector, top, c.right - gap, bottom},
    };
}

PanelRects ThirdsLayout(const Rect& c, int dpi) {
    const int gap = ScaleForDpi(10, dpi), top = c.top + ScaleForDpi(50, dpi), bottom = c.bottom - ScaleForDpi(20, dpi);
    int third = (c.right - c.left) / 3;
    return {
        {c.left + gap, top, third - gap, bottom},
        {third + gap, top, 2 * third - gap, bottom},
        {2 * third + gap, top, c.right - gap, bottom},
    };
}

Rect LogoRect(int dpi) { return ScaleRect({500, 5, 620, 45}, dpi); }

Scale PanelScaleFor(int w, int h) { return {w + w / 5, -(h + h / 5)}; }

int SurfaceHintFor(int y, const Rect& client, int dpi) {
    int threshold = client.bottom - ScaleForDpi(20, dpi);
    if (y > threshold) return HintStatusbar;
    if (y < threshold) return HintSurface;
    return NoHintChange;
}
