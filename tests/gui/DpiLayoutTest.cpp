// The windows at the screen's DPI. scripts/test runs this group once more in a prefix at 144 and
// one at 192 DPI (the LogPixels registry value); each row says what the windows measure at one
// DPI, worked out by hand from the 96-DPI places. Wine never moves a window to another DPI itself,
// so the tests send WM_DPICHANGED as Windows would.
#include <cstdlib>

#include "ConnectorCatalogFixture.h"
#include "GuiHarness.h"
#include "TestDrawings.h"

#include "app/MainFrame.h"
#include "drawing/Placement.h"
#include "framework/Dpi.h"
#include "resource.h"

namespace {
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

struct DpiRow {
    int dpi;
    const char* bitmapSuffix;
    SIZE mainWindow;
    RECT f1, f5, f10, logo;
    int gap, top, connectorRight, diagramLeft, bottomGap, statusHeight, edge;
    SIZE startWindow;
    RECT noButton, okButton;
    int okBitmap;
    int halfInch;     // 1300 drawing units at the first layout's panel scale
    int notesSquare;  // 1300 drawing units in the notes dialog
    SIZE catalogWindow;
    RECT catalogList;  // left, top and right of the connector list; its bottom follows the window
};

const DpiRow Rows[] = {
    {96, "", {640, 480}, {5, 5, 45, 45}, {201, 5, 241, 45}, {439, 5, 479, 45}, {500, 5, 620, 45},
     10, 50, 200, 220, 20, 19, 1, {402, 302}, {52, 196, 100, 244}, {300, 196, 348, 244}, 47, 48, 50,
     {800, 580}, {8, 26, 218, 0}},
    {144, "_150", {960, 720}, {8, 8, 68, 68}, {302, 8, 362, 68}, {659, 8, 719, 68}, {750, 8, 930, 68},
     15, 75, 300, 330, 30, 29, 2, {603, 453}, {78, 294, 150, 366}, {450, 294, 522, 366}, 71, 72, 75,
     {1200, 870}, {12, 39, 327, 0}},
    {192, "_200", {1280, 960}, {10, 10, 90, 90}, {402, 10, 482, 90}, {878, 10, 958, 90}, {1000, 10, 1240, 90},
     20, 100, 400, 440, 40, 38, 2, {804, 604}, {104, 392, 200, 488}, {600, 392, 696, 488}, 94, 96, 100,
     {1600, 1160}, {16, 52, 436, 0}},
};
constexpr int RowCount = sizeof Rows / sizeof Rows[0];
int rowIndexFor(int dpi) {
    for (int i = 0; i < RowCount; ++i)
        if (Rows[i].dpi == dpi) return i;
    return -1;
}

RECT childRect(HWND parent, HWND child) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT windowRect(HWND window) {
    RECT rect;
    ::GetWindowRect(window, &rect);
    return rect;
}
SIZE windowSize(HWND window) { return {windowRect(window).right - windowRect(window).left,
                                       windowRect(window).bottom - windowRect(window).top}; }

// A bitmap resource by name, or by number with MAKEINTRESOURCEA.
SIZE bitmapSize(const std::string& name, const char* resource = nullptr) {
    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), resource ? resource : name.c_str());
    BITMAP info{};
    if (bitmap) ::GetObjectA(bitmap, sizeof info, &info);
    ::DeleteObject(bitmap);
    return {info.bmWidth, info.bmHeight};
}

// The bounding box of the red pixels.
RECT redBox(const Pixels& pixels) {
    RECT box = {pixels.width(), pixels.height(), -1, -1};
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.at(x, y) == Red) box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                                               std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    return box;
}

std::string text(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}
std::string text(const SIZE& s) { return std::to_string(s.cx) + " x " + std::to_string(s.cy); }
#define EXPECT_RECT(actual, expected) EXPECT_EQ(text(actual), text(expected))

class DpiLayoutTest : public ProgramTest {
protected:
    void SetUp() override {
        MakeDataFolders();
        ProgramTest::SetUp();
        index = rowIndexFor(view().dpi);
        ASSERT_GE(index, 0) << "no row for " << view().dpi << " DPI";
        // scripts/test names the DPI of its extra passes: a prefix that fell back to 96 fails them.
        const char* wanted = std::getenv("STRANDOR_TEST_DPI");
        ASSERT_EQ(view().dpi, wanted ? std::atoi(wanted) : view().dpi);
    }
    const DpiRow& row() const { return Rows[index]; }
    const DpiRow& nextRow() const { return Rows[(index + 1) % RowCount]; }

    // The panels, status strip and hint line of `r` in the main window as it stands now.
    void expectMainLayout(const DpiRow& r, bool firstLayout) {
        RECT c;
        ::GetClientRect(mainWindow(), &c);
        const int bottom = c.bottom - r.bottomGap, third = c.right / 3;
        RECT start = {r.gap, r.top, firstLayout ? r.connectorRight : third - r.gap, bottom};
        RECT diagram = firstLayout ? RECT{r.diagramLeft, r.top, c.right - r.diagramLeft, bottom}
                                   : RECT{third + r.gap, r.top, 2 * third - r.gap, bottom};
        RECT end = firstLayout ? RECT{c.right - r.connectorRight, r.top, c.right - r.gap, bottom}
                               : RECT{2 * third + r.gap, r.top, c.right - r.gap, bottom};
        EXPECT_RECT(view().startPanelRect, start);
        EXPECT_RECT(view().diagramPanelRect, diagram);
        EXPECT_RECT(view().endPanelRect, end);
        EXPECT_RECT(childRect(mainWindow(), view().endPanel.GetSafeHwnd()), end);
        EXPECT_RECT(view().StatusRect, (RECT{r.edge, c.bottom - r.statusHeight, c.right - r.edge, c.bottom}));
        EXPECT_RECT(childRect(mainWindow(), ::GetDlgItem(mainWindow(), ID_FUNCTION_KEYS)), r.f1);
        EXPECT_RECT(childRect(mainWindow(), ::GetDlgItem(mainWindow(), ID_SELECT_CABLE)), r.f5);
        EXPECT_RECT(childRect(mainWindow(), ::GetDlgItem(mainWindow(), ID_CONNECTOR_CATALOG)), r.f10);
        // The hint line: nothing changes exactly on it, the status bar's hint just below it.
        ::SendMessageA(mainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(300, r.top));
        ::SendMessageA(mainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(300, bottom));
        EXPECT_EQ(view().CurrentHintId, 3);
        ::SendMessageA(mainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(300, bottom + 1));
        EXPECT_EQ(view().CurrentHintId, 1);
    }

    // The key bitmaps fill their buttons on the screen: lit top-left corner, black bottom-right.
    void expectKeyFaces(const DpiRow& r) {
        Pixels screen = Pixels::OfScreen(mainWindow());
        for (const RECT& key : {r.f1, r.f5, r.f10}) {
            EXPECT_EQ(ColourName(screen.at(key.left, key.top)), ColourName(White)) << text(key);
            EXPECT_EQ(ColourName(screen.at(key.right - 1, key.bottom - 1)), ColourName(Black)) << text(key);
        }
    }

    int index = -1;
};
}  // namespace

TEST_F(DpiLayoutTest, MainWindowKeysLogoPanelsAndStatusStripAtTheScreensDpi) {
    EXPECT_EQ(text(windowSize(mainWindow())), text(row().mainWindow));
    EXPECT_EQ(windowRect(mainWindow()).left, (::GetSystemMetrics(SM_CXSCREEN) - row().mainWindow.cx) / 2);
    expectMainLayout(row(), true);

    // No bitmap is stretched: each is drawn at its button's size.
    const SIZE key = {row().f1.right - row().f1.left, row().f1.bottom - row().f1.top};
    for (std::string name : {"F1_UP", "F10_DOWN", "OK_UP_2"})  // all three 40 x 40 at 96 DPI
        EXPECT_EQ(text(bitmapSize(name + row().bitmapSuffix)), text(key)) << name;
    // The logo is its bitmap, pixel for pixel, at its place.
    const std::string logoName = std::string("LOGO") + row().bitmapSuffix;
    const char* logoResource = row().dpi == 96 ? MAKEINTRESOURCEA(IDB_LOGO) : logoName.c_str();
    const int w = row().logo.right - row().logo.left, h = row().logo.bottom - row().logo.top;
    EXPECT_EQ(text(bitmapSize("", logoResource)), text(SIZE{w, h}));
    Pixels expected = Pixels::Drawn(w, h, [logoResource, w, h](HDC memory) {
        HDC source = ::CreateCompatibleDC(memory);
        HBITMAP logo = ::LoadBitmapA(::GetModuleHandleA(nullptr), logoResource);
        ::SelectObject(source, logo);
        ::BitBlt(memory, 0, 0, w, h, source, 0, 0, SRCCOPY);
        ::DeleteDC(source);
        ::DeleteObject(logo);
    });
    Pixels client = Pixels::OfClient(mainWindow());
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) differing += client.at(row().logo.left + x, row().logo.top + y) != expected.at(x, y);
    EXPECT_EQ(differing, 0);

    PressKey(startWindow(), VK_RETURN);
    expectKeyFaces(row());
}

TEST_F(DpiLayoutTest, StartWindowAndItsButtonsAtTheScreensDpi) {
    EXPECT_EQ(text(windowSize(startWindow())), text(row().startWindow));
    EXPECT_RECT(childRect(startWindow(), ::GetDlgItem(startWindow(), IDC_START_NO)), row().noButton);
    EXPECT_RECT(childRect(startWindow(), ::GetDlgItem(startWindow(), IDC_START_OK)), row().okButton);
    EXPECT_EQ(bitmapSize(std::string("OK_UP") + row().bitmapSuffix).cx, row().okBitmap);
    Pixels screen = Pixels::OfScreen(startWindow());
    const RECT& ok = row().okButton;
    EXPECT_EQ(ColourName(screen.at(ok.left, ok.top)), ColourName(White));
    EXPECT_EQ(ColourName(screen.at(ok.left + row().okBitmap - 1, ok.top + row().okBitmap - 1)), ColourName(Black));
    EXPECT_GT(screen.countOf(RGB(0, 255, 0), ok), row().okBitmap * row().okBitmap / 20) << "the green tick";
}

// A drawing of 1300 x 1300 units measures half an inch at every DPI: the panel scale grows with
// the window; and so does the notes drawing with the dialog's scale.
TEST_F(DpiLayoutTest, DrawingsTakeTheScaledExtents) {
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.000", 0, 0, 1300, -1300, Red);
    WriteRectangleDrawing("DATA\\NOTES\\NOTES.000", 0, 0, 1300, -1300, Red);
    PressKey(startWindow(), VK_RETURN);
    HWND panel = view().startPanel.GetSafeHwnd();
    RECT client;
    ::GetClientRect(panel, &client);
    Pixels pixels = Pixels::OfClient(panel);
    RECT box = redBox(pixels);
    // The frame's lines are as wide as the status strip's edge: dark grey, black, then the ground.
    const int e = row().edge, y = client.bottom / 2;
    const std::pair<int, COLORREF> across[] = {{e - 1, RGB(128, 128, 128)}, {e, Black}, {2 * e - 1, Black}, {2 * e, White}};
    for (auto [x, colour] : across) EXPECT_EQ(ColourName(pixels.at(x, y)), ColourName(colour)) << x;
    Point anchor = PanelAnchor(client.right, client.bottom);
    Point origin = MetafileWindowOrigin(view().PanelScale.x, view().PanelScale.y, anchor.x, anchor.y);
    EXPECT_NEAR(box.left, -origin.x * view().PanelScale.x / double(DrawingExtentX), 1.0);
    EXPECT_NEAR(box.top, -origin.y * view().PanelScale.y / double(DrawingExtentY), 1.0);
    EXPECT_NEAR(box.right - box.left, row().halfInch, 1);
    EXPECT_NEAR(box.bottom - box.top, row().halfInch, 1);

    DialogWaiter waiter([&](HWND dialog) {
        RECT square = redBox(Pixels::OfClient(dialog));
        EXPECT_NEAR(square.right - square.left, row().notesSquare, 1);
        // Moved to the next DPI: the suggested rectangle, and the drawing at that DPI's scale.
        RECT suggested = {40, 30, 40 + 3 * nextRow().notesSquare * 2, 30 + 3 * nextRow().notesSquare * 2};
        ::SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(nextRow().dpi, nextRow().dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        EXPECT_RECT(windowRect(dialog), suggested);
        square = redBox(Pixels::OfClient(dialog));
        EXPECT_NEAR(square.right - square.left, nextRow().notesSquare, 1);
        PressButton(dialog, IDOK);
    });
    ::PostMessageA(mainWindow(), WM_COMMAND, ID_CABLE_NOTES, 0);
    PumpUntilIdle(150);
    EXPECT_TRUE(waiter.seen());
}

TEST_F(DpiLayoutTest, MovingToAnotherDpiLaysOutAgainAndKeepsCableTogglesAndHint) {
    PressKey(startWindow(), VK_RETURN);
    frame().ShowCable(5);
    PressKey(mainWindow(), VK_F6);
    ::SendMessageA(::GetDlgItem(mainWindow(), ID_SELECT_CABLE), WM_MOUSEMOVE, 0, 0);
    ASSERT_EQ(view().CurrentHintId, ID_SELECT_CABLE);

    const DpiRow& next = nextRow();
    RECT suggested = {20, 10, 20 + next.mainWindow.cx, 10 + next.mainWindow.cy};
    ::SendMessageA(mainWindow(), WM_DPICHANGED, MAKEWPARAM(next.dpi, next.dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpUntilIdle();
    EXPECT_RECT(windowRect(mainWindow()), suggested);
    EXPECT_EQ(view().shownCable.origin.tableRow, 5);
    EXPECT_EQ(view().startPanel.showFirst, 0);
    EXPECT_EQ(view().CurrentHintId, ID_SELECT_CABLE);
    EXPECT_EQ(view().StatusText, "Cable selection");
    EXPECT_EQ(view().PanelScale.x, next.mainWindow.cx + next.mainWindow.cx / 5);
    expectKeyFaces(next);
    expectMainLayout(next, false);
}

using DpiCatalogLayoutTest = ConnectorCatalogTest;

TEST_F(DpiCatalogLayoutTest, CatalogWindowAtTheScreensDpiAndMovedToAnother) {
    int index = rowIndexFor(WindowDpi(frame()));
    ASSERT_GE(index, 0);
    for (const DpiRow* r : {&Rows[index], &Rows[(index + 1) % RowCount]}) {
        if (r != &Rows[index]) {
            RECT suggested = {0, 0, r->catalogWindow.cx, r->catalogWindow.cy};
            ::SendMessageA(frame(), WM_DPICHANGED, MAKEWPARAM(r->dpi, r->dpi), reinterpret_cast<LPARAM>(&suggested));
            PumpUntilIdle();
        }
        // A window is never made larger than the screen: 1200 x 870 does not fit 1024 x 768.
        const bool fits = r->catalogWindow.cx <= ::GetSystemMetrics(SM_CXSCREEN);
        EXPECT_EQ(text(windowSize(frame())), text(fits ? r->catalogWindow : windowSize(frame()))) << r->dpi << " DPI";
        RECT list = childRect(frame(), item(IDC_CATALOG_CONNECTORS));
        EXPECT_RECT((RECT{list.left, list.top, list.right, 0}), r->catalogList) << r->dpi << " DPI";
    }
}
