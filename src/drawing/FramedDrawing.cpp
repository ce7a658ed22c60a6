#include "drawing/FramedDrawing.h"

#include "drawing/DrawMetafile.h"
#include "drawing/Placement.h"
#include "framework/Dc.h"
#include "framework/DpiScale.h"
#include "framework/GdiObjects.h"

void PaintFramedDrawing(CDC& dc, int w, int h, const std::string& path, int viewportX, int viewportY, int dpi,
                        const SurfaceColours& colours) {
    RECT client = {0, 0, w, h};
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(dc, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    if (!memory.GetSafeHdc() || canvas.isNull()) return;
    SelectGuard selectCanvas(memory, canvas);

    memory.FillSolidRect(client, RGB(255, 255, 255));
    {
        int saved = ::SaveDC(memory);
        Point anchor = PanelAnchor(w, h);
        DrawMetafile(memory, path.c_str(), viewportX, viewportY, anchor.x, anchor.y);
        // A drawing may leave its own objects and modes behind; the frame starts clean.
        ::RestoreDC(memory, saved);
    }
    memory.SetWindowOrg(0, 0);
    memory.SetMapMode(MM_TEXT);

    CPen darkGrey(PS_SOLID, 1, colours.frameOuter);
    CPen black(PS_SOLID, 1, colours.frameInner);
    // Each line is drawn `line` times, one pixel further in each time.
    const int line = ScaleForDpi(1, dpi);
    for (int i = 0; i < line; ++i) {
        SelectGuard pen(memory, darkGrey);
        memory.MoveTo(i, h);
        memory.LineTo(i, i);
        memory.LineTo(w, i);
    }
    for (int i = line; i < 2 * line; ++i) {
        SelectGuard pen(memory, black);
        const int right = w - 1 - i, bottom = h - 1 - i;
        memory.MoveTo(i, bottom);
        memory.LineTo(i, i);
        memory.LineTo(right, i);
        memory.LineTo(right, bottom);
        memory.LineTo(i, bottom);
    }
    dc.BitBlt(0, 0, w, h, memory, 0, 0, SRCCOPY);
}
