#pragma once
// The text editor's windows, which the program starts as processes of their own: found by their
// class, waited for until they have loaded their file, and ended at the end of a test.

#include <windows.h>

#include <string>
#include <vector>

struct EditorWindow {
    HWND hwnd;
    DWORD processId;
    std::string title;
};

std::vector<EditorWindow> EditorWindows();
// Waits until `count` editor windows are up whose title holds `file` (the editor names the file in
// its title once it has opened it).
std::vector<EditorWindow> WaitForEditors(size_t count, const std::string& file = "USERNOTE");
void EndProcess(DWORD id);
