#include "PixelFont.h"

#include <stdexcept>
#include <utility>

namespace bitmaps {

std::vector<Glyph> smallGlyphs();
std::vector<Glyph> regularGlyphs();

PixelFont::PixelFont(std::vector<Glyph> glyphs, int capHeight)
    : glyphs(std::move(glyphs)), height(capHeight)
{
}

const PixelFont& PixelFont::small()
{
    static const PixelFont font(smallGlyphs(), 5);
    return font;
}

const PixelFont& PixelFont::regular()
{
    static const PixelFont font(regularGlyphs(), 7);
    return font;
}

bool PixelFont::has(char character) const
{
    for (const Glyph& g : glyphs)
        if (g.character == character)
            return true;
    return false;
}

const Glyph& PixelFont::glyph(char character) const
{
    for (const Glyph& g : glyphs)
        if (g.character == character)
            return g;
    throw std::invalid_argument(std::string("no glyph for '") + character + "'");
}

int PixelFont::textWidth(const std::string& text, int scale, int bold) const
{
    int width = 0;
    for (char c : text)
        width += static_cast<int>(glyph(c).rows.at(0).size()) * scale + bold + scale;
    return text.empty() ? 0 : width - scale; // no gap after the last glyph
}

namespace {

bool ink(const Glyph& g, int column, int row)
{
    if (row < 0 || row >= static_cast<int>(g.rows.size()))
        return false;
    const std::string& line = g.rows[row];
    return column >= 0 && column < static_cast<int>(line.size()) && line[column] == '#';
}

// At large sizes an empty cell between two diagonal neighbours gets the half
// of it that faces them filled, so slanted strokes read as lines, not stairs.
void smoothCell(Canvas& canvas, const Glyph& g, int column, int row, int left, int top, int scale,
                Colour colour)
{
    for (int horizontal : {-1, 1})
        for (int vertical : {-1, 1}) {
            bool side = ink(g, column + horizontal, row);
            bool upright = ink(g, column, row + vertical);
            bool oppositeSide = ink(g, column - horizontal, row);
            bool oppositeUpright = ink(g, column, row - vertical);
            if (!side || !upright || oppositeSide || oppositeUpright)
                continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) {
                    int towardX = horizontal < 0 ? dx : scale - 1 - dx;
                    int towardY = vertical < 0 ? dy : scale - 1 - dy;
                    if (towardX + towardY < scale - 1)
                        canvas.set(left + dx, top + dy, colour);
                }
        }
}

} // namespace

void PixelFont::draw(Canvas& canvas, int x, int y, const std::string& text, Colour colour,
                     int scale, int bold) const
{
    const int smoothFrom = 4;
    for (char c : text) {
        const Glyph& g = glyph(c);
        for (int row = 0; row < static_cast<int>(g.rows.size()); ++row)
            for (int column = 0; column < static_cast<int>(g.rows[row].size()); ++column) {
                int left = x + column * scale, top = y + row * scale;
                if (ink(g, column, row))
                    canvas.fillRect(left, top, scale + bold, scale, colour);
                else if (scale >= smoothFrom)
                    smoothCell(canvas, g, column, row, left, top, scale, colour);
            }
        x += static_cast<int>(g.rows.at(0).size()) * scale + bold + scale;
    }
}

void drawCentredText(Canvas& canvas, const PixelFont& font, int centreX, int y,
                     const std::string& text, Colour colour, int scale, int bold)
{
    int width = font.textWidth(text, scale, bold);
    font.draw(canvas, centreX - width / 2, y, text, colour, scale, bold);
}

} // namespace bitmaps
