#include <windows.h>

#include "catalogapp/CatalogApp.h"

// The application object lives for the whole run.
static CatalogApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunProgram(theApp, instance, showCommand);
}
