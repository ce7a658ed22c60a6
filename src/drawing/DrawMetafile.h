#pragma once
// The one way a metafile drawing is put on a screen DC: 20800 x 15600 drawing units onto the
// viewport extent, the drawing's (0, 0) at the anchor. The file is loaded, played and released in
// the call; a missing, unreadable or unsound file draws nothing.

#include <windows.h>

class CDC;

// Reads the file once, checks those bytes and plays those same bytes in the DC's present mapping:
// the file cannot change between the check and the play. False when nothing was played.
bool PlayCheckedMetafile(CDC& dc, const char* path);

void DrawMetafile(CDC& dc, const char* path, int viewportX, int viewportY, int anchorX, int anchorY);
