// Every drawing the DATA generator wrote, played the way the program plays it: it loads, leaves
// the DC's objects and mapping as they were, and paints only inside its envelope.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GuiHarness.h"
#include "TestDrawings.h"
#include "drawing/DrawMetafile.h"
#include "drawing/MetafileCheck.h"
#include "drawing/Placement.h"
#include "framework/Dc.h"

namespace {
std::string dataFolder() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\')) + "\\DATA";
}

struct Envelope {
    int left, top, right, bottom;  // drawing units, y up: top > bottom
};

struct DcState {
    HGDIOBJ pen, brush, font;
    int mapMode;
    POINT windowOrg, viewportOrg;
    SIZE windowExt, viewportExt;
    bool operator==(const DcState& o) const {
        return pen == o.pen && brush == o.brush && font == o.font && mapMode == o.mapMode &&
               windowOrg.x == o.windowOrg.x && windowOrg.y == o.windowOrg.y && viewportOrg.x == o.viewportOrg.x &&
               viewportOrg.y == o.viewportOrg.y && windowExt.cx == o.windowExt.cx && windowExt.cy == o.windowExt.cy &&
               viewportExt.cx == o.viewportExt.cx && viewportExt.cy == o.viewportExt.cy;
    }
};

DcState stateOf(HDC dc) {
    DcState s{};
    s.pen = ::GetCurrentObject(dc, OBJ_PEN);
    s.brush = ::GetCurrentObject(dc, OBJ_BRUSH);
    s.font = ::GetCurrentObject(dc, OBJ_FONT);
    s.mapMode = ::GetMapMode(dc);
    ::GetWindowOrgEx(dc, &s.windowOrg);
    ::GetViewportOrgEx(dc, &s.viewportOrg);
    ::GetWindowExtEx(dc, &s.windowExt);
    ::GetViewportExtEx(dc, &s.viewportExt);
    return s;
}

// Plays one file on a white surface of the given size with the program's placement and checks it.
void checkDrawing(const std::string& path, int width, int height, int scaleX, int scaleY, Point anchor,
                  const Envelope& envelope, const Envelope* keepClear = nullptr) {
    SCOPED_TRACE(path + " on " + std::to_string(width) + " x " + std::to_string(height));
    ASSERT_TRUE(IsPlayableMetafile(path.c_str()));

    POINT corners[2] = {{envelope.left, envelope.top}, {envelope.right, envelope.bottom}};
    POINT clear[2] = {{0, 0}, {-1, -1}};
    Pixels pixels = Pixels::Drawn(width, height, [&](HDC dc) {
        RECT all = {0, 0, width, height};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        Point origin = MetafileWindowOrigin(scaleX, scaleY, anchor.x, anchor.y);
        ::SetMapMode(dc, MM_ANISOTROPIC);
        ::SetWindowExtEx(dc, DrawingExtentX, DrawingExtentY, nullptr);
        ::SetViewportExtEx(dc, scaleX, scaleY, nullptr);
        ::SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
        DcState before = stateOf(dc);
        CDC borrowed = CDC::FromHandle(dc);
        EXPECT_TRUE(PlayCheckedMetafile(borrowed, path.c_str()));
        EXPECT_TRUE(stateOf(dc) == before) << "playing changed the DC's objects or mapping";
        ::LPtoDP(dc, corners, 2);
        if (keepClear) {
            clear[0] = {keepClear->left, keepClear->top};
            clear[1] = {keepClear->right, keepClear->bottom};
            ::LPtoDP(dc, clear, 2);
        }
    });

    int inked = 0, outside = 0, inCorner = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixels.at(x, y) == RGB(255, 255, 255)) continue;
            ++inked;
            // One pixel of slack for pens and the rounding of the mapping.
            if (x < corners[0].x - 1 || x > corners[1].x + 1 || y < corners[0].y - 1 || y > corners[1].y + 1) ++outside;
            if (x > clear[0].x + 1 && x <= clear[1].x && y > clear[0].y + 1 && y <= clear[1].y) ++inCorner;
        }
    }
    EXPECT_GT(inked, 50) << "the drawing paints nothing";
    EXPECT_EQ(outside, 0) << "pixels outside the envelope";
    EXPECT_EQ(inCorner, 0) << "pixels in the corner that must stay clear";
}

const Envelope PartEnvelope = {-1900, 4400, 1900, -4400};
const Envelope NotesEnvelope = {-4800, 4000, 4800, -4000};
const Envelope LogoEnvelope = {-5000, 1500, 5000, -1500};
}  // namespace

TEST(GeneratedDrawings, ConnectorPinoutAndCircuitDrawingsFitPanelsAndTheDialogScale) {
    int files = 0;
    for (const char* folder : {"\\PLUG", "\\PINOUTS", "\\CABLE"}) {
        for (const std::string& path : FilesIn(dataFolder() + folder)) {
            ++files;
            checkDrawing(path, 190, 400, 768, -576, PanelAnchor(190, 400), PartEnvelope);
            checkDrawing(path, 400, 500, DialogScaleX, DialogScaleY, Point{200, 250}, PartEnvelope);
        }
    }
    EXPECT_GE(files, 34 + 30 + 78) << "the generated DATA folder is incomplete";
}

TEST(GeneratedDrawings, NotesFitTheNotesDialogAndKeepItsButtonCornerClear) {
    int files = 0;
    for (const std::string& path : FilesIn(dataFolder() + "\\NOTES")) {
        ++files;
        // The notes dialog's OK button stands right of x 3500 and below y -3000.
        Envelope buttonCorner = {3500, -3000, 4800, -4000};
        checkDrawing(path, 460, 360, DialogScaleX, DialogScaleY, NotesAnchor(460, 360), NotesEnvelope, &buttonCorner);
    }
    EXPECT_GE(files, 78);
}

TEST(GeneratedDrawings, PrintLogoFitsItsEnvelope) {
    checkDrawing(dataFolder() + "\\MISC\\SD_PRINT.LGO", 460, 200, DialogScaleX, DialogScaleY, Point{230, 100},
                 LogoEnvelope);
}
