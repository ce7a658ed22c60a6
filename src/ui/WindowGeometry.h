#pragma once
// Between the pure layout rectangles and the system's RECT.

#include <windows.h>

#include "ui/Geometry.h"

inline Rect ToRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
