#include "Canvas.h"

#include "framework/DpiScale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace bitmaps {

Canvas::Canvas(int width, int height, Colour background, int dpi)
    : askedWidth(width), askedHeight(height), dotsPerInch(dpi),
      pixelWidth(ScaleForDpi(width, dpi)), pixelHeight(ScaleForDpi(height, dpi))
{
    if (width <= 0 || height <= 0 || dpi <= 0)
        throw std::invalid_argument("a canvas needs a positive size and DPI");
    pixels.assign(static_cast<size_t>(pixelWidth) * pixelHeight, background);
}

bool Canvas::contains(int x, int y) const
{
    return x >= 0 && y >= 0 && x < pixelWidth && y < pixelHeight;
}

int Canvas::scaled(int value) const
{
    return ScaleForDpi(value, dotsPerInch);
}

double Canvas::zoom() const
{
    return static_cast<double>(dotsPerInch) / DefaultDpi;
}

double Canvas::snapped(double value) const
{
    return std::round(value * zoom()) / zoom();
}

Colour Canvas::at(int x, int y) const
{
    if (!contains(x, y))
        throw std::out_of_range("pixel outside the canvas");
    return pixels[static_cast<size_t>(y) * pixelWidth + x];
}

void Canvas::setPixel(int x, int y, Colour colour)
{
    if (contains(x, y))
        pixels[static_cast<size_t>(y) * pixelWidth + x] = colour;
}

void Canvas::set(int x, int y, Colour colour)
{
    fillRect(x, y, 1, 1, colour);
}

void Canvas::fillRect(int x, int y, int width, int height, Colour colour)
{
    for (int row = scaled(y); row < scaled(y + height); ++row)
        for (int column = scaled(x); column < scaled(x + width); ++column)
            setPixel(column, row, colour);
}

void Canvas::frameRect(int x, int y, int width, int height, Colour colour)
{
    if (width <= 0 || height <= 0)
        return;
    fillRect(x, y, width, 1, colour);
    fillRect(x, y + height - 1, width, 1, colour);
    fillRect(x, y, 1, height, colour);
    fillRect(x + width - 1, y, 1, height, colour);
}

void Canvas::line(Point from, Point to, Colour colour)
{
    // Bresenham, all octants.
    int dx = std::abs(to.x - from.x);
    int dy = -std::abs(to.y - from.y);
    int stepX = from.x < to.x ? 1 : -1;
    int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x;
    int y = from.y;
    for (;;) {
        set(x, y, colour);
        if (x == to.x && y == to.y)
            break;
        int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void Canvas::thickLine(Point from, Point to, int radius, Colour colour)
{
    thickLineBetween(from.x, from.y, to.x, to.y, radius, colour);
}

// One disc per canvas pixel of the way, centred on the canvas pixel nearest the line.
void Canvas::thickLineBetween(double fromX, double fromY, double toX, double toY, int radius, Colour colour)
{
    int steps = static_cast<int>(std::lround(std::max(std::abs(toX - fromX), std::abs(toY - fromY)) * zoom()));
    for (int i = 0; i <= steps; ++i) {
        double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
        discAt(snapped(fromX + t * (toX - fromX)), snapped(fromY + t * (toY - fromY)), radius, -1, colour);
    }
}

void Canvas::curve(Point start, Point control1, Point control2, Point end, int radius, Colour colour)
{
    const int segments = 24;
    double previousX = start.x, previousY = start.y;
    for (int i = 1; i <= segments; ++i) {
        double t = static_cast<double>(i) / segments;
        double u = 1.0 - t;
        double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        double x = snapped(a * start.x + b * control1.x + c * control2.x + d * end.x);
        double y = snapped(a * start.y + b * control1.y + c * control2.y + d * end.y);
        thickLineBetween(previousX, previousY, x, y, radius, colour);
        previousX = x;
        previousY = y;
    }
}

// The pixels whose centres lie within the disc of `radius` 96-DPI pixels around the centre of the
// 96-DPI pixel at (centreX, centreY), outside the disc of `hole` (none when negative). At 96 DPI the
// bound r*r + r instead of r*r keeps small discs round rather than diamond-like.
void Canvas::discAt(double centreX, double centreY, int radius, int hole, Colour colour)
{
    double z = zoom();
    double x0 = (centreX + 0.5) * z, y0 = (centreY + 0.5) * z;
    double outer = (radius + 0.5) * z, inner = (hole + 0.5) * z;
    double outerLimit = outer * outer - 0.25 * z * z;
    double innerLimit = inner * inner - 0.25 * z * z;
    for (int y = static_cast<int>(std::floor(y0 - outer)); y <= static_cast<int>(std::ceil(y0 + outer)); ++y)
        for (int x = static_cast<int>(std::floor(x0 - outer)); x <= static_cast<int>(std::ceil(x0 + outer)); ++x) {
            double dx = x + 0.5 - x0, dy = y + 0.5 - y0;
            double distance = dx * dx + dy * dy;
            if (distance <= outerLimit && (hole < 0 || distance > innerLimit))
                setPixel(x, y, colour);
        }
}

void Canvas::disc(int centreX, int centreY, int radius, Colour colour)
{
    discAt(centreX, centreY, radius, -1, colour);
}

void Canvas::circle(int centreX, int centreY, int radius, Colour colour)
{
    discAt(centreX, centreY, radius, radius == 0 ? -1 : radius - 1, colour);
}

void Canvas::fillPolygon(const std::vector<Point>& corners, Colour colour)
{
    if (corners.size() < 3)
        return;
    const double z = zoom();
    double top = corners[0].y * z, bottom = corners[0].y * z;
    for (const Point& p : corners) {
        top = std::min(top, p.y * z);
        bottom = std::max(bottom, p.y * z);
    }
    std::vector<double> crossings;
    for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y) {
        double scanY = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < corners.size(); ++i) {
            double ax = corners[i].x * z, ay = corners[i].y * z;
            double bx = corners[(i + 1) % corners.size()].x * z, by = corners[(i + 1) % corners.size()].y * z;
            if ((ay <= scanY) == (by <= scanY))
                continue;
            crossings.push_back(ax + (scanY - ay) * (bx - ax) / (by - ay));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int first = static_cast<int>(std::ceil(crossings[i] - 0.5));
            int last = static_cast<int>(std::floor(crossings[i + 1] - 0.5));
            for (int x = first; x <= last; ++x)
                setPixel(x, y, colour);
        }
    }
}

void Canvas::blit(const Canvas& source, int x, int y)
{
    if (source.dpi() != dotsPerInch)
        throw std::invalid_argument("a canvas is copied only onto one of the same DPI");
    const int left = scaled(x), top = scaled(y);
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column) {
            Colour colour = source.at(column, row);
            if (colour != Colour::Transparent)
                setPixel(left + column, top + row, colour);
        }
}

} // namespace bitmaps
