#include "framework/BitmapButton.h"

#include "framework/Accessible.h"
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

void CBitmapButton::SetSpokenName(std::string name, std::string shortcut) {
    spokenName = std::move(name);
    spokenShortcut = std::move(shortcut);
}

bool CBitmapButton::describe(AccessibleFacts& facts) const {
    if (spokenName.empty()) return false;
    facts.role = AccessibleRolePushButton;
    facts.name = spokenName;
    facts.shortcut = spokenShortcut;
    facts.defaultAction = "Press";
    return true;
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
    if (showFocus && (item.itemState & ODS_FOCUS)) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -4, -4);
        ::DrawFocusRect(item.hDC, &focus);
    }
}
