#include "ui/Surface.h"

#include "framework/Dc.h"
#include "framework/Dpi.h"
#include "framework/GdiObjects.h"

namespace {
constexpr COLORREF LightGrey = RGB(192, 192, 192);
constexpr COLORREF DarkGrey = RGB(128, 128, 128);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Blue = RGB(0, 0, 255);
}  // namespace

void PaintSurface(CDC& dc, const RECT& c, const std::string& statusText, int dpi) {
    dc.FillSolidRect(c, LightGrey);
    CPen whitePen(PS_SOLID, 1, White);
    CPen greyPen(PS_SOLID, 1, DarkGrey);
    {
        SelectGuard pen(dc, whitePen);
        dc.MoveTo(c.left, c.bottom);
        dc.LineTo(c.left, c.top);
        dc.LineTo(c.right, c.top);
    }
    {
        SelectGuard pen(dc, greyPen);
        dc.MoveTo(c.right, c.top);
        dc.LineTo(c.right, c.bottom);
        dc.LineTo(c.left, c.bottom);
    }
    dc.SetBkColor(LightGrey);
    dc.SetBkMode(TRANSPARENT);
    DpiFontScope font(dc, dpi);
    struct Layer {
        COLORREF colour;
        int x, up;
    };
    const Layer layers[] = {{DarkGrey, 12, 15}, {White, 8, 18}, {Blue, 10, 17}};
    for (const Layer& layer : layers) {
        dc.SetTextColor(layer.colour);
        dc.TextOut(c.left + ScaleForDpi(layer.x, dpi), c.bottom - ScaleForDpi(layer.up, dpi), statusText);
    }
}
