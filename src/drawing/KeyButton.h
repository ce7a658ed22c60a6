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

    // The button's name for a screen reader, "F5 Cable list", with its key and its hint.
    bool describe(AccessibleFacts& facts) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnMouseMove();
};

constexpr int KeyButtonCount = 10;  // F1 to F10

// The left edges of the buttons at 96 DPI: 42 pixels apart, 70 after F4 and after F8.
extern const int KeyButtonLeft[KeyButtonCount];

// Button `index` (0 for F1): 40 x 40 pixels, 5 below the top, at `dpi`.
RECT KeyButtonRect(int index, int dpi);

// Creates the ten buttons at `dpi` as children of `parent`, each sending its command there, loads
// their bitmaps, and sends their hints to `mainWindow`.
void CreateKeyButtons(KeyButton (&buttons)[KeyButtonCount], CWnd* parent, HintTarget& mainWindow, int dpi);

// Moves the buttons to their places at `dpi` and gives them the bitmaps drawn nearest it.
void PlaceKeyButtons(KeyButton (&buttons)[KeyButtonCount], int dpi);
