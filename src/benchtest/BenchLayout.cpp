#include "benchtest/BenchLayout.h"

#include <algorithm>

#include "drawing/Placement.h"
#include "framework/DpiScale.h"

namespace {
constexpr int EnvelopeWidth = 3800;
constexpr int EnvelopeHeight = 8800;
}  // namespace

BenchLayout LayoutBench(int clientWidth, int buttonsTop, int dpi) {
    const int margin = ScaleForDpi(10, dpi);
    const int drawingWidth = clientWidth / 5;
    const int bottom = buttonsTop - margin;
    BenchLayout layout;
    layout.startDrawing = {margin, margin, margin + drawingWidth, bottom};
    layout.endDrawing = {clientWidth - margin - drawingWidth, margin, clientWidth - margin, bottom};
    layout.step = {layout.startDrawing.right + 2 * margin, margin, layout.endDrawing.left - 2 * margin, bottom};
    return layout;
}

DrawingFit FitConnectorDrawing(const BenchBox& box) {
    // A whole number of drawing units per pixel, so that the window origin the metafile is played
    // with (MetafileWindowOrigin) puts the drawing's (0, 0) on the anchor.
    auto unitsFor = [](int units, int pixels) { return (units + std::max(1, pixels) - 1) / std::max(1, pixels); };
    const int perPixel = std::max({1, unitsFor(EnvelopeWidth, box.width()), unitsFor(EnvelopeHeight, box.height())});
    DrawingFit fit;
    fit.viewportX = DrawingExtentX / perPixel;
    fit.viewportY = -(DrawingExtentY / perPixel);
    fit.anchorX = (box.left + box.right) / 2;
    fit.anchorY = (box.top + box.bottom) / 2;
    return fit;
}

// As GDI maps a point: from the window origin, scaled by viewport over window extent.
int DrawingFit::pixelX(int x) const {
    const Point origin = MetafileWindowOrigin(viewportX, viewportY, anchorX, anchorY);
    return (x - origin.x) * viewportX / DrawingExtentX;
}

int DrawingFit::pixelY(int y) const {
    const Point origin = MetafileWindowOrigin(viewportX, viewportY, anchorX, anchorY);
    return (y - origin.y) * viewportY / DrawingExtentY;
}
