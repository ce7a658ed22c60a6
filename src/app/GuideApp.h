#pragma once
// The application object and the drawing resources that start-up prepares for the main window.

#include <string>

#include "framework/Dc.h"
#include "framework/GdiObjects.h"
#include "framework/WinApp.h"

class GuideApp : public CWinApp {
public:
    GuideApp();
    ~GuideApp() override = default;
    BOOL InitInstance() override;
    // The main window's keys act in every window it owns.
    bool PreTranslateMessage(MSG& message) override;
};

extern CDC FrameMemDC;        // memory DC of the main window; deleted when quitting is confirmed
extern CBitmap LogoBitmap;    // bitmap 134
extern int SavedShowCommand;  // the show command the program was launched with
extern const std::string VersionText;
