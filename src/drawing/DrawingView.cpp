#include "drawing/DrawingView.h"

#include "drawing/FramedDrawing.h"

bool DrawingView::Create(CWnd* parent, const char* name, UINT id, const RECT& rect) {
    return CreateEx(0, CWnd::DefaultChildClass(), name, WS_CHILD | WS_VISIBLE, rect, parent->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
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

// The whole picture is made off screen and copied to the window in one step.
void DrawingView::Paint(CDC& dc) {
    RECT client;
    GetClientRect(&client);
    PaintFramedDrawing(dc, client.right, client.bottom, shownPath(), scale.x, scale.y, dpi,
                       colours ? *colours : ClassicColours());
}

void DrawingView::OnLButtonDblClk() {
    ::SendMessageA(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hwnd), DoubleClicked),
                   reinterpret_cast<LPARAM>(hwnd));
}
