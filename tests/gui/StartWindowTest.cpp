#include "GuiHarness.h"

#include "app/GuideApp.h"
#include "app/StartWindow.h"
#include "resource.h"

namespace {
RECT windowRect(HWND window) {
    RECT rect;
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT childRect(HWND parent, int id) {
    RECT rect;
    HWND child = ::GetDlgItem(parent, id);
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
}  // namespace

using StartWindowTest = ProgramTest;

TEST_F(StartWindowTest, IsCentredOn1024x768WithItsClientAreaAndButtons) {
    ASSERT_NE(startWindow(), nullptr);
    RECT rect = windowRect(startWindow());
    EXPECT_TRUE(sameRect(rect, RECT{321, 243, 723, 545}))
        << "start window at " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    RECT client;
    ::GetClientRect(startWindow(), &client);
    EXPECT_EQ(client.right, 396);
    EXPECT_EQ(client.bottom, 296);
    EXPECT_TRUE(sameRect(childRect(startWindow(), IDC_START_NO), RECT{52, 196, 100, 244}));
    EXPECT_TRUE(sameRect(childRect(startWindow(), IDC_START_OK), RECT{300, 196, 348, 244}));
    EXPECT_EQ(::GetWindowLongA(startWindow(), GWL_STYLE) & 0xFFFF0000L & ~WS_CLIPSIBLINGS, 0x90800000L);
    EXPECT_TRUE(::GetWindowLongA(startWindow(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(::GetWindow(startWindow(), GW_OWNER), mainWindow());
    EXPECT_TRUE(::IsWindowVisible(startWindow()));
    EXPECT_FALSE(::IsWindowVisible(mainWindow())) << "the main window waits for OK";
}

TEST_F(StartWindowTest, ShowsThePictureTheVersionTextAndTheKeys) {
    Pixels screen = Pixels::OfScreen(startWindow());
    // The version text is drawn in black across x = 199, its baseline on y = 215.
    int black = screen.countOf(RGB(0, 0, 0), RECT{150, 200, 250, 216});
    EXPECT_GT(black, 40) << "no version text around (199, 215)";
    // The picture's red and blue lettering along the top; a green tick on OK and a red cross on NO.
    EXPECT_GT(screen.countOf(RGB(255, 0, 0), RECT{0, 0, 396, 120}), 100);
    EXPECT_GT(screen.countOf(RGB(0, 0, 255), RECT{0, 0, 396, 120}), 100);
    EXPECT_GT(screen.countOf(RGB(0, 128, 0), RECT{300, 196, 348, 244}) +
                  screen.countOf(RGB(0, 255, 0), RECT{300, 196, 348, 244}), 20);
    EXPECT_GT(screen.countOf(RGB(255, 0, 0), RECT{52, 196, 100, 244}), 20);
}

TEST_F(StartWindowTest, EnterDoesWhatOkDoes) {
    PressKey(startWindow(), VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(mainWindow()));
    EXPECT_FALSE(::IsWindowVisible(startWindow()));
    EXPECT_NE(startWindow(), nullptr) << "the start window is hidden, not destroyed";
    EXPECT_EQ(app->startWindow.StartMemDC.GetSafeHdc(), nullptr);
}

TEST_F(StartWindowTest, OkButtonShowsTheMainWindowAndHidesItself) {
    ::SendMessageA(::GetDlgItem(startWindow(), IDC_START_OK), BM_CLICK, 0, 0);
    PumpUntilIdle();
    EXPECT_TRUE(::IsWindowVisible(mainWindow()));
    EXPECT_FALSE(::IsWindowVisible(startWindow()));
}

TEST_F(StartWindowTest, EscAsksToQuitAndOkEndsTheProgramWithoutShowingTheMainWindow) {
    bool mainVisibleDuringQuestion = true;
    DialogWaiter answer([&](HWND box) {
        mainVisibleDuringQuestion = ::IsWindowVisible(mainWindow()) != 0;
        PressButton(box, IDOK);
    });
    HWND main = mainWindow();
    HDC memoryDc = view().FrameMemDC.GetSafeHdc();
    ASSERT_NE(memoryDc, nullptr);
    ::PostMessageA(startWindow(), WM_KEYDOWN, VK_ESCAPE, 1);
    bool quit = PumpUntilIdle(150);
    ASSERT_TRUE(answer.seen()) << "no quit question";
    EXPECT_EQ(answer.dialog().caption, "QUIT");
    EXPECT_EQ(answer.dialog().text, "Are you sure?");
    EXPECT_FALSE(mainVisibleDuringQuestion);
    EXPECT_FALSE(::IsWindow(main)) << "the main window is destroyed";
    EXPECT_TRUE(quit) << "the message loop is told to end";
    EXPECT_EQ(::GetObjectType(memoryDc), 0u) << "the main window's memory DC is deleted";
}

TEST_F(StartWindowTest, NoThenCancelShowsBothWindowsAndOkThenHidesTheStartWindow) {
    DialogWaiter cancel([](HWND box) { PressButton(box, IDCANCEL); });
    ::SendMessageA(::GetDlgItem(startWindow(), IDC_START_NO), BM_CLICK, 0, 0);
    PumpUntilIdle(150);
    ASSERT_TRUE(cancel.seen());
    EXPECT_EQ(cancel.dialog().text, "Are you sure?");
    EXPECT_TRUE(::IsWindowVisible(mainWindow()));
    EXPECT_TRUE(::IsWindowVisible(startWindow())) << "the start window stays in front";

    ::SendMessageA(::GetDlgItem(startWindow(), IDC_START_OK), BM_CLICK, 0, 0);
    PumpUntilIdle();
    EXPECT_TRUE(::IsWindowVisible(mainWindow()));
    EXPECT_FALSE(::IsWindowVisible(startWindow()));
}

TEST_F(StartWindowTest, FunctionKeysActWhileOnlyTheStartWindowIsShown) {
    DialogWaiter help([](HWND dialog) { PressButton(dialog, IDOK); });
    PressKey(startWindow(), VK_F1);
    PumpUntilIdle(150);
    ASSERT_TRUE(help.seen()) << "F1 on the start window opened nothing";
    EXPECT_EQ(help.dialog().caption, "Strandor! - HELP");
    EXPECT_FALSE(::IsWindowVisible(mainWindow()));
}

TEST_F(StartWindowTest, StaysAboveTheMainWindowAfterEachCancelledQuit) {
    auto isAbove = [](HWND upper, HWND lower) {
        for (HWND w = ::GetWindow(lower, GW_HWNDPREV); w; w = ::GetWindow(w, GW_HWNDPREV))
            if (w == upper) return true;
        return false;
    };
    for (const char* way : {"Esc", "NO"}) {
        DialogWaiter cancel([](HWND box) { PressButton(box, IDCANCEL); });
        if (way[0] == 'E') ::PostMessageA(startWindow(), WM_KEYDOWN, VK_ESCAPE, 1);
        else ::SendMessageA(::GetDlgItem(startWindow(), IDC_START_NO), BM_CLICK, 0, 0);
        PumpUntilIdle(150);
        ASSERT_TRUE(cancel.seen()) << way << ": no quit question";
        ASSERT_TRUE(::IsWindowVisible(mainWindow())) << way;
        EXPECT_TRUE(isAbove(startWindow(), mainWindow())) << way << ", Cancel: the main window covers the start window";
        Pixels screen = Pixels::OfScreen(startWindow());
        EXPECT_GT(screen.countOf(RGB(255, 0, 0), RECT{0, 0, 396, 120}), 100) << way << ": the start picture is not in sight";
        EXPECT_GT(screen.countOf(RGB(0, 0, 255), RECT{0, 0, 396, 120}), 100) << way << ": the start picture is not in sight";
    }
}
