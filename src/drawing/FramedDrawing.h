#pragma once
// A drawing as the panels show it: a white ground, the metafile placed at the panel anchor with
// the given viewport extent, and the sunken frame over it, its lines one pixel wide at 96 DPI and
// scaled to `dpi`. The picture is made off screen and copied to the DC's (0, 0) in one step.

#include <string>

#include "ui/Contrast.h"

class CDC;

void PaintFramedDrawing(CDC& dc, int width, int height, const std::string& path, int viewportX, int viewportY,
                        int dpi = 96, const SurfaceColours& colours = ClassicColours());
