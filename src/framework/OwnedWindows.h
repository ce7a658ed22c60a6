#pragma once
// Wine lets a window that is shown again cover the popups it owns, which Windows always keeps
// above their owner. Raising them again after the owner is shown keeps them in sight everywhere.

#include <windows.h>

// Puts every visible window of this thread that `owner` owns back above it, without activating it.
void RaiseOwnedWindows(HWND owner);
