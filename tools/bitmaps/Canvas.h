#pragma once
// A rectangle of palette colours and the drawing primitives the pictures are made of.
// Everything outside the canvas is clipped silently.
#include "Palette.h"

#include <vector>

namespace bitmaps {

struct Point {
    int x;
    int y;
};

class Canvas {
public:
    Canvas(int width, int height, Colour background = Colour::LightGrey);

    int width() const { return pixelWidth; }
    int height() const { return pixelHeight; }
    Colour at(int x, int y) const;
    void set(int x, int y, Colour colour);

    void fillRect(int x, int y, int width, int height, Colour colour);
    void frameRect(int x, int y, int width, int height, Colour colour);
    void line(Point from, Point to, Colour colour);
    // A line drawn with a round pen of the given radius.
    void thickLine(Point from, Point to, int radius, Colour colour);
    // A cubic Bezier curve drawn with a round pen.
    void curve(Point start, Point control1, Point control2, Point end, int radius, Colour colour);
    void disc(int centreX, int centreY, int radius, Colour colour);
    void circle(int centreX, int centreY, int radius, Colour colour);
    // Vertices are pixel corners: a pixel is filled when its centre is inside.
    void fillPolygon(const std::vector<Point>& corners, Colour colour);
    // Copies another canvas onto this one, leaving out its transparent pixels.
    void blit(const Canvas& source, int x, int y);

private:
    bool contains(int x, int y) const;

    int pixelWidth;
    int pixelHeight;
    std::vector<Colour> pixels;
};

} // namespace bitmaps
