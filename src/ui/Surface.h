#pragma once
// The look of the program's windows: a light grey surface with a white top-left and a grey
// bottom-right edge line, and the status line's text, embossed in blue, along the bottom. Text
// places and font follow the window's `dpi`; the edge lines stay one pixel wide.

#include <windows.h>

#include <string>

class CDC;

void PaintSurface(CDC& dc, const RECT& client, const std::string& statusText, int dpi = 96);
