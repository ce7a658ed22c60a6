#pragma once
// An owner-drawn push button that shows one bitmap when up and another while pressed, at the
// bitmap's own size (never stretched) from the button's top-left corner.

#include "framework/GdiObjects.h"
#include "framework/Wnd.h"

class CBitmapButton : public CWnd {
public:
    bool Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Resource names of the normal and the pressed bitmap, as drawn nearest `dpi` (BitmapNameFor).
    bool LoadBitmaps(const char* up, const char* down, int dpi = 96);

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    CBitmap upBitmap;
    CBitmap downBitmap;
};
