#include "TitlePictures.h"

#include "Bevel.h"
#include "PixelFont.h"
#include "Symbols.h"

#include <string>

namespace bitmaps {

namespace {

const std::string firstPart = "Strand";
const std::string secondPart = "or!";

// "Strand" in red and "or!" in blue over a dark shadow, centred on a column.
void drawName(Canvas& canvas, int centreX, int y, int scale, int bold, int shadow)
{
    const PixelFont& font = PixelFont::regular();
    int width = font.textWidth(firstPart + secondPart, scale, bold);
    int left = centreX - width / 2;
    int secondLeft = left + font.textWidth(firstPart, scale, bold) + scale;
    font.draw(canvas, left + shadow, y + shadow, firstPart + secondPart, Colour::DarkGrey, scale, bold);
    font.draw(canvas, left, y, firstPart, Colour::Red, scale, bold);
    font.draw(canvas, secondLeft, y, secondPart, Colour::Blue, scale, bold);
}

} // namespace

Canvas startPicture(int dpi)
{
    Canvas canvas(400, 300, Colour::LightGrey, dpi);
    const int centreX = 198; // the middle of the part the program shows

    sunkenPanel(canvas, 10, 10, 376, 101);
    drawName(canvas, centreX, 20, 7, 2, 3);
    drawCentredText(canvas, PixelFont::regular(), centreX, 82, "Cable-making guide",
                    Colour::DarkBlue, 2);

    etchedFrame(canvas, 20, 150, 357, 131);
    // A cable with a plug at each end across the top of the frame.
    Point left = drawPlug(canvas, 72, 160, 6, false, Colour::Blue);
    Point right = drawPlug(canvas, 300, 160, 6, true, Colour::Red);
    canvas.curve(left, {160, 196}, {220, 138}, right, 4, Colour::Black);
    canvas.curve(left, {160, 196}, {220, 138}, right, 2, Colour::DarkGrey);
    // Two connectors between the buttons, below the version line.
    drawDsub(canvas, 124, 238, 70, 28, Colour::LightGrey, Colour::Blue);
    drawDsub(canvas, 206, 238, 70, 28, Colour::LightGrey, Colour::Red);
    return canvas;
}

Canvas logo(int dpi)
{
    Canvas canvas(120, 40, Colour::LightGrey, dpi);
    drawName(canvas, 60, 5, 2, 1, 1);
    const PixelFont& font = PixelFont::regular();
    font.draw(canvas, 112 - font.textWidth("v1.04"), 27, "v1.04", Colour::Black);
    Point left = drawPlug(canvas, 12, 27, 2, false, Colour::Blue);
    Point right = drawPlug(canvas, 62, 27, 2, true, Colour::Red);
    drawCable(canvas, left, right, 0, Colour::Black);
    return canvas;
}

} // namespace bitmaps
