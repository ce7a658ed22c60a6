#pragma once

#include <string>

#include "framework/Accessible.h"
#include "framework/Controls.h"

// A list box control: the program talks to it and may name it for a screen reader.
class CListBox : public CControl {
public:
    CListBox() { spokenRole = AccessibleRoleList; }
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CControl::Create("LISTBOX", style, rect, parent, id);
    }
    int AddString(const std::string& text) {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCurSel() { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int row) { return static_cast<int>(SendMessage(LB_SETCURSEL, row)); }
    int GetCount() { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    std::string GetText(int row);
};
