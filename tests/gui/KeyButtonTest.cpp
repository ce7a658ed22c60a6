#include "GuiHarness.h"

#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "drawing/DrawingPanel.h"
#include "drawing/KeyButton.h"
#include "resource.h"

namespace {
RECT buttonRect(HWND main, int id) {
    RECT rect;
    ::GetWindowRect(::GetDlgItem(main, id), &rect);
    ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// What a command did, seen from outside: the caption of a dialog it opened, or a panel state.
std::string dialogCaptionAfter(const std::function<void()>& send) {
    std::string caption;
    DialogWaiter waiter([&](HWND dialog) {
        caption = Describe(dialog).caption;
        PressButton(dialog, IDCANCEL);
    }, 3000);
    send();
    PumpUntilIdle(150);
    return caption;
}

class KeyButtonTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        PressKey(startWindow(), VK_RETURN);
    }
    void click(int id) {
        ::PostMessageA(::GetDlgItem(mainWindow(), id), BM_CLICK, 0, 0);
    }
    void key(UINT vk) {
        ::PostMessageA(mainWindow(), WM_KEYDOWN, vk, 1);
        ::PostMessageA(mainWindow(), WM_KEYUP, vk, 0xC0000001);
    }
    void menu(int id) { ::PostMessageA(mainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};
}  // namespace

TEST_F(KeyButtonTest, TenButtonsAtTheirPlacesWithTheirHints) {
    const int lefts[] = {5, 47, 89, 131, 201, 243, 285, 327, 397, 439};
    const char* hints[] = {"Strandor! Help", "About Strandor!", "Print ", "Exit to Windows", "Cable selection",
                           "View start connector/pinouts", "View end connector/pinouts", "View cable notes",
                           "View and edit user notes", "Connector catalog"};
    for (int i = 0; i < 10; ++i) {
        RECT rect = buttonRect(mainWindow(), 501 + i);
        EXPECT_EQ(rect.left, lefts[i]) << "F" << i + 1;
        EXPECT_EQ(rect.top, 5);
        EXPECT_EQ(rect.right - rect.left, 40);
        EXPECT_EQ(rect.bottom - rect.top, 40);
        EXPECT_EQ(view().KeyButtons[i].hintText, hints[i]);
        EXPECT_EQ(view().KeyButtons[i].commandId, 501 + i);
        EXPECT_EQ(::GetWindowLongA(::GetDlgItem(mainWindow(), 501 + i), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    }
    EXPECT_EQ(::GetDlgItem(mainWindow(), 511), nullptr) << "no F11 button";
    EXPECT_EQ(::GetDlgItem(mainWindow(), 512), nullptr) << "no F12 button";
}

TEST_F(KeyButtonTest, ButtonsShowTheirPicturesAndStayAfterAResize) {
    Pixels before = Pixels::OfScreen(mainWindow());
    EXPECT_GT(before.countOf(RGB(255, 255, 0), RECT{5, 5, 45, 45}), 20) << "F1's yellow question mark";
    ::SetWindowPos(mainWindow(), nullptr, 0, 0, 900, 650, SWP_NOMOVE | SWP_NOZORDER);
    PumpUntilIdle();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(buttonRect(mainWindow(), 501 + i).left, KeyButtonLeft[i]);
}

TEST_F(KeyButtonTest, MovingFromF5ToF6ShowsItsHintOnce) {
    ::SendMessageA(::GetDlgItem(mainWindow(), 505), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(view().StatusText, "Cable selection");
    ::SendMessageA(::GetDlgItem(mainWindow(), 506), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(view().StatusText, "View start connector/pinouts");
    EXPECT_EQ(view().CurrentHintId, 506);
    MainFrameProbe::StatusText(frame()) = "marker";
    ::SendMessageA(::GetDlgItem(mainWindow(), 506), WM_MOUSEMOVE, 0, MAKELPARAM(9, 9));
    EXPECT_EQ(view().StatusText, "marker") << "moves within F6 rewrite nothing";
    ::SendMessageA(mainWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 100));
    EXPECT_EQ(view().StatusText, "");
    ::SendMessageA(::GetDlgItem(mainWindow(), 506), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(view().StatusText, "View start connector/pinouts");
}

TEST_F(KeyButtonTest, KeyButtonAndMenuOpenTheSameDialogs) {
    struct Case {
        int id;
        UINT vk;
        const char* caption;
    } cases[] = {{501, VK_F1, "Strandor! - HELP"},
                 {502, VK_F2, "About Strandor!"},
                 {504, VK_F4, "QUIT"},
                 {505, VK_F5, "Cable selection"},
                 {508, VK_F8, "Strandor! - Cable Notes"}};
    for (const Case& c : cases) {
        EXPECT_EQ(dialogCaptionAfter([&] { key(c.vk); }), c.caption) << "key of " << c.id;
        EXPECT_EQ(dialogCaptionAfter([&] { click(c.id); }), c.caption) << "button " << c.id;
        EXPECT_EQ(dialogCaptionAfter([&] { menu(c.id); }), c.caption) << "menu item " << c.id;
        ASSERT_TRUE(::IsWindowVisible(mainWindow())) << "Cancel keeps the program running";
    }
}

TEST_F(KeyButtonTest, F6AndF7ToggleByKeyButtonAndMenu) {
    key(VK_F6);
    PumpUntilIdle();
    EXPECT_EQ(view().startPanel.showFirst, 0);
    click(506);
    PumpUntilIdle();
    EXPECT_EQ(view().startPanel.showFirst, 1);
    menu(506);
    PumpUntilIdle();
    EXPECT_EQ(view().startPanel.showFirst, 0);
    EXPECT_EQ(view().endPanel.showFirst, 1);
    key(VK_F7);
    click(507);
    menu(507);
    PumpUntilIdle();
    EXPECT_EQ(view().endPanel.showFirst, 0);
}

TEST_F(KeyButtonTest, F11AndF12DoNothing) {
    std::string caption = dialogCaptionAfter([&] {
        key(VK_F11);
        key(VK_F12);
    });
    EXPECT_EQ(caption, "");
    EXPECT_TRUE(::IsWindowVisible(mainWindow()));
    EXPECT_EQ(view().startPanel.showFirst, 1);
}
