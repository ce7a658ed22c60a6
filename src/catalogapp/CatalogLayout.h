#pragma once
// Where the catalog window puts its parts, and the scale its drawings are shown at. Integer
// arithmetic, truncating divisions. No windows.h here.

#include "ui/Geometry.h"
#include "drawing/Placement.h"

struct CatalogLayout {
    Rect connectorList;    // the grouped list of connectors, down the left side
    Rect findBox;          // the find box, right of the list's caption
    Rect connectorPanel;   // the connector drawing
    Rect pinoutPanel;      // the pinout drawing, beside it
    Rect pinoutList;       // the connector's pinouts, under the drawings
    Rect cableList;        // the cables using the connector with that pinout, beside them
    Rect status;           // the status line
    Scale drawingScale;    // the viewport extent of both drawings (CatalogPanelScale)
    // Where the captions stand: above each list and each drawing.
    Point connectorsCaption, connectorCaption, pinoutCaption, pinoutsCaption, cablesCaption;
};

// The distances are fixed at 96 DPI and scaled to the window's `dpi` (ScaleForDpi).
CatalogLayout CatalogLayoutFor(const Rect& client, int dpi = 96);

// The viewport extent of a drawing shown in a panel of this size: a whole number of drawing units
// per pixel, the same across and down, enough to show 5000 x 9400 units (a drawing's envelope
// with room for the anchor's offset).
Scale CatalogPanelScale(int panelWidth, int panelHeight);
