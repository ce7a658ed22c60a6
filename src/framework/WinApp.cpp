#include "framework/WinApp.h"

CWinApp* CWinApp::current = nullptr;

CWinApp::CWinApp(const char* title, UINT iconId)
    : title(title), iconId(iconId), instance(::GetModuleHandleA(nullptr)) {
    current = this;
}

CWinApp::~CWinApp() {
    if (current == this) current = nullptr;
}

HINSTANCE ProgramInstance() { return CWinApp::current ? CWinApp::current->instance : ::GetModuleHandleA(nullptr); }

const char* ProgramTitle() { return CWinApp::current ? CWinApp::current->title : ""; }

int CWinApp::Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunProgram(CWinApp& app, HINSTANCE instance, int showCommand) {
    app.instance = instance;
    app.showCommand = showCommand;
    if (!app.InitInstance()) return 0;
    return app.Run();
}
