#include "app/GuideApp.h"

#include "app/MainFrame.h"
#include "resource.h"

const std::string VersionText = "Version 1.04";

GuideApp::GuideApp() : CWinApp("Strandor!", IDI_PROGRAM) {}

BOOL GuideApp::InitInstance() {
    auto* frame = new MainFrame(showCommand);
    mainWindow = frame;
    startWindow.Open(frame, VersionText, showCommand);
    return TRUE;
}

bool GuideApp::PreTranslateMessage(MSG& message) { return mainWindow && mainWindow->TranslateAccelerator(message); }
