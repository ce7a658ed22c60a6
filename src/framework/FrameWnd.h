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

    // Redraw on every size change and the program's icon.
    static const char* DefaultFrameClass();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HACCEL accelTable = nullptr;  // a resource: freed with the module
};
