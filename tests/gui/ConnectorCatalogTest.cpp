// The connector catalog window: the grouped list, choosing with the keys, the two drawings placed
// as the guide places its panels', the pinouts and the cables that use them, and its look.

#include "ConnectorCatalogFixture.h"

#include "cables/CableTable.h"
#include "drawing/Placement.h"
#include "catalogapp/CatalogFrame.h"
#include "catalogapp/CatalogLayout.h"
#include "framework/GdiObjects.h"
#include "resource.h"

namespace {
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF DarkGrey = RGB(128, 128, 128);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF LightGrey = RGB(192, 192, 192);
constexpr COLORREF Blue = RGB(0, 0, 255);

RECT windowRectIn(HWND parent, HWND child) {
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<std::string> cableRows(std::vector<int> numbers) {
    std::vector<std::string> rows;
    for (int n : numbers) rows.push_back(std::to_string(n) + "  " + Catalog.cables[n].name);
    return rows;
}
}  // namespace

TEST_F(ConnectorCatalogTest, ListsEveryConnectorUnderItsGroupAndShowsTheFirst) {
    EXPECT_TRUE(::IsWindowVisible(frame()));
    char title[128];
    ::GetWindowTextA(frame(), title, sizeof title);
    EXPECT_STREQ(title, "Strandor! connector catalog");
    EXPECT_EQ(rowsOf(IDC_CATALOG_CONNECTORS),
              (std::vector<std::string>{"Serial and parallel", "    009  DE-9 (9-pin D-sub)",
                                        "    011  DB-25 (25-pin D-sub)", "DIN and mini-DIN", "    029  Mini-DIN 8",
                                        "Audio and AV", "    015  RCA (phono)"}));
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 1) << "the first connector, not its heading";
    EXPECT_EQ(rowsOf(IDC_CATALOG_PINOUTS), (std::vector<std::string>{"001  DE-9 RS-232 (PC, DTE)", "007  CGA video (DE-9)",
                                                                      "009", "036  Mac serial (DE-9)"}));
    EXPECT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 0);
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({2, 3, 5, 6, 34, 38, 45, 53, 57, 59}));
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES).front(), "2  nullmodem, 3-Wire, DB25-DB9");
    EXPECT_EQ(::GetFocus(), item(IDC_CATALOG_CONNECTORS));
}

TEST_F(ConnectorCatalogTest, ConnectorAndPinoutDrawingsStandSideBySideInSunkenFrames) {
    HWND connector = item(IDC_CATALOG_CONNECTOR_DRAWING);
    HWND pinout = item(IDC_CATALOG_PINOUT_DRAWING);
    RECT a = windowRectIn(frame(), connector);
    RECT b = windowRectIn(frame(), pinout);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.bottom - a.top, b.bottom - b.top);
    EXPECT_EQ(a.right - a.left, b.right - b.left);
    EXPECT_LT(a.right, b.left) << "the pinout drawing stands right of the connector drawing";
    RECT list = windowRectIn(frame(), item(IDC_CATALOG_CONNECTORS));
    EXPECT_LT(list.right, a.left);
    RECT cables = windowRectIn(frame(), item(IDC_CATALOG_CABLES));
    EXPECT_GT(cables.top, a.bottom) << "the cables stand below the drawings";

    Pixels pixels = Pixels::OfClient(connector);
    const int w = pixels.width(), h = pixels.height();
    EXPECT_EQ(pixels.at(0, h / 2), DarkGrey);
    EXPECT_EQ(pixels.at(w / 2, 0), DarkGrey);
    EXPECT_EQ(pixels.at(1, h / 2), Black);
    EXPECT_EQ(pixels.at(w - 2, h / 2), Black);
    EXPECT_EQ(pixels.at(w / 2, h - 2), Black);
    EXPECT_EQ(pixels.at(3, 3), White);
}

TEST_F(ConnectorCatalogTest, DrawingsArePlacedAtThePanelAnchorAtAWholeScale) {
    for (int id : {IDC_CATALOG_CONNECTOR_DRAWING, IDC_CATALOG_PINOUT_DRAWING}) {
        HWND view = item(id);
        Pixels pixels = Pixels::OfClient(view);
        Point anchor = PanelAnchor(pixels.width(), pixels.height());
        Scale scale = CatalogPanelScale(pixels.width(), pixels.height());
        const int half = SquareHalf / (DrawingExtentX / scale.x);  // the square's half side in pixels
        const COLORREF colour = id == IDC_CATALOG_CONNECTOR_DRAWING ? De9Colour : RsPinoutColour;
        EXPECT_EQ(pixels.at(anchor.x, anchor.y), colour) << "drawing " << id;
        EXPECT_EQ(pixels.at(anchor.x - half + 2, anchor.y - half + 2), colour) << "drawing " << id;
        EXPECT_EQ(pixels.at(anchor.x + half - 2, anchor.y + half - 2), colour) << "drawing " << id;
        EXPECT_EQ(pixels.at(anchor.x - half - 3, anchor.y), White) << "drawing " << id;
        EXPECT_EQ(pixels.at(anchor.x + half + 3, anchor.y), White) << "drawing " << id;
        EXPECT_EQ(pixels.at(anchor.x, anchor.y - half - 3), White) << "drawing " << id;
        EXPECT_EQ(pixels.at(anchor.x, anchor.y + half + 3), White) << "drawing " << id;
    }
}

TEST_F(ConnectorCatalogTest, ArrowDownChoosesTheNextConnectorWithItsDrawingsPinoutsAndCables) {
    PressKey(item(IDC_CATALOG_CONNECTORS), VK_DOWN);
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 2);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_CONNECTOR_DRAWING), Db25Colour);
    EXPECT_EQ(rowsOf(IDC_CATALOG_PINOUTS), (std::vector<std::string>{"002", "003", "049"}));
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({1, 2, 4, 5, 7, 33, 37, 42, 52, 54, 55, 58}));
    // No pinout 002 drawing was written: its frame stays white.
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_PINOUT_DRAWING), White);

    PressKey(item(IDC_CATALOG_CONNECTORS), VK_UP);
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 1);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_CONNECTOR_DRAWING), De9Colour);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_PINOUT_DRAWING), RsPinoutColour);
}

TEST_F(ConnectorCatalogTest, TheSelectionStepsOverGroupHeadings) {
    HWND list = item(IDC_CATALOG_CONNECTORS);
    PressKey(list, VK_DOWN);
    PressKey(list, VK_DOWN);
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 4) << "over the heading \"DIN and mini-DIN\"";
    EXPECT_EQ(rowsOf(IDC_CATALOG_PINOUTS), (std::vector<std::string>{"035"}));
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({36, 37, 38, 42, 45, 54, 55}));
    PressKey(list, VK_UP);
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 2);
    PressKey(list, VK_HOME);
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 1) << "Home lands on the first heading, then the connector under it";
    PressKey(list, VK_END);
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 6);
    EXPECT_EQ(rowsOf(IDC_CATALOG_PINOUTS), (std::vector<std::string>{"000"}));
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({10, 11, 13, 14, 15, 17, 24, 25, 26, 27, 43, 44}));
}

TEST_F(ConnectorCatalogTest, EnterStepsThroughTheConnectorsPinoutsAndTheCablesFollow) {
    HWND list = item(IDC_CATALOG_CONNECTORS);
    PressKey(list, VK_RETURN);
    EXPECT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 1);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_PINOUT_DRAWING), CgaPinoutColour);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_CONNECTOR_DRAWING), De9Colour) << "the connector stays";
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({17}));

    PressKey(list, VK_RETURN);
    EXPECT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 2);
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({16}));
    // PINOUTS.009 is missing: the frame is white inside.
    Pixels pixels = Pixels::OfClient(item(IDC_CATALOG_PINOUT_DRAWING));
    RECT inside = {2, 2, pixels.width() - 2, pixels.height() - 2};
    EXPECT_EQ(pixels.countOf(White, inside), (inside.right - inside.left) * (inside.bottom - inside.top));

    PressKey(list, VK_RETURN);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_PINOUT_DRAWING), MacPinoutColour);
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({52, 53}));
    PressKey(list, VK_RETURN);
    EXPECT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 0) << "round to the first pinout";
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_PINOUT_DRAWING), RsPinoutColour);

    ::SendMessageA(frame(), WM_COMMAND, ID_CATALOG_PREVIOUS_PINOUT, 0);
    EXPECT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 3) << "back round to the last";
}

TEST_F(ConnectorCatalogTest, ArrowsInThePinoutListChooseThePinoutToo) {
    PressKey(item(IDC_CATALOG_CONNECTORS), VK_TAB);
    ASSERT_EQ(::GetFocus(), item(IDC_CATALOG_PINOUTS));
    PressKey(item(IDC_CATALOG_PINOUTS), VK_DOWN);
    PressKey(item(IDC_CATALOG_PINOUTS), VK_DOWN);
    PressKey(item(IDC_CATALOG_PINOUTS), VK_DOWN);
    EXPECT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 3);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_PINOUT_DRAWING), MacPinoutColour);
    EXPECT_EQ(rowsOf(IDC_CATALOG_CABLES), cableRows({52, 53}));
    EXPECT_EQ(selectedRow(IDC_CATALOG_CONNECTORS), 1);
}

TEST_F(ConnectorCatalogTest, TabMovesTheKeyboardRoundTheThreeLists) {
    EXPECT_EQ(::GetFocus(), item(IDC_CATALOG_CONNECTORS));
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_EQ(::GetFocus(), item(IDC_CATALOG_PINOUTS));
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_EQ(::GetFocus(), item(IDC_CATALOG_CABLES));
    PressKey(::GetFocus(), VK_TAB);
    EXPECT_EQ(::GetFocus(), item(IDC_CATALOG_CONNECTORS));
    ::SendMessageA(frame(), WM_COMMAND, ID_CATALOG_PREVIOUS_LIST, 0);
    EXPECT_EQ(::GetFocus(), item(IDC_CATALOG_CABLES));
}

TEST_F(ConnectorCatalogTest, DoubleClickOnThePinoutDrawingShowsTheNextPinout) {
    ::SendMessageA(item(IDC_CATALOG_PINOUT_DRAWING), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
    PumpUntilIdle();
    EXPECT_EQ(selectedRow(IDC_CATALOG_PINOUTS), 1);
    EXPECT_EQ(colourAtAnchor(IDC_CATALOG_PINOUT_DRAWING), CgaPinoutColour);
}

TEST_F(ConnectorCatalogTest, EscEndsTheProgram) {
    HWND window = frame();
    PressKey(item(IDC_CATALOG_CONNECTORS), VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(app->mainWindow, nullptr);
}

TEST_F(ConnectorCatalogTest, GreySurfaceWithTheStatusLineOfTheGuide) {
    Pixels pixels = Pixels::OfClient(frame());
    RECT client;
    ::GetClientRect(frame(), &client);
    CatalogLayout layout = CatalogLayoutFor({0, 0, static_cast<int>(client.right), static_cast<int>(client.bottom)});
    EXPECT_EQ(pixels.at(layout.connectorList.right + 4, layout.connectorList.top + 40), LightGrey);
    EXPECT_EQ(pixels.at(client.right / 2, 0), White) << "the white top edge line";
    RECT status = {layout.status.left, layout.status.top, layout.status.right, layout.status.bottom};
    EXPECT_GT(pixels.countOf(Blue, status), 50) << "the status line's blue text";
    // The status line names the connector and how to step through its pinouts.
    RECT strip = {status.left, status.top, status.left + 300, status.bottom};
    int before = pixels.countOf(Blue, strip);
    PressKey(item(IDC_CATALOG_CONNECTORS), VK_END);
    int after = Pixels::OfClient(frame()).countOf(Blue, strip);
    EXPECT_NE(before, after) << "the status line did not change for another connector";
}

TEST_F(ConnectorCatalogTest, RepaintingLeavesNoGdiObjectsBehind) {
    PumpUntilIdle();
    long before = LiveGdiObjects();
    for (int i = 0; i < 30; ++i) {
        ::RedrawWindow(frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pixels::OfClient(item(IDC_CATALOG_CONNECTOR_DRAWING));
        PressKey(item(IDC_CATALOG_CONNECTORS), i % 2 ? VK_UP : VK_DOWN);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}
