#include "cables/PathLine.h"

#include "framework/Dc.h"

void DrawPathLine(CDC& dc, int x, int y, const std::string& text, const SurfaceColours& colours) {
    dc.SetBkMode(TRANSPARENT);
    if (colours.embossed) {
        dc.SetTextColor(colours.textLight);
        dc.TextOut(x, y, text);
        dc.SetTextColor(colours.textDark);
        dc.TextOut(x + 2, y + 2, text);
    }
    dc.SetTextColor(colours.text);
    dc.TextOut(x + 1, y + 1, text);
}
