#include "app/StartWindow.h"

#include "app/Layout.h"
#include "framework/Dpi.h"
#include "ui/WindowGeometry.h"
#include "resource.h"

void StartWindow::Open(CWnd* ownerWindow, std::string text, int command) {
    owner = ownerWindow;
    showCommand = command;
    versionText = std::move(text);

    dpi = owner ? WindowDpi(*owner) : SystemDpi();
    StartMemDC.Attach(::CreateCompatibleDC(nullptr));

    Rect rect = ScaleRect(ToRect(StartWindowRect), dpi);
    CentreRect(rect, StartMemDC.GetDeviceCaps(HORZRES), StartMemDC.GetDeviceCaps(VERTRES));
    Create(nullptr, "Aloitus ikkuna", WS_POPUP | WS_VISIBLE | WS_BORDER, ToRECT(rect), owner, nullptr);

    const RECT none = {0, 0, 0, 0};
    noButton.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, none, this, IDC_START_NO);
    okButton.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, none, this, IDC_START_OK);
    okButton.SetSpokenName("OK", "Enter");
    noButton.SetSpokenName("NO", "Esc");
    fitToDpi();

    ShowWindow(SW_SHOW);
    UpdateWindow();
}

LRESULT StartWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_START_OK) OnOK();
            else if (LOWORD(wParam) == IDC_START_NO) OnNo();
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        default:
            return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

void StartWindow::OnKeyDown(UINT key, UINT, UINT) {
    if (key == VK_ESCAPE) OnNo();
    else if (key == VK_RETURN) OnOK();
}

void StartWindow::Paint(CDC& dc) {
    // After OK the memory DC is gone; the window is hidden for good by then.
    if (!StartMemDC.GetSafeHdc()) return;
    {
        SelectGuard picture(StartMemDC, StartPicture);
        SIZE size = StartPicture.GetSize();  // the picture drawn nearest the DPI, at its own size
        dc.BitBlt(0, 0, size.cx, size.cy, StartMemDC, 0, 0, SRCCOPY);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    dc.SetTextColor(RGB(0, 0, 0));
    DpiFontScope font(dc, dpi);
    dc.TextOut(ScaleForDpi(199, dpi), ScaleForDpi(215, dpi), versionText);
}

// The picture and the buttons' places and bitmaps at the window's DPI.
void StartWindow::fitToDpi() {
    LoadBitmapFor(StartPicture, IDB_START_PICTURE, "START_PICTURE", dpi);
    struct Placed {
        CBitmapButton& button;
        RECT rect;
        const char *up, *down;
    };
    Placed buttons[] = {{noButton, StartNoButtonRect, "NO_UP", "NO_DOWN"}, {okButton, StartOkButtonRect, "OK_UP", "OK_DOWN"}};
    for (Placed& placed : buttons) {
        Rect rect = ScaleRect(ToRect(placed.rect), dpi);
        placed.button.SetWindowPos(nullptr, rect.left, rect.top, rect.width(), rect.height(), SWP_NOZORDER | SWP_NOACTIVATE);
        placed.button.LoadBitmaps(placed.up, placed.down, dpi);
    }
}

// Moved to a screen of another density: the buttons and picture for it.
void StartWindow::OnDpiChanged(int) {
    fitToDpi();
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void StartWindow::OnOK() {
    StartMemDC.DeleteDC();
    if (owner) {
        owner->ShowWindow(showCommand);
        owner->UpdateWindow();
    }
    ShowWindow(SW_HIDE);
}

void StartWindow::OnNo() {
    if (owner) owner->PostMessage(WM_CLOSE);
}
