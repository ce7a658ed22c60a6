#include "drawing/DrawMetafile.h"

#include "drawing/MetafileCheck.h"
#include "drawing/Placement.h"
#include "framework/Dc.h"
#include "framework/GdiObjects.h"

bool PlayCheckedMetafile(CDC& dc, const char* path) {
    const std::vector<std::uint8_t> bytes = ReadMetafileBytes(path);
    // Anything that is not a sound metafile is left unplayed rather than handed to the player.
    if (!IsSoundMetafile(bytes.data(), bytes.size())) return false;
    MetafileHandle metafile(bytes.data(), bytes.size());
    return metafile && dc.PlayMetaFile(metafile.get());
}

void DrawMetafile(CDC& dc, const char* path, int viewportX, int viewportY, int anchorX, int anchorY) {
    if (viewportX == 0 || viewportY == 0) return;
    Point origin = MetafileWindowOrigin(viewportX, viewportY, anchorX, anchorY);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(DrawingExtentX, DrawingExtentY);
    dc.SetViewportExt(viewportX, viewportY);
    dc.SetWindowOrg(origin.x, origin.y);
    PlayCheckedMetafile(dc, path);
}
