#pragma once
// The pictures that carry the program's name: the start picture and the main window logo.
#include "Canvas.h"

namespace bitmaps {

// 400 x 300. The program writes its version across y 195..222 and places two
// 48 x 48 buttons at (52,196) and (300,196); those areas are left plain grey.
// Both in 96-DPI pixels, drawn for `dpi`.
Canvas startPicture(int dpi = 96);
// 120 x 40.
Canvas logo(int dpi = 96);

} // namespace bitmaps
