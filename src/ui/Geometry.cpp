#include "ui/Geometry.h"

#include "framework/DpiScale.h"

void CentreRect(Rect& rect, int screenWidth, int screenHeight) {
    int dx = (screenWidth + rect.left - rect.right) / 2;
    int dy = (screenHeight + rect.top - rect.bottom) / 2;
    rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

Rect ScaleRect(const Rect& r, int dpi) {
    return {ScaleForDpi(r.left, dpi), ScaleForDpi(r.top, dpi), ScaleForDpi(r.right, dpi), ScaleForDpi(r.bottom, dpi)};
}

Rect StatusRectFor(const Rect& client, int dpi) {
    const int edge = ScaleForDpi(1, dpi);
    return {client.left + edge, client.bottom - ScaleForDpi(19, dpi), client.right - edge, client.bottom};
}
