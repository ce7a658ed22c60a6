#include "catalogapp/CatalogLayout.h"

#include "framework/DpiScale.h"

namespace {
// At 96 DPI.
constexpr int MarginAt96 = 8;
constexpr int CaptionHeightAt96 = 18;
constexpr int ListWidth = 210;
constexpr int FindBoxLeft = 80;  // room for the caption "Connectors"

int unitsPerPixel(int units, int pixels) { return pixels > 0 ? (units + pixels - 1) / pixels : units; }
}  // namespace

CatalogLayout CatalogLayoutFor(const Rect& c, int dpi) {
    auto at = [dpi](int pixels) { return ScaleForDpi(pixels, dpi); };
    const int Margin = at(MarginAt96), CaptionHeight = at(CaptionHeightAt96);
    CatalogLayout layout;
    layout.status = StatusRectFor(c, dpi);
    const int top = c.top + Margin + CaptionHeight;
    const int bottom = layout.status.top - at(6);
    layout.connectorList = {c.left + Margin, top, c.left + Margin + at(ListWidth), bottom};
    layout.findBox = {layout.connectorList.left + at(FindBoxLeft), c.top + at(4), layout.connectorList.right,
                      top - at(3)};

    const int left = layout.connectorList.right + Margin;
    const int right = c.right - Margin;
    const int panelWidth = (right - left - Margin) / 2;
    const int panelBottom = top + (bottom - top) * 3 / 5;
    layout.connectorPanel = {left, top, left + panelWidth, panelBottom};
    layout.pinoutPanel = {right - panelWidth, top, right, panelBottom};
    layout.drawingScale = CatalogPanelScale(panelWidth, panelBottom - top);

    const int lowerTop = panelBottom + Margin + CaptionHeight;
    const int split = left + (right - left) / 3;
    layout.pinoutList = {left, lowerTop, split - Margin / 2, bottom};
    layout.cableList = {split + Margin / 2, lowerTop, right, bottom};

    const int captionUp = CaptionHeight - at(1);
    layout.connectorsCaption = {layout.connectorList.left, top - captionUp};
    layout.connectorCaption = {layout.connectorPanel.left, top - captionUp};
    layout.pinoutCaption = {layout.pinoutPanel.left, top - captionUp};
    layout.pinoutsCaption = {layout.pinoutList.left, lowerTop - captionUp};
    layout.cablesCaption = {layout.cableList.left, lowerTop - captionUp};
    return layout;
}

Scale CatalogPanelScale(int panelWidth, int panelHeight) {
    int units = unitsPerPixel(5000, panelWidth);
    int down = unitsPerPixel(9400, panelHeight);
    if (down > units) units = down;
    if (units < 1) units = 1;
    return {DrawingExtentX / units, -(DrawingExtentY / units)};
}
