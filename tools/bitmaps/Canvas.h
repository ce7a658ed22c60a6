#pragma once
// A rectangle of palette colours and the drawing primitives the pictures are made of.
// Everything outside the canvas is clipped silently.
//
// A picture is drawn in the pixels of a 96-DPI screen; a canvas made for a denser screen maps
// every coordinate through ScaleForDpi, so discs, curves and polygons come out at the finer
// resolution and the picture is the same size on the screen, never a stretched copy. `width()`,
// `height()` and `at()` are in the canvas's own pixels, every drawing call in 96-DPI pixels.
#include "Palette.h"

#include <vector>

namespace bitmaps {

struct Point {
    int x;
    int y;
};

class Canvas {
public:
    Canvas(int width, int height, Colour background = Colour::LightGrey, int dpi = 96);

    int width() const { return pixelWidth; }
    int height() const { return pixelHeight; }
    // The size the canvas was asked for, in 96-DPI pixels, and the DPI it is drawn for.
    int logicalWidth() const { return askedWidth; }
    int logicalHeight() const { return askedHeight; }
    int dpi() const { return dotsPerInch; }
    Colour at(int x, int y) const;
    // Fills the canvas pixels of one 96-DPI pixel.
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
    // Copies another canvas of the same DPI onto this one, leaving out its transparent pixels.
    void blit(const Canvas& source, int x, int y);

private:
    bool contains(int x, int y) const;
    void setPixel(int x, int y, Colour colour);
    int scaled(int value) const;
    double zoom() const;
    // A 96-DPI coordinate rounded to the nearest canvas pixel.
    double snapped(double value) const;
    void discAt(double centreX, double centreY, int radius, int hole, Colour colour);
    void thickLineBetween(double fromX, double fromY, double toX, double toY, int radius, Colour colour);

    int askedWidth;
    int askedHeight;
    int dotsPerInch;
    int pixelWidth;
    int pixelHeight;
    std::vector<Colour> pixels;
};

} // namespace bitmaps
