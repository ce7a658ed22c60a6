#include "Symbols.h"

#include <algorithm>

namespace bitmaps {

namespace {

int scaled(int size, int percent)
{
    return (size * percent + 50) / 100;
}

} // namespace

void drawTick(Canvas& canvas, int left, int top, int size)
{
    Point a{left + scaled(size, 20), top + scaled(size, 50)};
    Point b{left + scaled(size, 40), top + scaled(size, 72)};
    Point c{left + scaled(size, 80), top + scaled(size, 24)};
    int radius = std::max(2, size / 14);
    canvas.thickLine(a, b, radius + 1, Colour::DarkGreen);
    canvas.thickLine(b, c, radius + 1, Colour::DarkGreen);
    canvas.thickLine(a, b, radius, Colour::Green);
    canvas.thickLine(b, c, radius, Colour::Green);
}

void drawCross(Canvas& canvas, int left, int top, int size)
{
    int near = scaled(size, 26), far = scaled(size, 74);
    Point a{left + near, top + near}, b{left + far, top + far};
    Point c{left + far, top + near}, d{left + near, top + far};
    int radius = std::max(2, size / 14);
    canvas.thickLine(a, b, radius + 1, Colour::DarkRed);
    canvas.thickLine(c, d, radius + 1, Colour::DarkRed);
    canvas.thickLine(a, b, radius, Colour::Red);
    canvas.thickLine(c, d, radius, Colour::Red);
}

void drawOutlinedPolygon(Canvas& canvas, const std::vector<Point>& corners, Colour fill, Colour outline)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            std::vector<Point> moved = corners;
            for (Point& p : moved) {
                p.x += dx;
                p.y += dy;
            }
            canvas.fillPolygon(moved, outline);
        }
    canvas.fillPolygon(corners, fill);
}

void drawOutlinedText(Canvas& canvas, const PixelFont& font, int x, int y, const std::string& text,
                      Colour fill, Colour outline, int scale, int bold)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            font.draw(canvas, x + dx, y + dy, text, outline, scale, bold);
    font.draw(canvas, x, y, text, fill, scale, bold);
}

void drawInfoBadge(Canvas& canvas, int centreX, int centreY, int radius)
{
    canvas.disc(centreX, centreY, radius, Colour::DarkGreen);
    canvas.disc(centreX, centreY, radius - 1, Colour::Green);
    if (radius >= 8) {
        canvas.fillRect(centreX - 1, centreY - radius / 2 - 2, 3, 3, Colour::White);
        canvas.fillRect(centreX - 1, centreY - 1, 3, radius / 2 + 3, Colour::White);
        canvas.fillRect(centreX - 2, centreY - 1, 1, 1, Colour::White);
        canvas.fillRect(centreX - 2, centreY + radius / 2 + 1, 5, 1, Colour::White);
    } else {
        canvas.set(centreX, centreY - radius / 2 - 1, Colour::White);
        canvas.fillRect(centreX, centreY - 1, 1, radius / 2 + 3, Colour::White);
        canvas.set(centreX - 1, centreY - 1, Colour::White);
    }
}

void drawDsub(Canvas& canvas, int x, int y, int width, int height, Colour flange, Colour shell)
{
    canvas.fillRect(x, y, width, height, Colour::Black);
    canvas.fillRect(x + 1, y + 1, width - 2, height - 2, flange);

    int screwRadius = std::max(1, height / 6);
    int screwInset = std::max(screwRadius + 2, width / 10);
    for (int screwX : {x + screwInset, x + width - 1 - screwInset}) {
        canvas.disc(screwX, y + height / 2, screwRadius, Colour::Black);
        if (screwRadius > 1)
            canvas.disc(screwX, y + height / 2, screwRadius - 1, Colour::DarkGrey);
    }

    int shellTop = y + std::max(2, height / 6);
    int shellBottom = y + height - std::max(2, height / 6);
    int topLeft = x + 2 * screwInset;
    int topRight = x + width - 2 * screwInset;
    int slant = std::max(1, (shellBottom - shellTop) / 3);
    std::vector<Point> outer{{topLeft, shellTop}, {topRight, shellTop},
                             {topRight - slant, shellBottom}, {topLeft + slant, shellBottom}};
    canvas.fillPolygon(outer, Colour::Black);
    std::vector<Point> inner{{topLeft + 1, shellTop + 1}, {topRight - 1, shellTop + 1},
                             {topRight - slant - 1, shellBottom - 1}, {topLeft + slant + 1, shellBottom - 1}};
    canvas.fillPolygon(inner, shell);

    // Two staggered rows of pins, as many as fit at two-pixel spacing.
    int pin = height >= 16 ? 2 : 1;
    int pitch = pin * 2 + (height >= 16 ? 1 : 0);
    int rowHeight = shellBottom - shellTop;
    int upperY = shellTop + rowHeight / 3 - pin / 2;
    int lowerY = shellTop + (2 * rowHeight) / 3 - pin / 2;
    int upperFirst = topLeft + slant / 2 + 2, upperLast = topRight - slant / 2 - 2 - pin;
    int count = std::max(2, (upperLast - upperFirst) / pitch + 1);
    int upperSpan = (count - 1) * pitch;
    int upperStart = (upperFirst + upperLast) / 2 - upperSpan / 2;
    for (int i = 0; i < count; ++i)
        canvas.fillRect(upperStart + i * pitch, upperY, pin, pin, Colour::Yellow);
    for (int i = 0; i + 1 < count; ++i)
        canvas.fillRect(upperStart + i * pitch + pitch / 2, lowerY, pin, pin, Colour::Yellow);
}

Point drawPlug(Canvas& canvas, int x, int y, int unit, bool facingRight, Colour hood)
{
    int hoodWidth = 4 * unit, hoodHeight = 3 * unit;
    int tipLength = 2 * unit, tipHeight = std::max(3, 2 * unit - 1);
    int tipY = y + (hoodHeight - tipHeight) / 2;
    int tipX = facingRight ? x + hoodWidth - 1 : x - tipLength + 1;
    canvas.fillRect(tipX, tipY, tipLength, tipHeight, Colour::Black);
    canvas.fillRect(tipX + 1, tipY + 1, tipLength - 2, tipHeight - 2, Colour::White);
    if (tipHeight >= 5)
        canvas.fillRect(tipX + 1, tipY + tipHeight / 2, tipLength - 2, 1, Colour::DarkGrey);

    canvas.fillRect(x, y, hoodWidth, hoodHeight, Colour::Black);
    canvas.fillRect(x + 1, y + 1, hoodWidth - 2, hoodHeight - 2, hood);
    // A few grip ridges on the hood, on the cable side.
    if (unit >= 3)
        for (int i = 1; i <= 3; ++i) {
            int ridgeX = facingRight ? x + i * unit / 2 + 1 : x + hoodWidth - 2 - i * unit / 2;
            canvas.fillRect(ridgeX, y + 2, 1, hoodHeight - 4, Colour::Black);
        }
    int cableY = y + hoodHeight / 2;
    return facingRight ? Point{x - 1, cableY} : Point{x + hoodWidth, cableY};
}

void drawCable(Canvas& canvas, Point from, Point to, int radius, Colour colour)
{
    int pull = std::max(4, std::abs(to.x - from.x) / 2);
    int direction = to.x >= from.x ? 1 : -1;
    Point control1{from.x + direction * pull, from.y};
    Point control2{to.x - direction * pull, to.y};
    canvas.curve(from, control1, control2, to, radius + 1, Colour::Black);
    if (radius > 0)
        canvas.curve(from, control1, control2, to, radius, colour);
}

void drawPrinter(Canvas& canvas, int x, int y)
{
    // The sheet, with lines of print, going into the paper slot.
    canvas.fillRect(x + 6, y, 16, 12, Colour::Black);
    canvas.fillRect(x + 7, y + 1, 14, 11, Colour::White);
    for (int row = 3; row <= 9; row += 2)
        canvas.fillRect(x + 9, y + row, row == 9 ? 6 : 10, 1, Colour::DarkBlue);

    // The body, light on top, with the slot, a lamp and the output tray.
    canvas.fillRect(x, y + 10, 28, 11, Colour::Black);
    canvas.fillRect(x + 1, y + 11, 26, 9, Colour::DarkGrey);
    canvas.fillRect(x + 1, y + 11, 26, 2, Colour::White);
    canvas.fillRect(x + 5, y + 11, 18, 1, Colour::Black);
    canvas.fillRect(x + 22, y + 15, 3, 2, Colour::Green);
    canvas.fillRect(x + 4, y + 19, 20, 5, Colour::Black);
    canvas.fillRect(x + 5, y + 20, 18, 3, Colour::White);
}

void drawExitDoor(Canvas& canvas, int x, int y)
{
    // The dark doorway in its frame, the door swung open into the room.
    canvas.fillRect(x, y, 15, 26, Colour::Olive);
    canvas.fillRect(x + 2, y + 2, 11, 24, Colour::Black);
    std::vector<Point> leaf{{x + 2, y + 2}, {x + 8, y + 5}, {x + 8, y + 23}, {x + 2, y + 26}};
    canvas.fillPolygon(leaf, Colour::Olive);
    canvas.line({x + 8, y + 5}, {x + 8, y + 23}, Colour::Yellow);
    canvas.fillRect(x + 6, y + 14, 1, 2, Colour::Yellow);

    // The arrow on its way out.
    std::vector<Point> arrow{{x + 9, y + 11}, {x + 23, y + 11}, {x + 23, y + 5}, {x + 33, y + 14},
                             {x + 23, y + 23}, {x + 23, y + 17}, {x + 9, y + 17}};
    drawOutlinedPolygon(canvas, arrow, Colour::Red, Colour::DarkRed);
}

void drawListSheet(Canvas& canvas, int x, int y, int width, int height)
{
    canvas.fillRect(x, y, width, height, Colour::Black);
    canvas.fillRect(x + 1, y + 1, width - 2, height - 2, Colour::White);
    for (int row = y + 3; row + 2 < y + height; row += 3) {
        canvas.fillRect(x + 3, row, 2, 2, Colour::Blue);
        canvas.fillRect(x + 6, row, width - 9, 1, Colour::DarkGrey);
    }
}

void drawBook(Canvas& canvas, int x, int y, int width, int height)
{
    // The pages show at the right and bottom edges behind the cover.
    canvas.fillRect(x + 3, y + 3, width - 3, height - 3, Colour::Black);
    canvas.fillRect(x + 4, y + 4, width - 5, height - 5, Colour::White);
    for (int row = y + 5; row < y + height - 1; row += 2)
        canvas.set(x + width - 2, row, Colour::DarkGrey);
    canvas.fillRect(x, y, width - 2, height - 2, Colour::Black);
    canvas.fillRect(x + 1, y + 1, width - 4, height - 4, Colour::Blue);
    canvas.fillRect(x + 1, y + 1, 3, height - 4, Colour::DarkBlue);
    canvas.fillRect(x + 4, y + 1, 1, height - 4, Colour::Black);

    // A light connector face on the cover: the D-shaped shell with two rows of pins.
    int left = x + 7, right = x + width - 4, middle = y + (height - 2) / 2;
    int shellTop = middle - 4, shellBottom = middle + 5;
    std::vector<Point> shell{{left, shellTop}, {right, shellTop},
                             {right - 3, shellBottom}, {left + 3, shellBottom}};
    drawOutlinedPolygon(canvas, shell, Colour::White, Colour::Black);
    for (int pinX = left + 2; pinX < right - 2; pinX += 2)
        canvas.set(pinX, shellTop + 2, Colour::Black);
    for (int pinX = left + 3; pinX < right - 3; pinX += 2)
        canvas.set(pinX, shellBottom - 3, Colour::Black);
}

} // namespace bitmaps
