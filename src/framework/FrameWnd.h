#pragma once
// Top-level frame windows: the program's frame class, the sunken client edge and an accelerator table.

#include "framework/Wnd.h"

class CFrameWnd : public CWnd {
public:
    // className null: the program's default frame class. menuName null: no menu.
    bool Create(const char* className, const char* title, DWORD style, const RECT& rect, CWnd* parent,
                const char* menuName);
    bool LoadAccelTable(const char* name);
    HACCEL GetAccelTable() const { return accelTable; }

    // Key messages of this window and of every window it owns (the start window, say) pass through
    // its accelerator table, so its keys act wherever the focus is. True when the key was used up;
    // keys that are not in the table (Esc, Enter) go on to the window that has the focus.
    bool TranslateAccelerator(MSG& message);

    // Redraw on every size change and the program's icon.
    static const char* DefaultFrameClass();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HACCEL accelTable = nullptr;  // a resource: freed with the module
};
