#include "app/GuideApp.h"

#include "app/MainFrame.h"
#include "app/StartWindow.h"
#include "resource.h"

CDC FrameMemDC;
CBitmap LogoBitmap;
int SavedShowCommand = SW_SHOWNORMAL;
const std::string VersionText = "Version 1.04";

GuideApp::GuideApp() : CWinApp("Strandor!", IDI_PROGRAM) {}

BOOL GuideApp::InitInstance() {
    FrameMemDC.Attach(::CreateCompatibleDC(nullptr));
    LogoBitmap.LoadBitmap(IDB_LOGO);
    // The main window takes the screen size from FrameMemDC, so that comes first.
    auto* frame = new MainFrame;
    mainWindow = frame;
    TheStartWindow.Open(frame, VersionText, showCommand);
    SavedShowCommand = showCommand;
    return TRUE;
}

bool GuideApp::PreTranslateMessage(MSG& message) { return mainWindow && mainWindow->TranslateAccelerator(message); }
