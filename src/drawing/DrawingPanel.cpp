#include "drawing/DrawingPanel.h"

#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "catalog/Catalog.h"
#include "drawing/DrawMetafile.h"
#include "drawing/NotesDialog.h"
#include "drawing/Placement.h"
#include "framework/GdiObjects.h"

DrawingPanel startPanel("DATA\\PLUG\\PLUG.000", "DATA\\PLUG\\PLUG.000",
                        "Start connector. Doubleclick or press F6 to toggle connector/pinouts.", StartPanelId);
DrawingPanel diagramPanel("DATA\\CABLE\\CABLE.000", "DATA\\CABLE\\CABLE.000",
                          "Circuit diagram. Doubleclick or press F8 for notes.", DiagramPanelId);
DrawingPanel endPanel("DATA\\PLUG\\PLUG.000", "DATA\\PLUG\\PLUG.000",
                      "End connector. Doubleclick or press F7 to toggle connector/pinouts.", EndPanelId);

DrawingPanel::DrawingPanel(std::string first, std::string second, std::string hint, int id)
    : firstPath(std::move(first)), secondPath(std::move(second)), hintText(std::move(hint)), panelId(id) {}

LRESULT DrawingPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT: {
            CDC dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
            Paint(dc);
            return 0;
        }
        case WM_MOUSEMOVE:
            OnMouseMove();
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk();
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void DrawingPanel::OnPaint() {
    CPaintDC dc(hwnd);
    Paint(dc);
}

// The whole picture is made off screen and copied to the window in one step.
void DrawingPanel::Paint(CDC& dc) {
    RECT client;
    GetClientRect(&client);
    int w = client.right;
    int h = client.bottom;

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
        const std::string& path = showFirst == 1 ? firstPath : secondPath;
        DrawMetafile(memory, path.c_str(), PanelScale.x, PanelScale.y, anchor.x, anchor.y);
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

void DrawingPanel::OnMouseMove() {
    if (mainWindow) mainWindow->ShowHint(panelId, hintText);
}

void DrawingPanel::OnLButtonDblClk() {
    switch (CurrentHintId) {
        case StartPanelId:
            startPanel.Toggle();
            break;
        case EndPanelId:
            endPanel.Toggle();
            break;
        case DiagramPanelId:
            OpenNotes(this, Current.cableIndex);
            break;
        default:
            break;
    }
}

void DrawingPanel::Toggle() {
    showFirst = showFirst == 1 ? 0 : 1;
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
