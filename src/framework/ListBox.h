#pragma once

#include <string>

#include "framework/Wnd.h"

// A list box control, not subclassed: the program only talks to it.
class CListBox : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(const std::string& text) {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCurSel() { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int row) { return static_cast<int>(SendMessage(LB_SETCURSEL, row)); }
    int GetCount() { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    std::string GetText(int row);
};
