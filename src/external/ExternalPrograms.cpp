#include "external/ExternalPrograms.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "external/CommandLines.h"
#include "external/StartFailure.h"
#include "framework/Handle.h"
#include "framework/LateLibrary.h"
#include "framework/Wnd.h"

namespace {
void tell(CWnd* owner, const std::string& text) {
    ::MessageBoxA(owner ? owner->GetSafeHwnd() : nullptr, text.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
}

std::string currentFolder() {
    char folder[MAX_PATH];
    DWORD length = ::GetCurrentDirectoryA(MAX_PATH, folder);
    return length == 0 || length >= MAX_PATH ? std::string(".") : std::string(folder, length);
}

StartFailure editorFailure(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? StartFailure::ProgramMissing
                                                                          : StartFailure::Refused;
}

StartFailure winExecFailure(UINT result) {
    if (result > 31) return StartFailure::None;
    return result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND ? StartFailure::ProgramMissing
                                                                            : StartFailure::Refused;
}

StartFailure shellFailure(INT_PTR result) {
    if (result > 32) return StartFailure::None;
    if (result == SE_ERR_FNF || result == SE_ERR_PNF) return StartFailure::FileMissing;
    if (result == SE_ERR_NOASSOC || result == SE_ERR_ASSOCINCOMPLETE) return StartFailure::NothingRegistered;
    return StartFailure::Refused;
}
}  // namespace

std::string EditorPath() {
    char folder[MAX_PATH];
    UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    return std::string(folder, length) + "\\" + EditorName;
}

namespace {
void startEditor(CWnd* owner, const std::string& commandLine) {
    std::string application = EditorPath();
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (application.empty() || !::CreateProcessA(application.c_str(), writable.data(), nullptr, nullptr, FALSE, 0,
                                                 nullptr, nullptr, &startup, &process)) {
        StartFailure why = application.empty() ? StartFailure::Refused : editorFailure(::GetLastError());
        tell(owner, EditorFailureText(why, application.empty() ? EditorName : application));
        return;
    }
    const ScopedHandle thread(process.hThread), editor(process.hProcess);  // the editor runs on its own
}
}  // namespace

void OpenUserNotes(CWnd* owner, const Cable& cable) { startEditor(owner, UserNotesCommandLine(cable)); }

void OpenInEditor(CWnd* owner, const std::string& path) { startEditor(owner, EditorCommandLine(path)); }


void StartConnectorCatalog(CWnd* owner) {
    StartFailure why = winExecFailure(::WinExec(ConnectorCatalogCommand, SW_SHOW));
    if (why != StartFailure::None) tell(owner, ConnectorCatalogFailureText(why));
}

void OpenManual(CWnd* owner) {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, INT);
    auto shellExecute = Shell32().function<ShellExecuteFunction>("ShellExecuteA");
    StartFailure why = StartFailure::Refused;
    if (shellExecute) {
        HINSTANCE result =
            shellExecute(owner ? owner->GetSafeHwnd() : nullptr, nullptr, ManualFile, nullptr, nullptr, SW_SHOW);
        why = shellFailure(reinterpret_cast<INT_PTR>(result));
    }
    if (why != StartFailure::None) tell(owner, ManualFailureText(why, currentFolder()));
}
