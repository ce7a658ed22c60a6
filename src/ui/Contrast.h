#pragma once
// The colours of the program's own surfaces: the grey surface and its edges, the status line and
// the path line, the drawing frames. While high contrast is on they are the system's colours, and
// the embossed texts lose their shadow layers; the drawings themselves stay black on white, as a
// printed page. No windows.h here: colours are 0x00BBGGRR, as COLORREF.

#include <cstdint>

using Colour = std::uint32_t;

constexpr Colour MakeColour(int r, int g, int b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

// The system colours the surfaces take under high contrast.
struct SystemColours {
    Colour buttonFace = 0;       // COLOR_BTNFACE
    Colour buttonHighlight = 0;  // COLOR_BTNHIGHLIGHT
    Colour buttonShadow = 0;     // COLOR_BTNSHADOW
    Colour buttonText = 0;       // COLOR_BTNTEXT
};

struct SurfaceColours {
    Colour surface;
    Colour lightEdge;   // the surface's top and left edge line
    Colour darkEdge;    // its bottom and right edge line
    Colour text;        // the status line's and the path line's text, on top
    bool embossed;      // the text has a light and a dark layer under it
    Colour textLight;   // those layers
    Colour textDark;
    Colour frameOuter;  // a drawing frame's outer line (left and top)
    Colour frameInner;  // its inner outline
    Colour plainText;   // a label on the surface ("category path:")
    Colour card;        // a card of large text read from afar (the bench test's step)
    Colour cardText;    // its letters
    bool operator==(const SurfaceColours& o) const {
        return surface == o.surface && lightEdge == o.lightEdge && darkEdge == o.darkEdge && text == o.text &&
               embossed == o.embossed && textLight == o.textLight && textDark == o.textDark &&
               frameOuter == o.frameOuter && frameInner == o.frameInner && plainText == o.plainText &&
               card == o.card && cardText == o.cardText;
    }
};

// The program's own look: light grey, white and dark grey edges, blue embossed text, dark grey
// and black frames, black letters on a white card.
SurfaceColours ClassicColours();

SurfaceColours SurfaceColoursFor(bool highContrast, const SystemColours& system);
