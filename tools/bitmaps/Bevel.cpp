#include "Bevel.h"

namespace bitmaps {

namespace {

// One ring of a bevel: the top and left lines in one colour, the bottom and right in another.
void ring(Canvas& canvas, int x, int y, int width, int height, Colour topLeft, Colour bottomRight)
{
    canvas.fillRect(x, y, width - 1, 1, topLeft);
    canvas.fillRect(x, y, 1, height - 1, topLeft);
    canvas.fillRect(x, y + height - 1, width, 1, bottomRight);
    canvas.fillRect(x + width - 1, y, 1, height, bottomRight);
}

} // namespace

void raisedKey(Canvas& canvas, int x, int y, int width, int height)
{
    ring(canvas, x, y, width, height, Colour::White, Colour::Black);
    ring(canvas, x + 1, y + 1, width - 2, height - 2, Colour::White, Colour::DarkGrey);
    ring(canvas, x + 2, y + 2, width - 4, height - 4, Colour::LightGrey, Colour::DarkGrey);
}

void pressedKey(Canvas& canvas, int x, int y, int width, int height)
{
    ring(canvas, x, y, width, height, Colour::Black, Colour::White);
    ring(canvas, x + 1, y + 1, width - 2, height - 2, Colour::DarkGrey, Colour::LightGrey);
}

void sunkenPanel(Canvas& canvas, int x, int y, int width, int height)
{
    ring(canvas, x, y, width, height, Colour::DarkGrey, Colour::White);
    ring(canvas, x + 1, y + 1, width - 2, height - 2, Colour::Black, Colour::LightGrey);
}

void etchedFrame(Canvas& canvas, int x, int y, int width, int height)
{
    canvas.frameRect(x + 1, y + 1, width - 1, height - 1, Colour::White);
    canvas.frameRect(x, y, width - 1, height - 1, Colour::DarkGrey);
}

} // namespace bitmaps
