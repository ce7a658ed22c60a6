#pragma once
// The row of ten function-key picture buttons along the top of the main window.

#include <string>

#include "framework/BitmapButton.h"

class MainFrame;

class KeyButton : public CBitmapButton {
public:
    KeyButton(std::string hintText, int commandId) : hintText(std::move(hintText)), commandId(commandId) {}
    ~KeyButton() override = default;

    std::string hintText;
    int commandId;
    MainFrame* mainWindow = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnMouseMove();
};

constexpr int KeyButtonCount = 10;
extern KeyButton KeyButtons[KeyButtonCount];  // F1 to F10

// The left edges of the buttons: 42 pixels apart, 70 after F4 and after F8.
extern const int KeyButtonLeft[KeyButtonCount];

// Creates the ten buttons, loads their bitmaps and wires them to the main window.
void CreateKeyButtons(MainFrame* frame);
