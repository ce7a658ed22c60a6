#include "Keys.h"

#include "Bevel.h"
#include "FunctionKeyArt.h"
#include "Symbols.h"

namespace bitmaps {

namespace {

Canvas keyFace(const Canvas& art, bool pressed)
{
    Canvas key(art.logicalWidth(), art.logicalHeight(), Colour::LightGrey, art.dpi());
    int shift = pressed ? 1 : 0;
    key.blit(art, shift, shift);
    if (pressed)
        pressedKey(key, 0, 0, key.logicalWidth(), key.logicalHeight());
    else
        raisedKey(key, 0, 0, key.logicalWidth(), key.logicalHeight());
    return key;
}

} // namespace

Canvas okKey(int size, bool pressed, int dpi)
{
    Canvas art(size, size, Colour::Transparent, dpi);
    drawTick(art, 0, 0, size);
    return keyFace(art, pressed);
}

Canvas noKey(int size, bool pressed, int dpi)
{
    Canvas art(size, size, Colour::Transparent, dpi);
    drawCross(art, 0, 0, size);
    return keyFace(art, pressed);
}

Canvas functionKey(int number, bool pressed, int dpi)
{
    return keyFace(functionKeyArt(number, functionKeySize, dpi), pressed);
}

} // namespace bitmaps
