#pragma once
// Tiny proportional bitmap fonts drawn from hand-made glyph tables.
// Each glyph is a list of rows, '#' for ink; rows below the baseline are descenders.
#include "Canvas.h"

#include <string>
#include <vector>

namespace bitmaps {

struct Glyph {
    char character;
    std::vector<std::string> rows;
};

class PixelFont {
public:
    PixelFont(std::vector<Glyph> glyphs, int capHeight);

    // Capitals only, 3 pixels wide and 5 high: key names and captions.
    static const PixelFont& small();
    // Upper and lower case, 5 pixels wide and 7 high, with descenders.
    static const PixelFont& regular();

    int capHeight() const { return height; }
    bool has(char character) const;
    // Width in pixels of a run of text; scale magnifies, bold widens each stroke.
    int textWidth(const std::string& text, int scale = 1, int bold = 0) const;
    // Draws text with its top-left corner (the top of the capitals) at x, y.
    void draw(Canvas& canvas, int x, int y, const std::string& text, Colour colour,
              int scale = 1, int bold = 0) const;

private:
    const Glyph& glyph(char character) const;

    std::vector<Glyph> glyphs;
    int height;
};

// Draws text centred on a column.
void drawCentredText(Canvas& canvas, const PixelFont& font, int centreX, int y,
                     const std::string& text, Colour colour, int scale = 1, int bold = 0);

} // namespace bitmaps
