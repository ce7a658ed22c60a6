#pragma once
// The pictures on the function keys F1..F10, on a transparent square,
// with the key's name in the lower right corner.
#include "Canvas.h"

namespace bitmaps {

Canvas functionKeyArt(int number, int size, int dpi = 96);

} // namespace bitmaps
