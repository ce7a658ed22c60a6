#pragma once
// The one way a metafile drawing is put on a screen DC: 20800 x 15600 drawing units onto the
// viewport extent, the drawing's (0, 0) at the anchor. The file is loaded, played and released in
// the call; a missing or unreadable file draws nothing.

#include <windows.h>

class CDC;

void DrawMetafile(CDC& dc, const char* path, int viewportX, int viewportY, int anchorX, int anchorY);
