#pragma once
// Creates a child control of a system class (BUTTON, LISTBOX) with the program instance.

#include "framework/Wnd.h"

HWND CreateControl(const char* className, const char* caption, DWORD style, const RECT& rect, CWnd* parent,
                   UINT id);
