#include "app/GuideApp.h"

#include "app/MainFrame.h"
#include "app/StartWindow.h"
#include "resource.h"

CDC FrameMemDC;
CBitmap LogoBitmap;
int SavedShowCommand = SW_SHOWNORMAL;
const std::string VersionText = "Version 1.04";

BOOL GuideApp::InitInstance() {
    FrameMemDC.Attach(::CreateCompatibleDC(nullptr));
    LogoBitmap.LoadBitmap(IDB_LOGO);
    // The main window takes the screen size from FrameMemDC, so that comes first.
    auto* frame = new MainFrame;
    m_pMainWnd = frame;
    TheStartWindow.Open(frame, VersionText, m_nCmdShow);
    SavedShowCommand = m_nCmdShow;
    return TRUE;
}
