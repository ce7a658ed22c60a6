#include "framework/FrameWnd.h"

#include "framework/WinApp.h"
#include "resource.h"

const char* CFrameWnd::DefaultFrameClass() {
    static const char* const name = "StrandorFrame";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = &CWnd::StaticWindowProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_PROGRAM));
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        registered = ::RegisterClassA(&wc) != 0;
    }
    return name;
}

bool CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect, CWnd* parent,
                       const char* menuName) {
    HMENU menu = menuName ? ::LoadMenuA(AfxGetResourceHandle(), menuName) : nullptr;
    bool created = CreateEx(WS_EX_CLIENTEDGE, className ? className : DefaultFrameClass(), title, style, rect,
                            parent ? parent->GetSafeHwnd() : nullptr, menu);
    if (!created && menu) ::DestroyMenu(menu);
    return created;
}

bool CFrameWnd::LoadAccelTable(const char* name) {
    accelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), name);
    return accelTable != nullptr;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        // The main window going ends the program's message loop.
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == this) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
