#pragma once
// The application object: the program's name and icon, start-up hook and the message loop.

#include <windows.h>

class CFrameWnd;

class CWinApp {
public:
    // title: the program's name, the caption of its error messages; iconId: the icon resource its
    // frame windows show.
    CWinApp(const char* title, UINT iconId);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    virtual BOOL InitInstance() { return TRUE; }
    // The message loop; returns the exit code when the main window is gone.
    int Run();
    // One message before it is dispatched; true when it was used up (by the main window's
    // accelerators, say).
    virtual bool PreTranslateMessage(MSG&) { return false; }

    // The application object of the running program, or null before there is one.
    static CWinApp* current;

    const char* const title;
    const UINT iconId;
    HINSTANCE instance = nullptr;
    int showCommand = SW_SHOWNORMAL;
    CFrameWnd* mainWindow = nullptr;  // its going ends the message loop
};

// The module that holds the program's resources.
HINSTANCE ProgramInstance();
// The running program's name, "" before there is an application object.
const char* ProgramTitle();

// What WinMain does: hand the application its instance and show command, run start-up and the loop.
int RunProgram(CWinApp& app, HINSTANCE instance, int showCommand);
