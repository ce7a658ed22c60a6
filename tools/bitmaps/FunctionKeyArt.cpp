#include "FunctionKeyArt.h"

#include "PixelFont.h"
#include "Symbols.h"

#include <stdexcept>
#include <string>

namespace bitmaps {

namespace {

void help(Canvas& art)
{
    drawOutlinedText(art, PixelFont::regular(), 11, 4, "?", Colour::Yellow, Colour::Black, 3, 1);
}

void information(Canvas& art)
{
    drawInfoBadge(art, 18, 16, 11);
}

void print(Canvas& art)
{
    drawPrinter(art, 5, 4);
}

void leave(Canvas& art)
{
    drawExitDoor(art, 3, 4);
}

void cable(Canvas& art)
{
    Point left = drawPlug(art, 7, 5, 2, false, Colour::Blue);
    Point right = drawPlug(art, 25, 19, 2, true, Colour::Red);
    drawCable(art, left, right, 1, Colour::DarkGrey);
}

void connectorInformation(Canvas& art, const std::string& caption)
{
    const PixelFont& font = PixelFont::small();
    drawCentredText(art, font, 20, 4, caption, Colour::DarkBlue);
    drawDsub(art, 4, 12, 32, 12, Colour::LightGrey, Colour::Blue);
    drawInfoBadge(art, 10, 29, 6);
}

void cableInformation(Canvas& art)
{
    Point left = drawPlug(art, 7, 4, 2, false, Colour::Blue);
    Point right = drawPlug(art, 25, 12, 2, true, Colour::Red);
    drawCable(art, left, right, 1, Colour::DarkGrey);
    drawInfoBadge(art, 10, 28, 6);
}

void userNotes(Canvas& art)
{
    const PixelFont& font = PixelFont::small();
    drawCentredText(art, font, 20, 3, "USER", Colour::DarkBlue);
    drawCentredText(art, font, 20, 10, "NOTES", Colour::DarkBlue);
    drawListSheet(art, 7, 17, 16, 19);
}

void manual(Canvas& art)
{
    drawBook(art, 7, 3, 26, 26);
}

} // namespace

Canvas functionKeyArt(int number, int size, int dpi)
{
    Canvas art(size, size, Colour::Transparent, dpi);
    switch (number) {
    case 1: help(art); break;
    case 2: information(art); break;
    case 3: print(art); break;
    case 4: leave(art); break;
    case 5: cable(art); break;
    case 6: connectorInformation(art, "START"); break;
    case 7: connectorInformation(art, "END"); break;
    case 8: cableInformation(art); break;
    case 9: userNotes(art); break;
    case 10: manual(art); break;
    default: throw std::out_of_range("there are function keys F1 to F10 only");
    }
    std::string name = "F" + std::to_string(number);
    const PixelFont& font = PixelFont::small();
    font.draw(art, size - 5 - font.textWidth(name), size - 5 - font.capHeight(), name, Colour::Black);
    return art;
}

} // namespace bitmaps
