#include "app/MainFrame.h"

#include "drawing/DrawingWords.h"
#include "framework/Accessible.h"
#include "ui/Surface.h"
#include "ui/WindowGeometry.h"
#include "framework/OwnedWindows.h"
#include "resource.h"

namespace {
void movePanel(DrawingPanel& panel, const RECT& rect) {
    if (!panel.GetSafeHwnd()) return;
    panel.SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       SWP_NOZORDER | SWP_SHOWWINDOW);
}
}  // namespace

MainFrame::MainFrame(int showCommand) : SavedShowCommand(showCommand) {
    dpi = SystemDpi();
    FrameMemDC.Attach(::CreateCompatibleDC(nullptr));
    LoadBitmapFor(LogoBitmap, IDB_LOGO, "LOGO", dpi);
    LoadAccelTable(MAIN_ACCEL_TABLE);

    Rect rect = ScaleRect(ToRect(mainWindowRect), dpi);
    CentreRect(rect, FrameMemDC.GetDeviceCaps(HORZRES), FrameMemDC.GetDeviceCaps(VERTRES));
    createdSize = {rect.width(), rect.height()};
    Create(nullptr, "Strandor!", WS_OVERLAPPEDWINDOW, ToRECT(rect), nullptr, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    bool deliveredByCreate = sizeEventSeen;
    if (!deliveredByCreate) OnSize(SIZE_RESTORED, 0, 0);
    lateFirstSizePending = !deliveredByCreate;

    CreateKeyButtons(KeyButtons, this, *this, dpi);

    GetClientRect(&clientRect);
    StatusRect = ToRECT(StatusRectFor(ToRect(clientRect), dpi));
    setPanelRects(FirstLayout(ToRect(clientRect), dpi));

    // A panel's control id is its hint id: its double-click comes to the command table under it.
    startPanel.Create(this, "Connector", StartPanelId, startPanelRect);
    diagramPanel.Create(this, "Cable", DiagramPanelId, diagramPanelRect);
    endPanel.Create(this, "Connector", EndPanelId, endPanelRect);
    // The welcome drawings, each panel's two paths the same, say what they write.
    shown = TableCable(0);
    const std::pair<DrawingPanel*, CableDrawing> panels[] = {
        {&startPanel, CableDrawing::StartPlug}, {&diagramPanel, CableDrawing::Diagram}, {&endPanel, CableDrawing::EndPlug}};
    for (const auto& [panel, drawing] : panels) panel->firstWords = panel->secondWords = DrawingWords(shown, drawing);
    for (const auto& placed : panels) placed.first->colours = &colours;
    for (const auto& placed : panels) placed.first->ShowWindow(SW_SHOW);
    for (const auto& placed : panels) placed.first->UpdateWindow();
}

void MainFrame::setPanelRects(const PanelRects& panels) {
    startPanelRect = ToRECT(panels.start);
    diagramPanelRect = ToRECT(panels.diagram);
    endPanelRect = ToRECT(panels.end);
}

MainFrame::~MainFrame() = default;

MainFrameView MainFrame::View() const {
    return {dpi,           FrameMemDC,   LogoBitmap,    shown,         browseNode,       clientRect,
            StatusRect,    StatusText,   CurrentHintId, PanelScale,    colours,          startPanelRect,
            diagramPanelRect, endPanelRect, startPanel, diagramPanel, endPanel, KeyButtons};
}

LRESULT MainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                        static_cast<short>(HIWORD(lParam)));
            return 0;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
            return 0;  // the surface itself answers no clicks or keys
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_INITMENU:
            OnInitMenu(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam));
            return CFrameWnd::WindowProc(message, wParam, lParam);
        case WM_REFRESH_MY_CABLES:
            RefreshMyCables();
            return 0;
        default:
            return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

void MainFrame::Paint(CDC& dc) {
    PaintSurface(dc, clientRect, StatusText, dpi, colours);

    if (FrameMemDC.GetSafeHdc()) {
        SelectGuard logo(FrameMemDC, LogoBitmap);
        Rect place = LogoRect(dpi);
        SIZE size = LogoBitmap.GetSize();  // the bitmap drawn nearest the DPI, at its own size
        dc.BitBlt(place.left, place.top, size.cx, size.cy, FrameMemDC, 0, 0, SRCCOPY);
    }
}

void MainFrame::ShowHint(int hintId, const std::string& text) {
    if (CurrentHintId == hintId) return;
    CurrentHintId = hintId;
    StatusText = text;
    RedrawWindow(&StatusRect, RDW_INVALIDATE | RDW_UPDATENOW);
}

void MainFrame::OnMouseMove(UINT, int, int y) {
    switch (SurfaceHintFor(y, ToRect(clientRect), dpi)) {
        case HintStatusbar:
            ShowHint(HintStatusbar, "Statusbar");
            break;
        case HintSurface:
            ShowHint(HintSurface, "");
            break;
        default:
            break;
    }
}

void MainFrame::OnSize(UINT type, int, int) {
    sizeEventSeen = true;
    if (type == SIZE_MINIMIZED) {
        lateFirstSizePending = false;
        return;
    }
    RECT window;
    GetWindowRect(&window);
    if (lateFirstSizePending && type == SIZE_RESTORED && window.right - window.left == createdSize.cx &&
        window.bottom - window.top == createdSize.cy && IsWindowVisible(hwnd)) {
        lateFirstSizePending = false;  // the held-back first size event: nothing has changed
        return;
    }
    lateFirstSizePending = false;
    layOut();
}

// Thirds at the window's size and DPI; the panels' scale follows the window's outer size.
void MainFrame::layOut() {
    RECT window;
    GetWindowRect(&window);
    PanelScale = PanelScaleFor(window.right - window.left, window.bottom - window.top);
    GetClientRect(&clientRect);
    StatusRect = ToRECT(StatusRectFor(ToRect(clientRect), dpi));
    setPanelRects(ThirdsLayout(ToRect(clientRect), dpi));
    movePanel(startPanel, startPanelRect);
    movePanel(diagramPanel, diagramPanelRect);
    movePanel(endPanel, endPanelRect);
}

// Moved to a screen of another density, at the rectangle Windows suggests: the window lays itself
// out again; the cable, the panels' toggles and the hint stay as they are.
void MainFrame::OnDpiChanged(int) {
    lateFirstSizePending = false;
    LoadBitmapFor(LogoBitmap, IDB_LOGO, "LOGO", dpi);
    PlaceKeyButtons(KeyButtons, dpi);
    if (!::IsIconic(hwnd)) layOut();
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    panelsRetold();
}

void MainFrame::panelsRetold() {
    for (const DrawingPanel* panel : {&startPanel, &diagramPanel, &endPanel}) NotifyValueChanged(*panel);
}

void MainFrame::OnClose() {
    if (MessageBox("Are you sure?", "QUIT", MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
        FrameMemDC.DeleteDC();
        DestroyWindow();
        return;
    }
    ShowWindow(SavedShowCommand);
    UpdateWindow();
    RaiseOwnedWindows(hwnd);  // the start window, when the quit was asked from it
}
