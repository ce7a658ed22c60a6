#include "framework/BitmapButton.h"

#include "framework/Dc.h"
#include "framework/Controls.h"
#include "framework/Dpi.h"


bool CBitmapButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return SubclassWindow(CreateControl("BUTTON", caption, style, rect, parent, id));
}

bool CBitmapButton::LoadBitmaps(const char* up, const char* down, int dpi) {
    bool loaded = upBitmap.LoadBitmap(BitmapNameFor(up, dpi).c_str());
    if (down) downBitmap.LoadBitmap(BitmapNameFor(down, dpi).c_str());
    return loaded;
}

void CBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const CBitmap& bitmap = (item.itemState & ODS_SELECTED) && !downBitmap.isNull() ? downBitmap : upBitmap;
    if (bitmap.isNull()) return;
    CDC target = CDC::FromHandle(item.hDC);
    CDC memory;
    memory.CreateCompatibleDC(&target);
    SelectGuard select(memory, bitmap);
    SIZE size = bitmap.GetSize();
    target.BitBlt(item.rcItem.left, item.rcItem.top, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}
