#pragma once
// The application object: start-up hook and the message loop.

#include <windows.h>

class CWnd;

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual BOOL InitInstance() { return TRUE; }
    // The message loop; returns the exit code when the main window is gone.
    int Run();
    // One message through the main window's accelerators; true when it was used up.
    virtual bool PreTranslateMessage(MSG& message);

    static CWinApp* current;

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
};

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWinApp* AfxGetApp();

// What WinMain does: hand the application its instance and show command, run start-up and the loop.
int AfxWinMain(CWinApp& app, HINSTANCE instance, int showCommand);
