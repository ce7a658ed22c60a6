#pragma once
// The 3-D edges of keys and panels, drawn over whatever is inside the rectangle.
#include "Canvas.h"

namespace bitmaps {

// A key standing up: white top and left, dark grey then black bottom and right.
void raisedKey(Canvas& canvas, int x, int y, int width, int height);
// The same key pushed in: black then dark grey top and left, white bottom and right.
void pressedKey(Canvas& canvas, int x, int y, int width, int height);
// A panel set into the surface: dark grey top and left lines, white bottom and right.
void sunkenPanel(Canvas& canvas, int x, int y, int width, int height);
// A groove around a panel: a dark grey frame with a white one just inside and below it.
void etchedFrame(Canvas& canvas, int x, int y, int width, int height);

} // namespace bitmaps
