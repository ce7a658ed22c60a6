#include "ui/Surface.h"

#include "framework/Dc.h"
#include "framework/GdiObjects.h"

namespace {
constexpr COLORREF LightGrey = RGB(192, 192, 192);
constexpr COLORREF DarkGrey = RGB(128, 128, 128);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Blue = RGB(0, 0, 255);
}  // namespace

void PaintSurface(CDC& dc, const RECT& c, const std::string& statusText) {
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
    dc.SetTextColor(DarkGrey);
    dc.TextOut(c.left + 12, c.bottom - 15, statusText);
    dc.SetTextColor(White);
    dc.TextOut(c.left + 8, c.bottom - 18, statusText);
    dc.SetTextColor(Blue);
    dc.TextOut(c.left + 10, c.bottom - 17, statusText);
}
