#include "drawing/DrawMetafile.h"

#include "drawing/MetafileCheck.h"
#include "drawing/Placement.h"
#include "framework/Dc.h"
#include "framework/GdiObjects.h"

void DrawMetafile(CDC& dc, const char* path, int viewportX, int viewportY, int anchorX, int anchorY) {
    if (viewportX == 0 || viewportY == 0) return;
    // Anything that is not a sound metafile is left undrawn rather than handed to the player.
    if (!IsPlayableMetafile(path)) return;
    MetafileHandle metafile(path);
    Point origin = MetafileWindowOrigin(viewportX, viewportY, anchorX, anchorY);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(DrawingExtentX, DrawingExtentY);
    dc.SetViewportExt(viewportX, viewportY);
    dc.SetWindowOrg(origin.x, origin.y);
    if (metafile) dc.PlayMetaFile(metafile.get());
}
