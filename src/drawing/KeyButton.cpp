#include "drawing/KeyButton.h"

#include "ui/WindowGeometry.h"
#include "resource.h"

const int KeyButtonLeft[KeyButtonCount] = {5, 47, 89, 131, 201, 243, 285, 327, 397, 439};

namespace {
struct KeyRow {
    const char* hintText;
    int commandId;
    const char* upBitmap;
    const char* downBitmap;
};

const KeyRow Keys[KeyButtonCount] = {
    {"Strandor! Help", ID_FUNCTION_KEYS, "F1_UP", "F1_DOWN"},
    {"About Strandor!", ID_ABOUT_STRANDOR, "F2_UP", "F2_DOWN"},
    {"Print ", ID_PRINT, "F3_UP", "F3_DOWN"},
    {"Exit to Windows", ID_EXIT, "F4_UP", "F4_DOWN"},
    {"Cable selection", ID_SELECT_CABLE, "F5_UP", "F5_DOWN"},
    {"View start connector/pinouts", ID_START_PINOUTS, "F6_UP", "F6_DOWN"},
    {"View end connector/pinouts", ID_END_PINOUTS, "F7_UP", "F7_DOWN"},
    {"View cable notes", ID_CABLE_NOTES, "F8_UP", "F8_DOWN"},
    {"View and edit user notes", ID_USER_NOTES, "F9_UP", "F9_DOWN"},
    {"Connector catalog", ID_CONNECTOR_CATALOG, "F10_UP", "F10_DOWN"},
};
}  // namespace

RECT KeyButtonRect(int index, int dpi) {
    return ToRECT(ScaleRect({KeyButtonLeft[index], 5, KeyButtonLeft[index] + 40, 45}, dpi));
}

void CreateKeyButtons(KeyButton (&buttons)[KeyButtonCount], CWnd* parent, HintTarget& mainWindow, int dpi) {
    for (int i = 0; i < KeyButtonCount; ++i) {
        buttons[i].hintText = Keys[i].hintText;
        buttons[i].commandId = Keys[i].commandId;
        buttons[i].Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, KeyButtonRect(i, dpi), parent,
                          static_cast<UINT>(Keys[i].commandId));
    }
    for (int i = 0; i < KeyButtonCount; ++i) buttons[i].LoadBitmaps(Keys[i].upBitmap, Keys[i].downBitmap, dpi);
    for (KeyButton& button : buttons) button.mainWindow = &mainWindow;
}

void PlaceKeyButtons(KeyButton (&buttons)[KeyButtonCount], int dpi) {
    for (int i = 0; i < KeyButtonCount; ++i) {
        RECT rect = KeyButtonRect(i, dpi);
        buttons[i].SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                SWP_NOZORDER | SWP_NOACTIVATE);
        buttons[i].LoadBitmaps(Keys[i].upBitmap, Keys[i].downBitmap, dpi);
    }
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
