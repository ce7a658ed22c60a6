#pragma once
// The program icon: a cable plug standing upright, on a transparent background.
#include "Canvas.h"

namespace bitmaps {

Canvas programIcon(int size); // size 32 or 16

} // namespace bitmaps
