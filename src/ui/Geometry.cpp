#include "ui/Geometry.h"

void CentreRect(Rect& rect, int screenWidth, int screenHeight) {
    int dx = (screenWidth + rect.left - rect.right) / 2;
    int dy = (screenHeight + rect.top - rect.bottom) / 2;
    rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

Rect StatusRectFor(const Rect& client) {
    return {client.left + 1, client.bottom - 19, client.right - 1, client.bottom};
}
