#include "ui/Contrast.h"

SurfaceColours ClassicColours() {
    const Colour lightGrey = MakeColour(192, 192, 192), darkGrey = MakeColour(128, 128, 128);
    const Colour white = MakeColour(255, 255, 255), black = MakeColour(0, 0, 0);
    return {lightGrey, white, darkGrey, MakeColour(0, 0, 255), true, white, darkGrey, darkGrey, black, black, white, black};
}

SurfaceColours SurfaceColoursFor(bool highContrast, const SystemColours& system) {
    if (!highContrast) return ClassicColours();
    return {system.buttonFace, system.buttonHighlight, system.buttonShadow, system.buttonText, false,
            system.buttonText, system.buttonText, system.buttonShadow, system.buttonText, system.buttonText,
            system.buttonFace, system.buttonText};
}
