#include "GuiHarness.h"

#include "app/GuideApp.h"
#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "cables/CableTable.h"
#include "resource.h"

namespace {
// Counts WM_PAINT messages that reach one window while it lives.
class PaintCounter {
public:
    explicit PaintCounter(HWND window) {
        target = window;
        count = 0;
        hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &PaintCounter::onMessage, nullptr, ::GetCurrentThreadId());
    }
    ~PaintCounter() { ::UnhookWindowsHookEx(hook); }
    static int count;

private:
    static LRESULT CALLBACK onMessage(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code >= 0 && message->hwnd == target && message->message == WM_PAINT) ++count;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static HWND target;
    HHOOK hook;
};
int PaintCounter::count = 0;
HWND PaintCounter::target = nullptr;

std::string menuText(HMENU menu, int position) {
    char text[128] = "";
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

void moveMouse(HWND window, int x, int y) {
    ::SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void showMain(HWND start) {
    ::PostMessageA(start, WM_KEYDOWN, VK_RETURN, 1);
    PumpUntilIdle();
}
}  // namespace

using MainWindowTest = ProgramTest;

TEST_F(MainWindowTest, IsCentredAt640x480WithTitleAndMenu) {
    RECT rect;
    ::GetWindowRect(mainWindow(), &rect);
    EXPECT_EQ(rect.left, 192);
    EXPECT_EQ(rect.top, 144);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);
    char title[64];
    ::GetWindowTextA(mainWindow(), title, sizeof title);
    EXPECT_STREQ(title, "Strandor!");
    EXPECT_EQ(::GetWindowLongA(mainWindow(), GWL_STYLE) & 0x00CF0000L, 0x00CF0000L);
    EXPECT_TRUE(::GetWindowLongA(mainWindow(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(::GetClassLongA(mainWindow(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), CS_HREDRAW | CS_VREDRAW);

    HMENU menu = ::GetMenu(mainWindow());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(::GetMenuItemCount(menu), 3);
    EXPECT_EQ(menuText(menu, 0), "&Cable");
    EXPECT_EQ(menuText(menu, 1), "&View");
    EXPECT_EQ(menuText(menu, 2), "&Help");
    HMENU cable = ::GetSubMenu(menu, 0);
    EXPECT_EQ(menuText(cable, 0), "&Select cable\tF5");
    EXPECT_EQ(::GetMenuItemID(cable, 0), 505u);
    // Find cable and Copy wiring stand between Select cable and Print.
    EXPECT_EQ(menuText(cable, 1), "&Find cable...\tCtrl+F");
    EXPECT_EQ(menuText(cable, 2), "&Copy wiring\tCtrl+C");
    EXPECT_EQ(menuText(cable, 3), "&Test at the bench...\tCtrl+T");
    // and then the two commands of the user's own cables.
    EXPECT_EQ(menuText(cable, 4), "&New cable from this one...\tCtrl+N");
    EXPECT_EQ(menuText(cable, 5), "&Edit this cable");
    EXPECT_EQ(menuText(cable, 6), "&Print\tF3");
    EXPECT_EQ(::GetMenuItemID(cable, 8), 504u);
    EXPECT_EQ(menuText(cable, 8), "E&xit \tF4");
    HMENU view = ::GetSubMenu(menu, 1);
    EXPECT_EQ(menuText(view, 0), "&Start pinouts \t F6");
    EXPECT_EQ(menuText(view, 5), "C&onnector catalog \tF10");
    EXPECT_EQ(::GetMenuItemID(view, 5), 510u);
}

TEST_F(MainWindowTest, AcceleratorTableHasTwelveFunctionKeys) {
    HACCEL table = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), "MainAccelTable");
    ASSERT_NE(table, nullptr);
    ACCEL entries[16];
    // The twelve function keys, then Ctrl+F (Find cable), Ctrl+C (Copy wiring), Ctrl+N (New cable)
    // and Ctrl+T (Test at the bench).
    ASSERT_EQ(::CopyAcceleratorTableA(table, entries, 16), 16);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(entries[i].key, VK_F1 + i);
        EXPECT_EQ(entries[i].cmd, 501 + i);
        EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT);
    }
    EXPECT_EQ(entries[12].key, 'F');
    EXPECT_EQ(entries[13].key, 'C');
    EXPECT_EQ(entries[14].key, 'N');
    EXPECT_EQ(entries[15].key, 'T');
    for (int i : {12, 13, 14, 15}) EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FCONTROL), FVIRTKEY | FCONTROL);
}

TEST_F(MainWindowTest, FirstLayoutAndPanelScaleFromTheFirstSizeEvent) {
    EXPECT_EQ(view().PanelScale, (Scale{768, -576}));
    RECT client;
    ::GetClientRect(mainWindow(), &client);
    EXPECT_EQ(view().startPanelRect.left, 10);
    EXPECT_EQ(view().startPanelRect.top, 50);
    EXPECT_EQ(view().startPanelRect.right, 200);
    EXPECT_EQ(view().startPanelRect.bottom, client.bottom - 20);
    EXPECT_EQ(view().diagramPanelRect.left, 220);
    EXPECT_EQ(view().diagramPanelRect.right, client.right - 220);
    EXPECT_EQ(view().endPanelRect.left, client.right - 200);
    EXPECT_EQ(view().endPanelRect.right, client.right - 10);
    EXPECT_EQ(view().StatusRect.top, client.bottom - 19);
    EXPECT_EQ(view().StatusRect.right, client.right - 1);
}

TEST_F(MainWindowTest, ResizeTo800x600LaysOutInThirdsWithTheNewScale) {
    showMain(startWindow());
    ::SetWindowPos(mainWindow(), nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    PumpUntilIdle();
    EXPECT_EQ(view().PanelScale, (Scale{960, -720}));
    RECT client;
    ::GetClientRect(mainWindow(), &client);
    int third = client.right / 3;
    EXPECT_EQ(view().startPanelRect.right, third - 10);
    EXPECT_EQ(view().diagramPanelRect.left, third + 10);
    EXPECT_EQ(view().diagramPanelRect.right, 2 * third - 10);
    EXPECT_EQ(view().endPanelRect.left, 2 * third + 10);
    EXPECT_EQ(view().endPanelRect.bottom, client.bottom - 20);

    ::ShowWindow(mainWindow(), SW_MINIMIZE);
    PumpUntilIdle();
    EXPECT_EQ(view().PanelScale, (Scale{960, -720})) << "minimising changes nothing";
}

TEST_F(MainWindowTest, StatusLineWelcomesThenFollowsTheSurface) {
    showMain(startWindow());
    EXPECT_EQ(view().StatusText, "Welcome to Strandor! v1.02");
    EXPECT_EQ(view().CurrentHintId, 0);
    RECT client;
    ::GetClientRect(mainWindow(), &client);
    int threshold = client.bottom - 20;

    moveMouse(mainWindow(), 300, threshold + 1);
    EXPECT_EQ(view().StatusText, "Statusbar");
    EXPECT_EQ(view().CurrentHintId, 1);
    moveMouse(mainWindow(), 300, threshold);
    EXPECT_EQ(view().CurrentHintId, 1) << "the threshold line changes nothing";
    moveMouse(mainWindow(), 300, threshold - 1);
    EXPECT_EQ(view().StatusText, "");
    EXPECT_EQ(view().CurrentHintId, 3);
}

TEST_F(MainWindowTest, FirstShowKeepsTheFixedLayoutAndScale) {
    showMain(startWindow());
    EXPECT_EQ(view().PanelScale, (Scale{768, -576}));
    EXPECT_EQ(view().startPanelRect.right - view().startPanelRect.left, 190);
    RECT panel;
    ::GetWindowRect(view().startPanel.GetSafeHwnd(), &panel);
    EXPECT_EQ(panel.right - panel.left, 190) << "the start panel's window";
}

TEST_F(MainWindowTest, StatusLineRepaintsOnlyWhenTheHintSourceChanges) {
    showMain(startWindow());
    PaintCounter paints(mainWindow());
    moveMouse(mainWindow(), 300, 100);
    EXPECT_EQ(PaintCounter::count, 1);
    moveMouse(mainWindow(), 310, 120);
    moveMouse(mainWindow(), 320, 140);
    EXPECT_EQ(PaintCounter::count, 1) << "moves within one area repaint nothing";
}

TEST_F(MainWindowTest, PaintsGreySurfaceWhiteEdgesStatusTextAndLogo) {
    showMain(startWindow());
    Pixels pixels = Pixels::OfClient(mainWindow());
    EXPECT_EQ(pixels.at(300, 30), RGB(192, 192, 192)) << ColourName(pixels.at(300, 30));
    EXPECT_EQ(pixels.at(0, 100), RGB(255, 255, 255)) << "left edge line";
    EXPECT_EQ(pixels.at(300, 0), RGB(255, 255, 255)) << "top edge line";
    EXPECT_EQ(pixels.at(pixels.width() - 1, 100), RGB(192, 192, 192)) << "the grey lines lie outside the client";
    // Blue status text with its white and grey edges in the bottom strip.
    RECT strip = {0, pixels.height() - 19, 250, pixels.height()};
    EXPECT_GT(pixels.countOf(RGB(0, 0, 255), strip), 30);
    EXPECT_GT(pixels.countOf(RGB(128, 128, 128), strip), 10);

    // The logo is the 120 x 40 bitmap copied to (500, 5).
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, view().LogoBitmap.GetSafeHandle());
    int differing = 0;
    for (int y = 0; y < 40; y += 3)
        for (int x = 0; x < 120; x += 3)
            if (::GetPixel(memory, x, y) != pixels.at(500 + x, 5 + y)) ++differing;
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(differing, 0) << "logo pixels differ from the bitmap";
    EXPECT_GT(120 * 40 - pixels.countOf(RGB(192, 192, 192), RECT{500, 5, 620, 45}), 300) << "the logo has a picture";
}

TEST_F(MainWindowTest, CloseBoxCancelShowsTheWindowAgainAndOkEnds) {
    showMain(startWindow());
    DialogWaiter cancel([](HWND box) { PressButton(box, IDCANCEL); });
    ::PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
    PumpUntilIdle(150);
    ASSERT_TRUE(cancel.seen());
    EXPECT_EQ(cancel.dialog().caption, "QUIT");
    EXPECT_TRUE(::IsWindowVisible(mainWindow()));

    HWND main = mainWindow();
    DialogWaiter confirm([](HWND box) { PressButton(box, IDOK); });
    ::PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntilIdle(150));
    EXPECT_FALSE(::IsWindow(main));
}
