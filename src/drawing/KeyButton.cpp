#include "drawing/KeyButton.h"

#include "app/MainFrame.h"
#include "resource.h"

KeyButton KeyButtons[KeyButtonCount] = {
    {"Strandor! Help", ID_FUNCTION_KEYS},
    {"About Strandor!", ID_ABOUT_STRANDOR},
    {"Print ", ID_PRINT},
    {"Exit to Windows", ID_EXIT},
    {"Cable selection", ID_SELECT_CABLE},
    {"View start connector/pinouts", ID_START_PINOUTS},
    {"View end connector/pinouts", ID_END_PINOUTS},
    {"View cable notes", ID_CABLE_NOTES},
    {"View and edit user notes", ID_USER_NOTES},
    {"Connector catalog", ID_CONNECTOR_CATALOG},
};

const int KeyButtonLeft[KeyButtonCount] = {5, 47, 89, 131, 201, 243, 285, 327, 397, 439};

namespace {
const char* const UpBitmaps[KeyButtonCount] = {"F1_UP", "F2_UP", "F3_UP", "F4_UP", "F5_UP",
                                               "F6_UP", "F7_UP", "F8_UP", "F9_UP", "F10_UP"};
const char* const DownBitmaps[KeyButtonCount] = {"F1_DOWN", "F2_DOWN", "F3_DOWN", "F4_DOWN", "F5_DOWN",
                                                 "F6_DOWN", "F7_DOWN", "F8_DOWN", "F9_DOWN", "F10_DOWN"};
}  // namespace

void CreateKeyButtons(MainFrame* frame) {
    for (int i = 0; i < KeyButtonCount; ++i) {
        RECT rect = {KeyButtonLeft[i], 5, KeyButtonLeft[i] + 40, 45};
        KeyButtons[i].Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, frame,
                             static_cast<UINT>(KeyButtons[i].commandId));
    }
    for (int i = 0; i < KeyButtonCount; ++i) KeyButtons[i].LoadBitmaps(UpBitmaps[i], DownBitmaps[i]);
    for (KeyButton& button : KeyButtons) button.mainWindow = frame;
}

LRESULT KeyButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove();
            return Default(message, wParam, lParam);
        default:
            return CBitmapButton::WindowProc(message, wParam, lParam);
    }
}

void KeyButton::OnMouseMove() {
    if (mainWindow) mainWindow->ShowHint(commandId, hintText);
}
