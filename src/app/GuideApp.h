#pragma once
// The application object of the guide: it opens the main window behind the start window.

#include <string>

#include "app/StartWindow.h"
#include "framework/WinApp.h"

class GuideApp : public CWinApp {
public:
    GuideApp();
    ~GuideApp() override = default;
    BOOL InitInstance() override;
    // The main window's keys act in every window it owns.
    bool PreTranslateMessage(MSG& message) override;

    StartWindow startWindow;
};

extern const std::string VersionText;
