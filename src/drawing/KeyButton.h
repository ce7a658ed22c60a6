#pragma once
// The row of ten function-key picture buttons along the top of the main window.

#include <string>

#include "framework/BitmapButton.h"
#include "ui/HintTarget.h"

class KeyButton : public CBitmapButton {
public:
    ~KeyButton() override = default;

    std::string hintText;
    int commandId = 0;
    HintTarget* mainWindow = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnMouseMove();
};

constexpr int KeyButtonCount = 10;  // F1 to F10

// The left edges of the buttons: 42 pixels apart, 70 after F4 and after F8.
extern const int KeyButtonLeft[KeyButtonCount];

// Creates the ten buttons as children of `parent`, each sending its command there, loads their
// bitmaps, and sends their hints to `mainWindow`.
void CreateKeyButtons(KeyButton (&buttons)[KeyButtonCount], CWnd* parent, HintTarget& mainWindow);
