#include "GuiHarness.h"
#include "TestDrawings.h"

#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "cables/CableTable.h"
#include "drawing/DrawingPanel.h"
#include "drawing/Placement.h"
#include "framework/GdiObjects.h"
#include "resource.h"

namespace {
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF DarkGrey = RGB(128, 128, 128);
constexpr COLORREF Red = RGB(255, 0, 0);

// The pixel GDI maps drawing point (0, 0) to, with the panel's window origin.
double landingX(Scale scale, Point anchor) {
    Point origin = MetafileWindowOrigin(scale.x, scale.y, anchor.x, anchor.y);
    return -origin.x * static_cast<double>(scale.x) / DrawingExtentX;
}
double landingY(Scale scale, Point anchor) {
    Point origin = MetafileWindowOrigin(scale.x, scale.y, anchor.x, anchor.y);
    return -origin.y * static_cast<double>(scale.y) / DrawingExtentY;
}

// The top-left corner of the red area: its leftmost column and its highest row.
POINT redCorner(const Pixels& pixels) {
    POINT corner = {-1, -1};
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.at(x, y) == Red) {
                if (corner.x < 0 || x < corner.x) corner.x = x;
                if (corner.y < 0 || y < corner.y) corner.y = y;
            }
    return corner;
}

class DrawingPanelTest : public ProgramTest {
protected:
    void SetUp() override {
        MakeDataFolders();
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
    }
    void sizePanel(const DrawingPanel& panel, int w, int h) {
        ::SetWindowPos(panel.GetSafeHwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
        PumpUntilIdle();
    }
};
}  // namespace

TEST_F(DrawingPanelTest, StartsWithTheZeroDrawingsAndTheirHints) {
    EXPECT_EQ(view().startPanel.firstPath, "DATA\\PLUG\\PLUG.000");
    EXPECT_EQ(view().diagramPanel.firstPath, "DATA\\CABLE\\CABLE.000");
    EXPECT_EQ(view().endPanel.secondPath, "DATA\\PLUG\\PLUG.000");
    EXPECT_EQ(view().startPanel.panelId, 4);
    EXPECT_EQ(view().endPanel.panelId, 5);
    EXPECT_EQ(view().diagramPanel.panelId, 6);
    EXPECT_EQ(view().diagramPanel.hintText, "Circuit diagram. Doubleclick or press F8 for notes.");
    EXPECT_EQ(::GetClassLongA(view().startPanel.GetSafeHwnd(), GCL_STYLE) & (CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW),
              CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ(::GetClassLongPtrA(view().startPanel.GetSafeHwnd(), GCLP_HBRBACKGROUND), 0);
    char name[32];
    ::GetWindowTextA(view().diagramPanel.GetSafeHwnd(), name, sizeof name);
    EXPECT_STREQ(name, "Cable");
}

TEST_F(DrawingPanelTest, DrawingOriginLandsWhereTheScaleSays) {
    // Right of and below the drawing's (0, 0): its top-left corner on screen is the mark.
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.000", 0, 0, 2600, -2600, Red);
    sizePanel(view().startPanel, 190, 400);
    Point anchor = PanelAnchor(190, 400);
    ASSERT_EQ(anchor, (Point{97, 190}));

    ASSERT_EQ(view().PanelScale, (Scale{768, -576}));
    POINT corner = redCorner(Pixels::OfClient(view().startPanel.GetSafeHwnd()));
    EXPECT_NEAR(corner.x, landingX(view().PanelScale, anchor), 1.0);
    EXPECT_NEAR(corner.y, landingY(view().PanelScale, anchor), 1.0);

    MainFrameProbe::PanelScale(frame()) = {800, -600};  // 26 units a pixel: lands exactly on the anchor
    corner = redCorner(Pixels::OfClient(view().startPanel.GetSafeHwnd()));
    EXPECT_NEAR(corner.x, 97, 1.0);
    EXPECT_NEAR(corner.y, 190, 1.0);

    // After a resize to 800 x 600 the truncated quotient 21 pulls (0, 0) to about (94, 184).
    ::SetWindowPos(mainWindow(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    PumpUntilIdle();
    ASSERT_EQ(view().PanelScale, (Scale{960, -720}));
    sizePanel(view().startPanel, 190, 400);
    corner = redCorner(Pixels::OfClient(view().startPanel.GetSafeHwnd()));
    EXPECT_NEAR(corner.x, 94, 1.0);
    EXPECT_NEAR(corner.y, 184, 1.0);
    EXPECT_LT(corner.x, 96) << "not at the anchor";
}

TEST_F(DrawingPanelTest, MissingDrawingLeavesWhiteInsideTheFrame) {
    ::DeleteFileA("DATA\\PLUG\\PLUG.000");
    sizePanel(view().startPanel, 190, 400);
    Pixels pixels = Pixels::OfClient(view().startPanel.GetSafeHwnd());
    for (int y = 0; y < 400; y += 37) EXPECT_EQ(pixels.at(0, y), DarkGrey) << "left column at y " << y;
    for (int x = 0; x < 190; x += 17) EXPECT_EQ(pixels.at(x, 0), DarkGrey) << "top row at x " << x;
    for (int y = 1; y <= 398; y += 33) {
        EXPECT_EQ(pixels.at(1, y), Black) << "outline left at y " << y;
        EXPECT_EQ(pixels.at(188, y), Black) << "outline right at y " << y;
    }
    for (int x = 1; x <= 188; x += 17) {
        EXPECT_EQ(pixels.at(x, 1), Black);
        EXPECT_EQ(pixels.at(x, 398), Black);
    }
    EXPECT_EQ(pixels.at(189, 399), White);
    EXPECT_EQ(pixels.at(189, 200), White);
    EXPECT_EQ(pixels.at(100, 399), White);
    EXPECT_EQ(pixels.countOf(White, RECT{2, 2, 188, 398}), 186 * 396);
}

TEST_F(DrawingPanelTest, ChangedFileShowsAtTheNextRepaintAndToggleTwiceReturns) {
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.000", -500, 500, 500, -500, Red);
    WriteRectangleDrawing("DATA\\PINOUTS\\PINOUTS.000", -500, 500, 500, -500, RGB(0, 0, 255));
    HWND panel = view().startPanel.GetSafeHwnd();
    EXPECT_GT(Pixels::OfClient(panel).countOf(Red, RECT{0, 0, 190, 400}), 100);

    WriteRectangleDrawing("DATA\\PLUG\\PLUG.000", -500, 500, 500, -500, RGB(0, 128, 0));
    EXPECT_EQ(Pixels::OfClient(panel).countOf(Red, RECT{0, 0, 190, 400}), 0) << "the old drawing stayed";

    frame().ShowCable(0);  // the welcome cable's pinouts, DATA\PINOUTS\PINOUTS.000
    ::SendMessageA(mainWindow(), WM_COMMAND, 506, 0);  // F6
    EXPECT_EQ(view().startPanel.showFirst, 0);
    EXPECT_GT(Pixels::OfScreen(panel).countOf(RGB(0, 0, 255), RECT{0, 0, 190, 300}), 100) << "pinouts on screen";
    EXPECT_EQ(view().endPanel.showFirst, 1) << "F6 leaves the end panel alone";
    ::SendMessageA(mainWindow(), WM_COMMAND, 506, 0);
    EXPECT_EQ(view().startPanel.showFirst, 1);
    EXPECT_GT(Pixels::OfScreen(panel).countOf(RGB(0, 128, 0), RECT{0, 0, 190, 300}), 100);
}

TEST_F(DrawingPanelTest, HintIsSetOnceAndFurtherMovesRepaintNoStatusLine) {
    HWND panel = view().diagramPanel.GetSafeHwnd();
    ::SendMessageA(panel, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(view().CurrentHintId, 6);
    EXPECT_EQ(view().StatusText, "Circuit diagram. Doubleclick or press F8 for notes.");
    MainFrameProbe::StatusText(frame()) = "marker";  // a repeated hint from the same panel must not rewrite the line
    ::SendMessageA(panel, WM_MOUSEMOVE, 0, MAKELPARAM(50, 60));
    EXPECT_EQ(view().StatusText, "marker");
}

TEST_F(DrawingPanelTest, DoubleClicksToggleConnectorsAndOpenNotesForTheDiagram) {
    ::SendMessageA(view().startPanel.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ::SendMessageA(view().startPanel.GetSafeHwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(view().startPanel.showFirst, 0);
    ::SendMessageA(view().endPanel.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ::SendMessageA(view().endPanel.GetSafeHwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(view().endPanel.showFirst, 0);

    frame().ShowCable(57);
    HWND owner = nullptr;
    int notesNumber = -1;
    DialogWaiter notes([&](HWND dialog) {
        owner = ::GetWindow(dialog, GW_OWNER);
        notesNumber = NotesNumberOf(dialog);
        PressButton(dialog, IDOK);
    });
    ::SendMessageA(view().diagramPanel.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ::PostMessageA(view().diagramPanel.GetSafeHwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
    PumpUntilIdle(150);
    ASSERT_TRUE(notes.seen());
    EXPECT_EQ(notes.dialog().caption, "Strandor! - Cable Notes");
    EXPECT_EQ(owner, mainWindow()) << "the panel's top-level window owns the notes";
    EXPECT_EQ(view().diagramPanel.showFirst, 1) << "the diagram never toggles";
    EXPECT_EQ(notesNumber, 57);
}

TEST_F(DrawingPanelTest, ThousandRepaintsAndTogglesLeaveNoGdiObjectBehind) {
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.000", -500, 500, 500, -500, Red);
    ::UpdateWindow(view().startPanel.GetSafeHwnd());
    long before = LiveGdiObjects();
    for (int i = 0; i < 1000; ++i) {
        ::SendMessageA(mainWindow(), WM_COMMAND, ID_START_PINOUTS, 0);
        ::RedrawWindow(view().diagramPanel.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    PumpUntilIdle();
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(DrawingPanelTest, DamagedFilesLeaveThePanelWhiteAndTheProgramRunning) {
    std::string valid;
    WriteRectangleDrawing("DATA\\CABLE\\CABLE.000", -500, 500, 500, -500, Red);
    valid = ReadBytes("DATA\\CABLE\\CABLE.000");
    ASSERT_GT(valid.size(), 30u);
    const std::string cases[] = {
        "garbage: this is no metafile at all, just words and \x01\x02\x03",
        "",
        valid.substr(0, valid.size() - 10),  // truncated
        std::string(20 * 1024 * 1024, '\x55'),
    };
    HWND panel = view().diagramPanel.GetSafeHwnd();
    for (const std::string& bytes : cases) {
        WriteBytes("DATA\\CABLE\\CABLE.000", bytes);
        ::RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pixels pixels = Pixels::OfClient(panel);
        EXPECT_EQ(pixels.countOf(Red, RECT{0, 0, pixels.width(), pixels.height()}), 0) << "size " << bytes.size();
        EXPECT_EQ(pixels.at(pixels.width() / 2, pixels.height() / 2), White);
        EXPECT_TRUE(::IsWindow(mainWindow()));
    }
    ::DeleteFileA("DATA\\CABLE\\CABLE.000");
}
