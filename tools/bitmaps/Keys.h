#pragma once
// The button faces: grey keys with a picture, drawn standing up or pushed in.
// A pushed-in key shows its picture one pixel further right and down.
#include "Canvas.h"

namespace bitmaps {

// Sizes in 96-DPI pixels; `dpi` the screen density the key is drawn for.
Canvas okKey(int size, bool pressed, int dpi = 96);          // a green tick
Canvas noKey(int size, bool pressed, int dpi = 96);          // a red cross
Canvas functionKey(int number, bool pressed, int dpi = 96);  // 40 x 40, a picture and "F1".."F10"

constexpr int functionKeySize = 40;
constexpr int functionKeyCount = 10;

} // namespace bitmaps
