#pragma once
// What assistive technology (a screen reader) is told about one of our windows: its role, name,
// value, keyboard shortcut and default action. A window answers WM_GETOBJECT for its client area
// with an accessible object built on the system's standard one, which asks the window's
// `describe` afresh at every question, so a reader hears what the window shows now. oleacc is
// loaded the first time a reader asks: the program starts, and works, without it.

#include <windows.h>

#include <string>

struct AccessibleFacts {
    long role = 0;              // a ROLE_SYSTEM_ value; 0 keeps the standard object's
    std::string name;           // "" keeps the standard object's for each of these
    std::string value;
    std::string description;
    std::string shortcut;       // "F5"
    std::string defaultAction;  // "Press": the default action clicks the button
};

// The roles the program gives (oleacc.h's values, which Windows fixes).
constexpr long AccessibleRoleList = 0x21;
constexpr long AccessibleRoleGraphic = 0x28;
constexpr long AccessibleRolePushButton = 0x2b;
constexpr long AccessibleRoleStaticText = 0x29;

// Tells what the window is now; false when it is gone or says nothing.
using AccessibleDescriber = bool (*)(HWND window, AccessibleFacts& facts);

// The answer to WM_GETOBJECT for `window`, which `describe` tells at every question; 0 when the
// question is not about its client area, the window describes nothing, or oleacc cannot be had.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, AccessibleDescriber describe);

// Tells listening assistive technology that what `window` shows has changed.
void NotifyValueChanged(HWND window);
