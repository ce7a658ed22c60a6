#include "ui/Surface.h"

#include "framework/Dc.h"
#include "framework/Dpi.h"
#include "framework/GdiObjects.h"

SurfaceColours ReadSurfaceColours() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool on = ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON);
    SystemColours system;
    system.buttonFace = ::GetSysColor(COLOR_BTNFACE);
    system.buttonHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    system.buttonShadow = ::GetSysColor(COLOR_BTNSHADOW);
    system.buttonText = ::GetSysColor(COLOR_BTNTEXT);
    return SurfaceColoursFor(on, system);
}

void PaintSurface(CDC& dc, const RECT& c, const std::string& statusText, int dpi, const SurfaceColours& colours) {
    dc.FillSolidRect(c, colours.surface);
    CPen whitePen(PS_SOLID, 1, colours.lightEdge);
    CPen greyPen(PS_SOLID, 1, colours.darkEdge);
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
    dc.SetBkColor(colours.surface);
    dc.SetBkMode(TRANSPARENT);
    DpiFontScope font(dc, dpi);
    struct Layer {
        COLORREF colour;
        int x, up;
        bool embossing;
    };
    const Layer layers[] = {{colours.textDark, 12, 15, true}, {colours.textLight, 8, 18, true}, {colours.text, 10, 17, false}};
    for (const Layer& layer : layers) {
        if (layer.embossing && !colours.embossed) continue;
        dc.SetTextColor(layer.colour);
        dc.TextOut(c.left + ScaleForDpi(layer.x, dpi), c.bottom - ScaleForDpi(layer.up, dpi), statusText);
    }
}
