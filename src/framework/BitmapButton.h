#pragma once
// An owner-drawn push button that shows one bitmap when up and another while pressed, at the
// bitmap's own size (never stretched) from the button's top-left corner.

#include <string>

#include "framework/GdiObjects.h"
#include "framework/Wnd.h"

class CBitmapButton : public CWnd {
public:
    bool Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Resource names of the normal and the pressed bitmap, as drawn nearest `dpi` (BitmapNameFor).
    bool LoadBitmaps(const char* up, const char* down, int dpi = 96);
    // What a screen reader calls the picture, and the key that does the same ("Enter"): a push
    // button whose default action presses it.
    void SetSpokenName(std::string name, std::string shortcut = std::string());
    bool describe(AccessibleFacts& facts) const override;
    // Draws a focus rectangle inside the picture while the button has the keyboard focus.
    void ShowFocus(bool show) { showFocus = show; }

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    CBitmap upBitmap;
    CBitmap downBitmap;
    std::string spokenName;
    std::string spokenShortcut;
    bool showFocus = false;
};
