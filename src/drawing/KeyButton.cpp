#include "drawing/KeyButton.h"

#include "framework/Accessible.h"
#include "ui/WindowGeometry.h"
#include "resource.h"

const int KeyButtonLeft[KeyButtonCount] = {5, 47, 89, 131, 201, 243, 285, 327, 397, 439};

namespace {
struct KeyRow {
    const char* hintText;
    int commandId;
    const char* upBitmap;
    const char* downBitmap;
    const char* spokenName;  // the key and its command as the help list words them
};

const KeyRow Keys[KeyButtonCount] = {
    {"Strandor! Help", ID_FUNCTION_KEYS, "F1_UP", "F1_DOWN", "F1 Help"},
    {"About Strandor!", ID_ABOUT_STRANDOR, "F2_UP", "F2_DOWN", "F2 Info about Strandor!"},
    {"Print ", ID_PRINT, "F3_UP", "F3_DOWN", "F3 Print"},
    {"Exit to Windows", ID_EXIT, "F4_UP", "F4_DOWN", "F4 Exit to Windows"},
    {"Cable selection", ID_SELECT_CABLE, "F5_UP", "F5_DOWN", "F5 Cable list"},
    {"View start connector/pinouts", ID_START_PINOUTS, "F6_UP", "F6_DOWN", "F6 Start connector pinouts"},
    {"View end connector/pinouts", ID_END_PINOUTS, "F7_UP", "F7_DOWN", "F7 End connector pinouts"},
    {"View cable notes", ID_CABLE_NOTES, "F8_UP", "F8_DOWN", "F8 Cable notes"},
    {"View and edit user notes", ID_USER_NOTES, "F9_UP", "F9_DOWN", "F9 User notes"},
    {"Connector catalog", ID_CONNECTOR_CATALOG, "F10_UP", "F10_DOWN", "F10 Connector catalog"},
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
    for (int i = 0; i < KeyButtonCount; ++i) {
        const std::string name = Keys[i].spokenName;
        buttons[i].SetSpokenName(name, name.substr(0, name.find(' ')));
    }
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

bool KeyButton::describe(AccessibleFacts& facts) const {
    if (!CBitmapButton::describe(facts)) return false;
    facts.description = hintText;
    return true;
}

void KeyButton::OnMouseMove() {
    if (mainWindow) mainWindow->ShowHint(commandId, hintText);
}
