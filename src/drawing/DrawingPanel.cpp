#include "drawing/DrawingPanel.h"

#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "cables/CableTable.h"
#include "drawing/FramedDrawing.h"
#include "drawing/NotesDialog.h"

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

// The whole picture is made off screen and copied to the window in one step.
void DrawingPanel::Paint(CDC& dc) {
    RECT client;
    GetClientRect(&client);
    const std::string& path = showFirst == 1 ? firstPath : secondPath;
    PaintFramedDrawing(dc, client.right, client.bottom, path, PanelScale.x, PanelScale.y);
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
