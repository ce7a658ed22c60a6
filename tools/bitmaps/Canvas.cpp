#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace bitmaps {

Canvas::Canvas(int width, int height, Colour background)
    : pixelWidth(width), pixelHeight(height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("a canvas needs a positive size");
    pixels.assign(static_cast<size_t>(width) * height, background);
}

bool Canvas::contains(int x, int y) const
{
    return x >= 0 && y >= 0 && x < pixelWidth && y < pixelHeight;
}

Colour Canvas::at(int x, int y) const
{
    if (!contains(x, y))
        throw std::out_of_range("pixel outside the canvas");
    return pixels[static_cast<size_t>(y) * pixelWidth + x];
}

void Canvas::set(int x, int y, Colour colour)
{
    if (contains(x, y))
        pixels[static_cast<size_t>(y) * pixelWidth + x] = colour;
}

void Canvas::fillRect(int x, int y, int width, int height, Colour colour)
{
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            set(column, row, colour);
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
    int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    for (int i = 0; i <= steps; ++i) {
        double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
        int x = static_cast<int>(std::lround(from.x + t * (to.x - from.x)));
        int y = static_cast<int>(std::lround(from.y + t * (to.y - from.y)));
        disc(x, y, radius, colour);
    }
}

void Canvas::curve(Point start, Point control1, Point control2, Point end, int radius, Colour colour)
{
    const int segments = 24;
    Point previous = start;
    for (int i = 1; i <= segments; ++i) {
        double t = static_cast<double>(i) / segments;
        double u = 1.0 - t;
        double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        Point next{static_cast<int>(std::lround(a * start.x + b * control1.x + c * control2.x + d * end.x)),
                   static_cast<int>(std::lround(a * start.y + b * control1.y + c * control2.y + d * end.y))};
        thickLine(previous, next, radius, colour);
        previous = next;
    }
}

void Canvas::disc(int centreX, int centreY, int radius, Colour colour)
{
    // r*r + r instead of r*r keeps small discs round rather than diamond-like.
    int limit = radius * radius + radius;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= limit)
                set(centreX + dx, centreY + dy, colour);
}

void Canvas::circle(int centreX, int centreY, int radius, Colour colour)
{
    int outer = radius * radius + radius;
    int inner = (radius - 1) * (radius - 1) + (radius - 1);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            int distance = dx * dx + dy * dy;
            if (distance <= outer && (radius == 0 || distance > inner))
                set(centreX + dx, centreY + dy, colour);
        }
}

void Canvas::fillPolygon(const std::vector<Point>& corners, Colour colour)
{
    if (corners.size() < 3)
        return;
    int top = corners[0].y, bottom = corners[0].y;
    for (const Point& p : corners) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        double scanY = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < corners.size(); ++i) {
            Point a = corners[i];
            Point b = corners[(i + 1) % corners.size()];
            if ((a.y <= scanY) == (b.y <= scanY))
                continue;
            crossings.push_back(a.x + (scanY - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int first = static_cast<int>(std::ceil(crossings[i] - 0.5));
            int last = static_cast<int>(std::floor(crossings[i + 1] - 0.5));
            for (int x = first; x <= last; ++x)
                set(x, y, colour);
        }
    }
}

void Canvas::blit(const Canvas& source, int x, int y)
{
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column) {
            Colour colour = source.at(column, row);
            if (colour != Colour::Transparent)
                set(x + column, y + row, colour);
        }
}

} // namespace bitmaps
