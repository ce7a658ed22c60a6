#include "drawing/FramedDrawing.h"

#include "drawing/DrawMetafile.h"
#include "drawing/Placement.h"
#include "framework/Dc.h"
#include "framework/GdiObjects.h"

void PaintFramedDrawing(CDC& dc, int w, int h, const std::string& path, int viewportX, int viewportY) {
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

    CPen darkGrey(PS_SOLID, 1, RGB(128, 128, 128));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    {
        SelectGuard pen(memory, darkGrey);
        memory.MoveTo(0, h);
        memory.LineTo(0, 0);
        memory.LineTo(w, 0);
    }
    {
        SelectGuard pen(memory, black);
        memory.MoveTo(1, h - 2);
        memory.LineTo(1, 1);
        memory.LineTo(w - 2, 1);
        memory.LineTo(w - 2, h - 2);
        memory.LineTo(1, h - 2);
    }
    dc.BitBlt(0, 0, w, h, memory, 0, 0, SRCCOPY);
}
