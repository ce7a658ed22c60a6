#include "Icon.h"

#include <cmath>
#include <vector>

namespace bitmaps {

namespace {

// Coordinates are laid out on a 32-pixel grid and shrunk for the small icon.
struct Grid {
    int size;
    int operator()(double value) const
    {
        return static_cast<int>(std::lround(value * size / 32.0));
    }
};

} // namespace

Canvas programIcon(int size)
{
    Canvas icon(size, size, Colour::Transparent);
    Grid g{size};

    // The red cable leaving the hood and curling away to the lower right.
    Point start{g(16), g(20)}, bend1{g(16), g(27)}, bend2{g(21), g(28)}, end{g(23), g(33)};
    int radius = size >= 32 ? 2 : 1;
    icon.curve(start, bend1, bend2, end, radius, Colour::Black);
    icon.curve(start, bend1, bend2, end, radius - 1, Colour::Red);

    // The metal shell of the connector at the top.
    icon.fillRect(g(9), g(1), g(14), g(10), Colour::Black);
    icon.fillRect(g(9) + 1, g(1) + 1, g(14) - 2, g(10) - 1, Colour::White);
    icon.fillRect(g(12), g(2), g(8), 1, Colour::DarkGrey);
    if (size >= 32)
        for (int x = g(12); x <= g(19); x += 2)
            icon.fillRect(x, g(5), 1, g(4), Colour::DarkGrey);

    // The blue hood, narrowing towards the cable, with its two screws.
    std::vector<Point> hood{{g(3), g(10)}, {g(29), g(10)}, {g(22), g(23)}, {g(10), g(23)}};
    icon.fillPolygon(hood, Colour::Black);
    std::vector<Point> inside{{g(3) + 2, g(10) + 1}, {g(29) - 2, g(10) + 1},
                              {g(22) - 1, g(23) - 1}, {g(10) + 1, g(23) - 1}};
    icon.fillPolygon(inside, Colour::Blue);
    icon.fillRect(g(10), g(12), g(12), 1, Colour::Cyan);
    for (int screwX : {g(6), g(26)}) {
        icon.fillRect(screwX - 1, g(11), size >= 32 ? 3 : 2, size >= 32 ? 3 : 2, Colour::Yellow);
    }
    return icon;
}

} // namespace bitmaps
