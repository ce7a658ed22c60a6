#include "catalogapp/DrawingView.h"

#include "drawing/FramedDrawing.h"
#include "catalogapp/CatalogLayout.h"

bool DrawingView::Create(CWnd* parent, const char* name, UINT controlId) {
    id = controlId;
    RECT none = {0, 0, 0, 0};
    return CreateEx(0, CWnd::DefaultChildClass(), name, WS_CHILD | WS_VISIBLE, none, parent->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)));
}

void DrawingView::SetPath(const std::string& path) {
    drawingPath = path;
    if (hwnd) RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT DrawingView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk();
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void DrawingView::Paint(CDC& dc) {
    RECT client;
    GetClientRect(&client);
    Scale scale = CatalogPanelScale(client.right, client.bottom);
    PaintFramedDrawing(dc, client.right, client.bottom, drawingPath, scale.x, scale.y);
}

void DrawingView::OnLButtonDblClk() {
    ::SendMessageA(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, DoubleClicked), reinterpret_cast<LPARAM>(hwnd));
}
