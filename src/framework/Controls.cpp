#include "framework/Controls.h"

#include "framework/Accessible.h"
#include "framework/WinApp.h"

HWND CreateControl(const char* className, const char* caption, DWORD style, const RECT& rect, CWnd* parent,
                   UINT id) {
    return ::CreateWindowExA(0, className, caption ? caption : "", style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent ? parent->GetSafeHwnd() : nullptr,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ProgramInstance(), nullptr);
}

bool CControl::Create(const char* className, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    HWND created = CreateControl(className, nullptr, style, rect, parent, id);
    return created && SubclassWindow(created);
}

bool CControl::describe(AccessibleFacts& facts) const {
    if (spokenName.empty()) return false;
    facts.role = spokenRole;
    facts.name = spokenName;
    return true;
}
