#include "cables/PathLine.h"

#include "framework/Dc.h"

void DrawPathLine(CDC& dc, int x, int y, const std::string& text) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(x, y, text);
    dc.SetTextColor(RGB(128, 128, 128));
    dc.TextOut(x + 2, y + 2, text);
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(x + 1, y + 1, text);
}
