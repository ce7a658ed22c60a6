#pragma once
// Child controls of the system's classes (BUTTON, LISTBOX, EDIT) with the program instance.

#include <string>

#include "framework/Wnd.h"

HWND CreateControl(const char* className, const char* caption, DWORD style, const RECT& rect, CWnd* parent,
                   UINT id);

// A system control the program made and took over: it keeps the system's look, role and value,
// and a screen reader hears the name the program gives it (where a dialog's label would name it).
class CControl : public CWnd {
public:
    bool Create(const char* className, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetSpokenName(std::string name) { spokenName = std::move(name); }
    bool describe(AccessibleFacts& facts) const override;

protected:
    // The role a reader is told, where the system's standard object does not know the class's own
    // (Wine's calls a list box a client area); 0 keeps the standard one.
    long spokenRole = 0;

private:
    std::string spokenName;
};
