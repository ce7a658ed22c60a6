#include "app/StartWindow.h"

#include "app/Layout.h"
#include "ui/WindowGeometry.h"
#include "resource.h"

void StartWindow::Open(CWnd* ownerWindow, std::string text, int command) {
    owner = ownerWindow;
    showCommand = command;
    versionText = std::move(text);

    StartMemDC.Attach(::CreateCompatibleDC(nullptr));
    StartPicture.LoadBitmap(IDB_START_PICTURE);

    Rect rect = ToRect(StartWindowRect);
    CentreRect(rect, StartMemDC.GetDeviceCaps(HORZRES), StartMemDC.GetDeviceCaps(VERTRES));
    Create(nullptr, "Aloitus ikkuna", WS_POPUP | WS_VISIBLE | WS_BORDER, ToRECT(rect), owner, nullptr);

    RECT buttonRect = {52, 196, 100, 244};
    noButton.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, buttonRect, this, IDC_START_NO);
    ::OffsetRect(&buttonRect, 248, 0);
    okButton.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, buttonRect, this, IDC_START_OK);
    okButton.LoadBitmaps("OK_UP", "OK_DOWN");
    noButton.LoadBitmaps("NO_UP", "NO_DOWN");

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
        dc.BitBlt(0, 0, 400, 300, StartMemDC, 0, 0, SRCCOPY);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(199, 215, versionText);
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
