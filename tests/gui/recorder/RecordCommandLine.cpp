// Stands in for the PDF viewer in the GUI tests: writes the command line it was started with
// beside itself, so that a test sees what the shell handed over.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\'));
    std::ofstream(folder + "\\recorded-command-line.txt", std::ios::binary) << ::GetCommandLineA();
    return 0;
}
