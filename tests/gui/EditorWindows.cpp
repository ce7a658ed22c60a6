#include "EditorWindows.h"

#include "GuiHarness.h"
#include "framework/Handle.h"

namespace {

BOOL CALLBACK collectEditor(HWND window, LPARAM list) {
    char className[64] = "";
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "Notepad") {
        EditorWindow editor{window, 0, ""};
        ::GetWindowThreadProcessId(window, &editor.processId);
        char title[256] = "";
        ::GetWindowTextA(window, title, sizeof title);
        editor.title = title;
        reinterpret_cast<std::vector<EditorWindow>*>(list)->push_back(editor);
    }
    return TRUE;
}

}  // namespace

std::vector<EditorWindow> EditorWindows() {
    std::vector<EditorWindow> editors;
    ::EnumWindows(collectEditor, reinterpret_cast<LPARAM>(&editors));
    return editors;
}

std::vector<EditorWindow> WaitForEditors(size_t count, const std::string& file) {
    for (int i = 0; i < 100; ++i) {
        std::vector<EditorWindow> editors = EditorWindows();
        size_t loaded = 0;
        for (const EditorWindow& editor : editors)
            if (editor.title.find(file) != std::string::npos) ++loaded;
        if (loaded >= count) return editors;
        PumpUntilIdle(20, 100);
        ::Sleep(50);
    }
    return EditorWindows();
}

void EndProcess(DWORD id) {
    const ScopedHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (!process.valid()) return;
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), 5000);
}

