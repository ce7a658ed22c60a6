#include "Keys.h"

#include "Bevel.h"
#include "FunctionKeyArt.h"
#include "Symbols.h"

namespace bitmaps {

namespace {

Canvas keyFace(const Canvas& art, bool pressed)
{
    Canvas key(art.width(), art.height(), Colour::LightGrey);
    int shift = pressed ? 1 : 0;
    key.blit(art, shift, shift);
    if (pressed)
        pressedKey(key, 0, 0, key.width(), key.height());
    else
        raisedKey(key, 0, 0, key.width(), key.height());
    return key;
}

} // namespace

Canvas okKey(int size, bool pressed)
{
    Canvas art(size, size, Colour::Transparent);
    drawTick(art, 0, 0, size);
    return keyFace(art, pressed);
}

Canvas noKey(int size, bool pressed)
{
    Canvas art(size, size, Colour::Transparent);
    drawCross(art, 0, 0, size);
    return keyFace(art, pressed);
}

Canvas functionKey(int number, bool pressed)
{
    return keyFace(functionKeyArt(number, functionKeySize), pressed);
}

} // namespace bitmaps
