#pragma once
// The look of the program's windows: a light grey surface with a white top-left and a grey
// bottom-right edge line, and the status line's text, embossed in blue, along the bottom. Text
// places and font follow the window's `dpi`; the edge lines stay one pixel wide.

#include <windows.h>

#include <string>

#include "ui/Contrast.h"

class CDC;

void PaintSurface(CDC& dc, const RECT& client, const std::string& statusText, int dpi = 96,
                  const SurfaceColours& colours = ClassicColours());

// The surfaces' colours now: the system's while high contrast is on (the one place that asks
// whether it is), the program's own otherwise. Windows re-read them on WM_SETTINGCHANGE and
// WM_SYSCOLORCHANGE.
SurfaceColours ReadSurfaceColours();
