#include <windows.h>

#include "app/GuideApp.h"

// The application object lives for the whole run.
static GuideApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunProgram(theApp, instance, showCommand);
}
