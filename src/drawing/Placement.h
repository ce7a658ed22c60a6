#pragma once
// Where a metafile drawing lands: drawing units (20800 x 15600 per viewport extent) onto pixels,
// the drawing's (0, 0) at an anchor. Integer arithmetic, truncating divisions.

constexpr int DrawingExtentX = 20800;
constexpr int DrawingExtentY = 15600;

struct Point {
    int x, y;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

// The window origin that puts the drawing's (0, 0) at the anchor, using the truncated quotients
// of the extents (so a scale that does not divide them evenly lands a little nearer the origin).
Point MetafileWindowOrigin(int viewportX, int viewportY, int anchorX, int anchorY);

// A panel's anchor: 3 % of the half width right of the centre, 5 % of the half height above it.
Point PanelAnchor(int clientWidth, int clientHeight);

// The notes dialog's anchor: the centre of its client area.
Point NotesAnchor(int clientWidth, int clientHeight);

// The dialog scale: exactly 26 drawing units per pixel.
constexpr int DialogScaleX = 800;
constexpr int DialogScaleY = -600;
