#pragma once
// The category path as the selection dialogs show it: blue text with a white edge above left and a
// grey one below right, over the light grey dialog.

#include <string>

#include "ui/Contrast.h"

class CDC;

// Draws the text with its top-left corner at (x + 1, y + 1); the edges take one pixel each way.
// Under high contrast it is one layer of the system's text colour.
void DrawPathLine(CDC& dc, int x, int y, const std::string& text, const SurfaceColours& colours = ClassicColours());
