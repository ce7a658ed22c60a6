#include <windows.h>

#include "external/catalogapp/CatalogApp.h"

// The application object lives for the whole run.
static CatalogApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return AfxWinMain(theApp, instance, showCommand);
}
