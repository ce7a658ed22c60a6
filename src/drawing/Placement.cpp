#include "drawing/Placement.h"

Point MetafileWindowOrigin(int viewportX, int viewportY, int anchorX, int anchorY) {
    return {-(DrawingExtentX / viewportX) * anchorX, (-DrawingExtentY / viewportY) * anchorY};
}

Point PanelAnchor(int clientWidth, int clientHeight) {
    int hw = clientWidth / 2;
    int hh = clientHeight / 2;
    return {hw + (3 * hw) / 100, hh - (5 * hh) / 100};
}

Point NotesAnchor(int clientWidth, int clientHeight) { return {clientWidth / 2, clientHeight / 2}; }
