#pragma once
// Small drawings shared by the keys, the title pictures and the icon.
#include "Canvas.h"
#include "PixelFont.h"

#include <string>
#include <vector>

namespace bitmaps {

// A tick or a cross filling a square box, with a darker rim.
void drawTick(Canvas& canvas, int left, int top, int size);
void drawCross(Canvas& canvas, int left, int top, int size);

// A polygon or text with a one-pixel outline all round.
void drawOutlinedPolygon(Canvas& canvas, const std::vector<Point>& corners, Colour fill, Colour outline);
void drawOutlinedText(Canvas& canvas, const PixelFont& font, int x, int y, const std::string& text,
                      Colour fill, Colour outline, int scale = 1, int bold = 0);

// A green disc with a white "i".
void drawInfoBadge(Canvas& canvas, int centreX, int centreY, int radius);

// A D-sub connector seen from the front: a flange with two screws and a
// trapezoid shell holding two rows of pins.
void drawDsub(Canvas& canvas, int x, int y, int width, int height, Colour flange, Colour shell);

// A cable plug seen from the side: a hood and a metal tip. unit sets its size
// (the hood is 4 x 3 units). Returns the point where the cable leaves the hood.
Point drawPlug(Canvas& canvas, int x, int y, int unit, bool facingRight, Colour hood);

// A cable curving from one point to another, leaving and arriving horizontally.
void drawCable(Canvas& canvas, Point from, Point to, int radius, Colour colour);

void drawPrinter(Canvas& canvas, int x, int y);      // 28 x 24, a sheet coming out of the top
void drawExitDoor(Canvas& canvas, int x, int y);     // 34 x 26, an arrow out of an open door
void drawListSheet(Canvas& canvas, int x, int y, int width, int height);
void drawBook(Canvas& canvas, int x, int y, int width, int height); // with a connector on the cover

} // namespace bitmaps
