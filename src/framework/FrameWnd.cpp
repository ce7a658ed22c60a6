#include "framework/FrameWnd.h"

#include "framework/Dpi.h"
#include "framework/WinApp.h"

const char* CFrameWnd::DefaultFrameClass() {
    static const char* const name = "StrandorFrame";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = &CWnd::StaticWindowProc;
        wc.hInstance = ProgramInstance();
        if (CWinApp::current) wc.hIcon = ::LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(CWinApp::current->iconId));
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        registered = ::RegisterClassA(&wc) != 0;
    }
    return name;
}

bool CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect, CWnd* parent,
                       const char* menuName) {
    HMENU menu = menuName ? ::LoadMenuA(ProgramInstance(), menuName) : nullptr;
    bool created = CreateEx(WS_EX_CLIENTEDGE, className ? className : DefaultFrameClass(), title, style, rect,
                            parent ? parent->GetSafeHwnd() : nullptr, menu);
    if (!created && menu) ::DestroyMenu(menu);
    return created;
}

bool CFrameWnd::LoadAccelTable(const char* name) {
    accelTable = ::LoadAcceleratorsA(ProgramInstance(), name);
    return accelTable != nullptr;
}

bool CFrameWnd::TranslateAccelerator(MSG& message) {
    if (!hwnd || !accelTable || !message.hwnd) return false;
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND top = ::GetAncestor(message.hwnd, GA_ROOT);
    if (top != hwnd && ::GetWindow(top, GW_OWNER) != hwnd) return false;
    return ::TranslateAcceleratorA(hwnd, accelTable, &message) != 0;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DPICHANGED:
            dpi = LOWORD(wParam);
            TakeSuggestedRect(hwnd, *reinterpret_cast<const RECT*>(lParam));
            OnDpiChanged(dpi);
            return 0;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            OnSystemColoursChanged();
            break;
        case WM_NCDESTROY: {
            // The main window going ends the program's message loop.
            CWinApp* app = CWinApp::current;
            if (app && app->mainWindow == this) {
                app->mainWindow = nullptr;
                ::PostQuitMessage(0);
            }
            break;
        }
        default:
            break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
