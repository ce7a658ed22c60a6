#pragma once
// The sixteen colours every picture is drawn with, in the order of the standard
// 16-colour Windows palette, so a Colour is also the pixel's palette index.
#include <array>
#include <cstdint>

namespace bitmaps {

enum class Colour : std::uint8_t {
    Black, DarkRed, DarkGreen, Olive, DarkBlue, DarkMagenta, DarkCyan, LightGrey,
    DarkGrey, Red, Green, Yellow, Blue, Magenta, Cyan, White,
    Transparent // not a palette entry: only icons use it, for their AND mask
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr int paletteSize = 16;

inline const std::array<Rgb, paletteSize>& windowsPalette()
{
    static const std::array<Rgb, paletteSize> colours{{
        {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
        {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
        {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    }};
    return colours;
}

} // namespace bitmaps
