#pragma once
// The start-up popup: picture, version text, OK (show the main window) and NO (ask to quit).

#include <string>

#include "framework/BitmapButton.h"
#include "framework/Dc.h"
#include "framework/FrameWnd.h"
#include "framework/GdiObjects.h"

class StartWindow : public CFrameWnd {
public:
    ~StartWindow() override = default;
    void Open(CWnd* owner, std::string versionText, int showCommand);

    void OnOK();
    void OnNo();

    CBitmapButton okButton;
    CBitmapButton noButton;
    CDC StartMemDC;  // deleted at OK
    CBitmap StartPicture;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    void Paint(CDC& dc) override;
    void OnDpiChanged(int newDpi) override;
    void fitToDpi();

    CWnd* owner = nullptr;
    int showCommand = SW_SHOWNORMAL;
    std::string versionText;
};

// The start window's rectangle before centring: 402 x 302 at (10, 10); and its buttons (at 96 DPI).
constexpr RECT StartWindowRect = {10, 10, 412, 312};
constexpr RECT StartNoButtonRect = {52, 196, 100, 244};
constexpr RECT StartOkButtonRect = {300, 196, 348, 244};  // 248 pixels right of NO
