#pragma once
// A drawing as a device shows it: on the panel a drawing unit is a fraction of a pixel, so every
// point lands on the pixel grid and text takes a whole number of pixels; a label that is readable
// in drawing units with little to spare may touch its contact there.

#include "wiring/Sketch.h"

namespace wiring {

// Drawing units a pixel: the panels of the smallest main window (640 x 480) and of 1024 x 768,
// and the dots of a 300 dpi printer, where the printed sheet shows drawings at 0.01 mm a unit.
constexpr int SmallestPanelUnitsPerDot = 27;
constexpr int CommonPanelUnitsPerDot = 17;
constexpr int PrinterUnitsPerDot = 8;

// The sketch as a device of `unitsPerDot` units a dot draws it: points on the dot grid, text as
// tall as the nearest whole number of dots (at least one), no pen thinner than a dot.
Sketch onDots(const Sketch& sketch, int unitsPerDot);

}  // namespace wiring
