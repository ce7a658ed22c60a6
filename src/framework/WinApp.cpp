#include "framework/WinApp.h"

#include "framework/FrameWnd.h"

CWinApp* CWinApp::current = nullptr;

CWinApp::CWinApp(const char*) {
    current = this;
    m_hInstance = ::GetModuleHandleA(nullptr);
}

CWinApp::~CWinApp() {
    if (current == this) current = nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return CWinApp::current ? CWinApp::current->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

CWinApp* AfxGetApp() { return CWinApp::current; }

// Key messages of the main window and of every window it owns (the start window, say) pass
// through the main window's accelerator table, so the function keys act wherever the focus is.
// Keys that are not in the table (Esc, Enter) go on to the window that has the focus.
bool CWinApp::PreTranslateMessage(MSG& message) {
    auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
    if (!frame || !frame->GetSafeHwnd() || !frame->GetAccelTable() || !message.hwnd) return false;
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND main = frame->GetSafeHwnd();
    HWND top = ::GetAncestor(message.hwnd, GA_ROOT);
    if (top != main && ::GetWindow(top, GW_OWNER) != main) return false;
    return ::TranslateAcceleratorA(main, frame->GetAccelTable(), &message) != 0;
}

int CWinApp::Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int AfxWinMain(CWinApp& app, HINSTANCE instance, int showCommand) {
    app.m_hInstance = instance;
    app.m_nCmdShow = showCommand;
    if (!app.InitInstance()) return 0;
    return app.Run();
}
