// Measures start-up as a user sees it: from starting a program's process to the moment its
// window is on screen and painted (a light grey pixel inside its client area), over several runs.
// Usage: startup_probe <program> <window title> <runs>

#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/Handle.h"

namespace {
double now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

bool painted(HWND window) {
    if (!window || !::IsWindowVisible(window)) return false;
    POINT inside = {3, 3};
    ::ClientToScreen(window, &inside);
    HDC screen = ::GetDC(nullptr);
    COLORREF pixel = ::GetPixel(screen, inside.x, inside.y);
    ::ReleaseDC(nullptr, screen);
    return pixel == RGB(192, 192, 192);
}

// One start: milliseconds to the painted window, or a negative number when it never came.
double measure(const std::string& program, const char* title) {
    std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    double start = now();
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return -1;
    double elapsed = -1;
    while (now() - start < 20000) {
        if (painted(::FindWindowA(nullptr, title))) {
            elapsed = now() - start;
            break;
        }
        ::Sleep(1);
    }
    const ScopedHandle thread(process.hThread), started(process.hProcess);
    ::TerminateProcess(started.get(), 0);
    ::WaitForSingleObject(started.get(), 10000);
    ::Sleep(200);
    return elapsed;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe <program> <window title> <runs>\n");
        return 2;
    }
    int runs = std::atoi(argv[3]);
    for (int i = 0; i < runs; ++i) std::printf("%.1f\n", measure(argv[1], argv[2]));
    return 0;
}
