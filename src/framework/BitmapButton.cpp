#include "framework/BitmapButton.h"

#include "framework/Dc.h"
#include "framework/Controls.h"


bool CBitmapButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return SubclassWindow(CreateControl("BUTTON", caption, style, rect, parent, id));
}

bool CBitmapButton::LoadBitmaps(const char* up, const char* down) {
    bool loaded = upBitmap.LoadBitmap(up);
    if (down) downBitmap.LoadBitmap(down);
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
