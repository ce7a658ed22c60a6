#pragma once
// Top-level frame windows: the program's frame class, the sunken client edge, an accelerator table,
// and the DPI the window is laid out for.

#include "framework/DpiScale.h"
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
    // Moved to a screen of another density: `dpi` is the new one and the window has taken the
    // rectangle Windows suggested. A window lays itself out again here.
    virtual void OnDpiChanged(int) {}
    // The system's colours or settings changed (high contrast turned on or off, say).
    virtual void OnSystemColoursChanged() {}

    int dpi = DefaultDpi;  // the DPI the window is laid out for: set when it is made, then by WM_DPICHANGED

private:
    HACCEL accelTable = nullptr;  // a resource: freed with the module
};
