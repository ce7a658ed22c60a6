#include "external/ExternalPrograms.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "external/CommandLines.h"
#include "framework/LateLibrary.h"
#include "framework/Wnd.h"

std::string EditorPath() {
    char folder[MAX_PATH];
    UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    return std::string(folder, length) + "\\" + EditorName;
}

void OpenUserNotes(int cableNumber) {
    std::string application = EditorPath();
    std::string commandLine = UserNotesCommandLine(cableNumber);
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!application.empty() && ::CreateProcessA(application.c_str(), writable.data(), nullptr, nullptr, FALSE, 0,
                                                 nullptr, nullptr, &startup, &process)) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
}

void StartConnectorCatalog() { ::WinExec(ConnectorCatalogCommand, SW_SHOW); }

void OpenManual(CWnd* parent) {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, INT);
    auto shellExecute = Shell32().function<ShellExecuteFunction>("ShellExecuteA");
    if (!shellExecute) return;
    shellExecute(parent ? parent->GetSafeHwnd() : nullptr, nullptr, ManualFile, nullptr, nullptr, SW_SHOW);
}
