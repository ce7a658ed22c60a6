// The cable selection dialog and the cable switch, driven through the live dialog's list and keys.

#include "GuiHarness.h"
#include "TestDrawings.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <map>
#include <set>

#include "app/GuideApp.h"
#include "app/MainFrame.h"
#include "cables/CableSelectDialog.h"
#include "cables/CableTable.h"
#include "cables/CategoryBrowser.h"
#include "drawing/DrawingPanel.h"
#include "resource.h"

namespace {

using Rows = std::vector<std::string>;

constexpr int ListId = 1001;
constexpr UINT SelectCableCommand = 505;

// Runs a function once after a delay, from whatever message loop is running then.
class Later {
public:
    Later(int delayMs, std::function<void()> action) : action(std::move(action)) {
        timer = ::SetTimer(nullptr, 0, delayMs, &Later::onTimer);
        pending()[timer] = this;
    }
    ~Later() { stop(); }

private:
    static std::map<UINT_PTR, Later*>& pending() {
        static std::map<UINT_PTR, Later*> all;
        return all;
    }
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD) {
        auto found = pending().find(id);
        if (found == pending().end()) return;
        Later* later = found->second;
        later->stop();
        later->action();
    }
    void stop() {
        if (!timer) return;
        ::KillTimer(nullptr, timer);
        pending().erase(timer);
        timer = 0;
    }
    std::function<void()> action;
    UINT_PTR timer = 0;
};

// Counts the WM_PAINT messages sent to the three drawing panels (a repaint with RDW_UPDATENOW
// sends them; painting left to the message queue is not counted).
class PanelPaints {
public:
    explicit PanelPaints(const MainFrame& frame) {
        counts().clear();
        panels() = {frame.View().startPanel.GetSafeHwnd(), frame.View().diagramPanel.GetSafeHwnd(), frame.View().endPanel.GetSafeHwnd()};
        hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &PanelPaints::onMessage, nullptr, ::GetCurrentThreadId());
    }
    ~PanelPaints() { ::UnhookWindowsHookEx(hook); }
    int of(const DrawingPanel& panel) const { return counts()[panel.GetSafeHwnd()]; }
    int total() const { return counts()[panels()[0]] + counts()[panels()[1]] + counts()[panels()[2]]; }

private:
    static std::map<HWND, int>& counts() {
        static std::map<HWND, int> all;
        return all;
    }
    static std::array<HWND, 3>& panels() {
        static std::array<HWND, 3> watched;
        return watched;
    }
    static LRESULT CALLBACK onMessage(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code >= 0 && message->message == WM_PAINT &&
            (message->hwnd == panels()[0] || message->hwnd == panels()[1] || message->hwnd == panels()[2]))
            ++counts()[message->hwnd];
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook;
};

std::string windowText(HWND window) {
    char text[512] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND listOf(HWND dialog) { return ::GetDlgItem(dialog, ListId); }

Rows rowsOf(HWND dialog) {
    HWND list = listOf(dialog);
    Rows rows;
    int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char text[512] = "";
        ::SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

int selectedRow(HWND dialog) { return static_cast<int>(::SendMessageA(listOf(dialog), LB_GETCURSEL, 0, 0)); }

// Selects a row and double-clicks it, as the list tells its dialog.
void doubleClickRow(HWND dialog, int row) {
    HWND list = listOf(dialog);
    ::SendMessageA(list, LB_SETCURSEL, row, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(ListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
}

// Clicks one of the dialog's picture buttons.
void clickButton(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

RECT clientRectOf(HWND parent, HWND child) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

::testing::AssertionResult sameRect(const RECT& actual, const RECT& expected) {
    if (actual.left == expected.left && actual.top == expected.top && actual.right == expected.right &&
        actual.bottom == expected.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.left << "," << actual.top << ")-(" << actual.right << ","
                                         << actual.bottom << ") instead of (" << expected.left << "," << expected.top
                                         << ")-(" << expected.right << "," << expected.bottom << ")";
}

// Goes up with the heading row until the root is shown.
void climbToRoot(HWND dialog) {
    for (int step = 0; step < 6 && rowsOf(dialog).at(0).rfind("[ - ] ", 0) == 0; ++step) doubleClickRow(dialog, 0);
}

// Follows category rows down from the root.
void walkDown(HWND dialog, const std::vector<int>& route) {
    climbToRoot(dialog);
    for (int row : route) doubleClickRow(dialog, row);
}

// What the path strip above the list must look like: the dialog's grey, "category path:" in black
// and the path drawn white, dark grey and blue, in the default font of a fresh device context.
Pixels expectedPathStrip(const std::string& path, int width, int height) {
    return Pixels::Drawn(width, height, [&](HDC memory) {
        HBRUSH grey = ::CreateSolidBrush(RGB(192, 192, 192));
        RECT all = {0, 0, width, height};
        ::FillRect(memory, &all, grey);
        ::DeleteObject(grey);
        ::SetBkMode(memory, TRANSPARENT);
        ::TextOutA(memory, 20, 5, "category path:", 14);
        ::SetTextColor(memory, RGB(255, 255, 255));
        ::TextOutA(memory, 21, 20, path.c_str(), static_cast<int>(path.size()));
        ::SetTextColor(memory, RGB(128, 128, 128));
        ::TextOutA(memory, 23, 22, path.c_str(), static_cast<int>(path.size()));
        ::SetTextColor(memory, RGB(0, 0, 255));
        ::TextOutA(memory, 22, 21, path.c_str(), static_cast<int>(path.size()));
    });
}

// Counts the pixels of the strip above the list (y 0 to 41) that differ from the expected picture.
int pathStripDifferences(const Pixels& pixels, const std::string& path) {
    const int height = 42;
    Pixels expected = expectedPathStrip(path, pixels.width(), height);
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (pixels.at(x, y) != expected.at(x, y)) ++differing;
    return differing;
}

int textWidth(const std::string& text) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    SIZE size{};
    ::GetTextExtentPoint32A(memory, text.c_str(), static_cast<int>(text.size()), &size);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return size.cx;
}

// The rightmost column in the path line (y 15 to 40) that holds a pure blue pixel, or -1.
int rightmostBlue(const Pixels& pixels) {
    for (int x = pixels.width() - 1; x >= 0; --x)
        for (int y = 15; y < 41; ++y)
            if (pixels.at(x, y) == RGB(0, 0, 255)) return x;
    return -1;
}

// The window as the screen shows it, frame and caption included, as a 24-bit BMP file.
void saveWindowAsBmp(HWND window, const std::string& path) {
    RECT rect;
    ::GetWindowRect(window, &rect);
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // bottom-up, as BMP files store it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP section = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, section);
    ::BitBlt(memory, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) / 4) * 4;
    DWORD imageSize = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    ::SelectObject(memory, old);
    ::DeleteObject(section);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

struct Snapshot {
    std::string title;
    int cableIndex;
    std::string paths[6];
    int showFirst[3];
};

Snapshot snapshot(const MainFrame& frame) {
    return {windowText(frame.GetSafeHwnd()),
            frame.View().shownCable.origin.tableRow,
            {frame.View().startPanel.firstPath, frame.View().startPanel.secondPath, frame.View().diagramPanel.firstPath,
             frame.View().diagramPanel.secondPath, frame.View().endPanel.firstPath, frame.View().endPanel.secondPath},
            {frame.View().startPanel.showFirst, frame.View().diagramPanel.showFirst, frame.View().endPanel.showFirst}};
}

void expectUnchanged(const Snapshot& before, const Snapshot& after) {
    EXPECT_EQ(after.title, before.title);
    EXPECT_EQ(after.cableIndex, before.cableIndex);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(after.paths[i], before.paths[i]) << "path " << i;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(after.showFirst[i], before.showFirst[i]) << "panel " << i;
}

// Where a cable was found by walking the live dialog: the category rows from the root, the row of
// the cable and its text.
struct Route {
    std::vector<int> categories;
    int row;
    std::string text;
};

}  // namespace

class CableSelectTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ::PostMessageA(startWindow(), WM_KEYDOWN, VK_RETURN, 1);
        PumpUntilIdle();
        ASSERT_TRUE(::IsWindowVisible(mainWindow()));
    }

    // Opens the dialog with command 505 and runs `inside` on it from its modal loop. A dialog that
    // is still open 10 seconds later is cancelled, so that a failing test cannot hang the run.
    bool openSelection(std::function<void(HWND)> inside, bool byKey = false) {
        HWND shown = nullptr;
        DialogWaiter waiter([&](HWND dialog) {
            shown = dialog;
            inside(dialog);
        });
        Later watchdog(10000, [&] {
            if (shown && ::IsWindow(shown)) {
                ADD_FAILURE() << "the dialog stayed open";
                ::EndDialog(shown, -1);
            }
        });
        if (byKey)
            ::PostMessageA(mainWindow(), WM_KEYDOWN, VK_F5, 1);
        else
            ::PostMessageA(mainWindow(), WM_COMMAND, SelectCableCommand, 0);
        PumpUntilIdle(150, 15000);
        EXPECT_FALSE(shown && ::IsWindow(shown)) << "the dialog is still open";
        return waiter.seen();
    }

    // Runs the dialog object directly, as SwitchCable does, and gives its result.
    INT_PTR runDialog(std::function<void(HWND)> inside) {
        HWND shown = nullptr;
        DialogWaiter waiter([&](HWND dialog) {
            shown = dialog;
            inside(dialog);
        });
        Later watchdog(10000, [&] {
            if (shown && ::IsWindow(shown)) {
                ADD_FAILURE() << "the dialog stayed open";
                ::EndDialog(shown, -2);
            }
        });
        CableSelectDialog dialog(app->mainWindow, MainFrameProbe::BrowseNode(frame()));
        INT_PTR result = dialog.DoModal() == IDOK ? dialog.Picked().tableRow : -1;
        EXPECT_TRUE(waiter.seen());
        return result;
    }

    // Cancels the dialog from the state it is left in by `inside`.
    void cancelAfter(HWND dialog) { clickButton(dialog, IDCANCEL); }
};

TEST_F(CableSelectTest, F5OpensTheDialogAt500x290WithItsListAndButtons) {
    HWND seen = nullptr;
    RECT window{}, list{}, ok{}, no{};
    LONG listStyle = 0, okStyle = 0, noStyle = 0;
    int itemHeight = 0;
    std::string title;
    HWND owner = nullptr;
    bool mainEnabled = true;
    ASSERT_TRUE(openSelection(
        [&](HWND dialog) {
            seen = dialog;
            ::GetWindowRect(dialog, &window);
            title = windowText(dialog);
            owner = ::GetWindow(dialog, GW_OWNER);
            mainEnabled = ::IsWindowEnabled(mainWindow());
            list = clientRectOf(dialog, listOf(dialog));
            ok = clientRectOf(dialog, ::GetDlgItem(dialog, IDOK));
            no = clientRectOf(dialog, ::GetDlgItem(dialog, IDCANCEL));
            listStyle = ::GetWindowLongA(listOf(dialog), GWL_STYLE);
            itemHeight = static_cast<int>(::SendMessageA(listOf(dialog), LB_GETITEMHEIGHT, 0, 0));
            okStyle = ::GetWindowLongA(::GetDlgItem(dialog, IDOK), GWL_STYLE);
            noStyle = ::GetWindowLongA(::GetDlgItem(dialog, IDCANCEL), GWL_STYLE);
            clickButton(dialog, IDCANCEL);
        },
        true));
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(title, "Cable selection");
    EXPECT_EQ(window.right - window.left, 500);
    EXPECT_EQ(window.bottom - window.top, 290);
    EXPECT_EQ(owner, mainWindow());
    EXPECT_FALSE(mainEnabled) << "the main window is disabled while the dialog runs";
    EXPECT_TRUE(::IsWindowEnabled(mainWindow())) << "and enabled again afterwards";
    // The list is made in (22, 42)-(478, 200); having no LBS_NOINTEGRALHEIGHT, the list box trims
    // its height to whole rows inside its one-pixel border.
    ASSERT_GT(itemHeight, 0);
    EXPECT_TRUE(sameRect(list, RECT{22, 42, 478, 200 - (200 - 42 - 2) % itemHeight}));
    EXPECT_EQ(listStyle & LBS_NOINTEGRALHEIGHT, 0);
    EXPECT_TRUE(sameRect(ok, RECT{22, 211, 62, 251}));
    EXPECT_TRUE(sameRect(no, RECT{67, 211, 107, 251}));
    const LONG wanted = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_DISABLENOSCROLL;
    EXPECT_EQ(listStyle & wanted, wanted);
    EXPECT_EQ(listStyle & LBS_SORT, 0) << "the list keeps the order of the tree";
    EXPECT_EQ(okStyle & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(noStyle & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(okStyle & WS_VISIBLE);
    EXPECT_TRUE(noStyle & WS_VISIBLE);
}

TEST_F(CableSelectTest, FirstOpeningShowsTheRootAndItsPathLine) {
    Rows rows;
    int selection = 0, blueRight = -1, blue = 0, black = 0, screenDiffers = -1, paintedDiffers = -1;
    int otherPathDiffers = 0, noEdgesDiffers = 0;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        rows = rowsOf(dialog);
        selection = selectedRow(dialog);
        PumpUntilIdle();
        Pixels screen = Pixels::OfScreen(dialog);
        blue = screen.countOf(RGB(0, 0, 255), RECT{22, 21, 200, 40});
        black = screen.countOf(RGB(0, 0, 0), RECT{20, 5, 200, 20});
        blueRight = rightmostBlue(screen);
        screenDiffers = pathStripDifferences(screen, ">Cables");
        paintedDiffers = pathStripDifferences(Pixels::OfClient(dialog), ">Cables");
        otherPathDiffers = pathStripDifferences(screen, ">Cables\\Computer");
        noEdgesDiffers = pathStripDifferences(screen, ">Cable");
        cancelAfter(dialog);
    }));
    EXPECT_EQ(rows, (Rows{"[   ] Cables", "[+] Computer", "[+] Audio-Video", "[+] AC Power adapters"}));
    EXPECT_EQ(selection, -1) << "no row is selected";
    EXPECT_GT(black, 30) << "\"category path:\" in black";
    EXPECT_GT(blue, 20) << "the path in blue";
    int width = textWidth(">Cables");
    EXPECT_GE(blueRight, 22 + width - 4);
    EXPECT_LT(blueRight, 22 + width);
    EXPECT_EQ(paintedDiffers, 0) << "the path strip differs from >Cables in white, grey and blue";
    EXPECT_EQ(screenDiffers, 0) << "the path strip on screen differs from >Cables";
    // The comparison tells paths apart, down to one letter.
    EXPECT_GT(otherPathDiffers, 20);
    EXPECT_GT(noEdgesDiffers, 5);
}

TEST_F(CableSelectTest, WalkingDownGivesEachListAndPathCharacterForCharacter) {
    struct Seen {
        Rows rows;
        int differs;
    };
    std::vector<Seen> seen;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        auto look = [&](const std::string& path) {
            PumpUntilIdle();
            seen.push_back({rowsOf(dialog), pathStripDifferences(Pixels::OfScreen(dialog), path)});
        };
        doubleClickRow(dialog, 1);
        look(">Cables\\Computer");
        doubleClickRow(dialog, 0);
        doubleClickRow(dialog, 2);
        look(">Cables\\Audio-Video");
        doubleClickRow(dialog, 0);
        doubleClickRow(dialog, 1);
        doubleClickRow(dialog, 1);
        doubleClickRow(dialog, 1);
        look(">Cables\\Computer\\Data transfer\\Serial");
        doubleClickRow(dialog, 1);
        look(">Cables\\Computer\\Data transfer\\Serial\\RS232");
        doubleClickRow(dialog, 0);
        look(">Cables\\Computer\\Data transfer\\Serial");
        cancelAfter(dialog);
    }));
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].rows, (Rows{"[ - ] Computer", "[+] Data transfer", "[+] Data storage", "[+] Monitor",
                                  "[+] Audio", "[+] Misc"}));
    EXPECT_EQ(seen[1].rows, (Rows{"[ - ] Audio-Video", "[+] SCART (VHS)", "[+] SCART (SVHS)", "[+] Misc"}));
    EXPECT_EQ(seen[2].rows, (Rows{"[ - ] Serial", "[+] RS232", "[+] Apple", "[+] Adapters"}));
    EXPECT_EQ(seen[3].rows,
              (Rows{"[ - ] RS232", "      nullmodem, 3-Wire, DB25-DB25", "      nullmodem, 3-Wire, DB25-DB9",
                    "      nullmodem, 3-Wire, DB9-DB9", "      nullmodem, DB25-DB25", "      nullmodem, DB25-DB9",
                    "      nullmodem, DB9-DB9"}));
    EXPECT_EQ(seen[4].rows, seen[2].rows) << "the heading row goes back up";
    for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i].differs, 0) << "path line " << i;
    EXPECT_EQ(view().browseNode, 3) << "cancelling keeps the category";
}

TEST_F(CableSelectTest, HeadingAtTheRootShowsTheMessageAndChangesNothing) {
    Snapshot before = snapshot(frame());
    DialogInfo box;
    HWND boxOwner = nullptr;
    bool boxSeen = false;
    Rows rowsBefore, rowsAfter;
    int selection = -5, differs = -1;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        rowsBefore = rowsOf(dialog);
        DialogWaiter message([&](HWND shown) {
            boxOwner = ::GetWindow(shown, GW_OWNER);
            PressButton(shown, IDOK);
        });
        doubleClickRow(dialog, 0);
        boxSeen = message.seen();
        box = message.dialog();
        rowsAfter = rowsOf(dialog);
        selection = selectedRow(dialog);
        PumpUntilIdle();
        differs = pathStripDifferences(Pixels::OfScreen(dialog), ">Cables");
        cancelAfter(dialog);
    }));
    ASSERT_TRUE(boxSeen) << "no message box";
    EXPECT_EQ(box.text, "Already in lowest level");
    EXPECT_EQ(box.caption, "Strandor!");
    EXPECT_NE(boxOwner, mainWindow()) << "the message box belongs to the dialog";
    EXPECT_NE(boxOwner, nullptr);
    EXPECT_EQ(rowsAfter, rowsBefore);
    EXPECT_EQ(selection, 0) << "the heading row stays selected";
    EXPECT_EQ(differs, 0) << "the path line still reads >Cables";
    EXPECT_EQ(view().browseNode, 0);
    expectUnchanged(before, snapshot(frame()));
}

TEST_F(CableSelectTest, PickingCable42SetsTitlePathsAndRepaintsThePanels) {
    Snapshot before = snapshot(frame());
    EXPECT_EQ(before.title, "Strandor!");
    PanelPaints paints(frame());
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        walkDown(dialog, {1, 1, 1, 3});
        EXPECT_EQ(rowsOf(dialog).at(3), "      MAC - PC (DB25) serial, type 2");
        doubleClickRow(dialog, 3);
    }));
    EXPECT_EQ(windowText(mainWindow()), "Strandor! [ MAC - PC (DB25) serial, type 2 ]");
    EXPECT_EQ(view().shownCable.origin.tableRow, 42);
    EXPECT_EQ(view().diagramPanel.firstPath, "DATA\\CABLE\\CABLE.042");
    EXPECT_EQ(view().startPanel.firstPath, "DATA\\PLUG\\PLUG.029");
    EXPECT_EQ(view().startPanel.secondPath, "DATA\\PINOUTS\\PINOUTS.035");
    EXPECT_EQ(view().endPanel.firstPath, "DATA\\PLUG\\PLUG.011");
    EXPECT_EQ(view().endPanel.secondPath, "DATA\\PINOUTS\\PINOUTS.002");
    EXPECT_EQ(view().diagramPanel.secondPath, before.paths[3]) << "the diagram's second path is left alone";
    EXPECT_EQ(view().startPanel.showFirst, 1);
    EXPECT_EQ(view().endPanel.showFirst, 1);
    EXPECT_GE(paints.of(view().startPanel), 1);
    EXPECT_GE(paints.of(view().diagramPanel), 1);
    EXPECT_GE(paints.of(view().endPanel), 1);
    EXPECT_EQ(view().browseNode, 21) << "the dialog stays in Adapters";

    // Picking the same cable again runs everything again.
    PanelPaints again(frame());
    ::SetWindowTextA(mainWindow(), "changed");
    ASSERT_TRUE(openSelection([&](HWND dialog) { doubleClickRow(dialog, 3); }));
    EXPECT_EQ(windowText(mainWindow()), "Strandor! [ MAC - PC (DB25) serial, type 2 ]");
    EXPECT_GE(again.total(), 3);
}

TEST_F(CableSelectTest, DialogReturnsTheCableNumberOrMinusOne) {
    EXPECT_EQ(runDialog([](HWND dialog) {
                  walkDown(dialog, {1, 1, 1, 1});
                  doubleClickRow(dialog, 1);
              }),
              1);
    EXPECT_EQ(view().browseNode, 4);
    EXPECT_EQ(runDialog([](HWND dialog) { doubleClickRow(dialog, 6); }), 6);
    EXPECT_EQ(runDialog([](HWND dialog) {
                  walkDown(dialog, {2, 3});
                  ::SendMessageA(listOf(dialog), LB_SETCURSEL, 1, 0);
                  clickButton(dialog, IDOK);
              }),
              13)
        << "OK chooses the selected row";
    EXPECT_EQ(runDialog([](HWND dialog) { clickButton(dialog, IDCANCEL); }), -1);
    EXPECT_EQ(runDialog([](HWND dialog) { ::PostMessageA(listOf(dialog), WM_KEYDOWN, VK_ESCAPE, 1); }), -1);
    EXPECT_EQ(runDialog([](HWND dialog) { ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }), -1);
    EXPECT_EQ(runDialog([](HWND dialog) { ::PostMessageA(dialog, WM_CLOSE, 0, 0); }), -1);
    EXPECT_EQ(view().browseNode, 15) << "cancelling keeps the category";
}

TEST_F(CableSelectTest, NextOpeningShowsTheCategoryOfTheLastPickWithNoRowSelected) {
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        walkDown(dialog, {1, 1, 1, 3});
        doubleClickRow(dialog, 8);
    }));
    EXPECT_EQ(view().shownCable.origin.tableRow, 58);
    Rows rows;
    int selection = 0, differs = -1;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        rows = rowsOf(dialog);
        selection = selectedRow(dialog);
        PumpUntilIdle();
        differs = pathStripDifferences(Pixels::OfScreen(dialog), ">Cables\\Computer\\Data transfer\\Serial\\Adapters");
        cancelAfter(dialog);
    }));
    EXPECT_EQ(rows, (Rows{"[ - ] Adapters", "      MAC - PC (DB25) serial", "      MAC - PC (DB9) serial",
                          "      MAC - PC (DB25) serial, type 2", "      MAC - PC (DB9) serial, type 2",
                          "      MAC (DB9) - PC (DB25) serial", "      MAC (DB9) - PC (DB9) serial",
                          "      MIT (RJ-11) - PC (DB9) serial", "      MIT (RJ-11) - PC (DB25) serial"}));
    EXPECT_EQ(selection, -1);
    EXPECT_EQ(differs, 0) << "the path line of Adapters";
}

TEST_F(CableSelectTest, NextOpeningShowsTheCategoryWhereTheLastCancelLeftIt) {
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        doubleClickRow(dialog, 2);
        doubleClickRow(dialog, 2);
        ::PostMessageA(listOf(dialog), WM_KEYDOWN, VK_ESCAPE, 1);
    }));
    Rows rows;
    int selection = 0;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        rows = rowsOf(dialog);
        selection = selectedRow(dialog);
        cancelAfter(dialog);
    }));
    EXPECT_EQ(rows, (Rows{"[ - ] SCART (SVHS)", "      Soundcard - SCART (SVHS)", "      SCART (SVHS)-RCA audio in",
                          "      SCART (SVHS)-RCA audio out", "      SCART (SVHS)-DIN5 audio in/out"}));
    EXPECT_EQ(selection, -1);
}

TEST_F(CableSelectTest, CancellingByNoEscapeOrCloseBoxChangesAndRepaintsNothing) {
    // Start from a picked cable, so that every field has something to lose.
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        walkDown(dialog, {1, 3});
        doubleClickRow(dialog, 3);
    }));
    ASSERT_EQ(view().shownCable.origin.tableRow, 49);
    PumpUntilIdle();
    const std::vector<std::pair<const char*, std::function<void(HWND)>>> cancels = {
        {"NO button", [](HWND dialog) { clickButton(dialog, IDCANCEL); }},
        {"Escape", [](HWND dialog) { ::PostMessageA(listOf(dialog), WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"close box", [](HWND dialog) { ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"WM_CLOSE", [](HWND dialog) { ::PostMessageA(dialog, WM_CLOSE, 0, 0); }},
    };
    for (const auto& cancel : cancels) {
        SCOPED_TRACE(cancel.first);
        Snapshot before = snapshot(frame());
        PanelPaints paints(frame());
        ASSERT_TRUE(openSelection([&](HWND dialog) {
            doubleClickRow(dialog, 0);  // up into Computer, then cancel there
            ::SendMessageA(listOf(dialog), LB_SETCURSEL, 2, 0);
            cancel.second(dialog);
        }));
        expectUnchanged(before, snapshot(frame()));
        EXPECT_EQ(before.title, "Strandor! [ SVGA to BNC adapter ]");
        EXPECT_EQ(paints.total(), 0) << "a cancel repaints no panel";
        EXPECT_EQ(view().browseNode, 1);
        // Back into Monitor for the next round.
        ASSERT_TRUE(openSelection([&](HWND dialog) {
            doubleClickRow(dialog, 3);
            clickButton(dialog, IDCANCEL);
        }));
        ASSERT_EQ(view().browseNode, 9);
    }
}

TEST_F(CableSelectTest, OkAndEnterWithNoRowSelectedAreIgnored) {
    Snapshot before = snapshot(frame());
    bool openAfterOk = false, openAfterEnter = false;
    Rows rowsBefore, rowsAfterOk, rowsAfterEnter;
    int selectionAfterEnter = 0;
    std::unique_ptr<Later> check;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        walkDown(dialog, {1, 1, 1});
        // Going down fills the list anew: nothing is selected now.
        rowsBefore = rowsOf(dialog);
        clickButton(dialog, IDOK);
        openAfterOk = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
        rowsAfterOk = rowsOf(dialog);
        ::SetFocus(listOf(dialog));
        ::PostMessageA(listOf(dialog), WM_KEYDOWN, VK_RETURN, 1);
        check.reset(new Later(300, [&, dialog] {
            openAfterEnter = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
            rowsAfterEnter = rowsOf(dialog);
            selectionAfterEnter = selectedRow(dialog);
            clickButton(dialog, IDCANCEL);
        }));
    }));
    EXPECT_EQ(rowsBefore, (Rows{"[ - ] Serial", "[+] RS232", "[+] Apple", "[+] Adapters"}));
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(rowsAfterOk, rowsBefore);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(rowsAfterEnter, rowsBefore);
    EXPECT_EQ(selectionAfterEnter, -1);
    EXPECT_EQ(view().browseNode, 3);
    expectUnchanged(before, snapshot(frame()));
}

TEST_F(CableSelectTest, EnterOnASelectedRowChoosesIt) {
    std::unique_ptr<Later> check;
    Rows rows;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        ::SetFocus(listOf(dialog));
        ::SendMessageA(listOf(dialog), LB_SETCURSEL, 3, 0);
        ::PostMessageA(listOf(dialog), WM_KEYDOWN, VK_RETURN, 1);
        check.reset(new Later(300, [&, dialog] {
            rows = rowsOf(dialog);
            clickButton(dialog, IDCANCEL);
        }));
    }));
    EXPECT_EQ(rows, (Rows{"[ - ] AC Power adapters", "[+] T65 - Internatioal AC adapters",
                          "[+] Type \"S\" - Internatioal AC adapters"}));
    EXPECT_EQ(view().browseNode, 22);
}

TEST_F(CableSelectTest, Every77CablesCanBeReachedAndPicked) {
    // First walk the live tree to find where every cable row is.
    std::vector<Route> routes;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        std::function<void(std::vector<int>)> explore = [&](std::vector<int> categories) {
            Rows rows = rowsOf(dialog);
            for (int row = 1; row < static_cast<int>(rows.size()); ++row) {
                if (rows[row].rfind("[+] ", 0) == 0) {
                    doubleClickRow(dialog, row);
                    std::vector<int> deeper = categories;
                    deeper.push_back(row);
                    ASSERT_LT(deeper.size(), 6u);
                    explore(deeper);
                    doubleClickRow(dialog, 0);
                } else {
                    ASSERT_EQ(rows[row].substr(0, 6), "      ") << rows[row];
                    routes.push_back({categories, row, rows[row].substr(6)});
                }
            }
        };
        explore({});
        cancelAfter(dialog);
    }));
    EXPECT_EQ(routes.size(), 79u) << "77 cables, two of them in two lists";

    // Then pick each one as a user would and look at what the main window became.
    std::set<int> picked;
    for (const Route& route : routes) {
        SCOPED_TRACE(route.text);
        ASSERT_TRUE(openSelection([&](HWND dialog) {
            walkDown(dialog, route.categories);
            doubleClickRow(dialog, route.row);
        }));
        int number = view().shownCable.origin.tableRow;
        ASSERT_GT(number, 0);
        ASSERT_LT(number, 100);
        picked.insert(number);
        const CableRecord& row = Catalog.cables[number];
        ASSERT_NE(row.name, nullptr);
        EXPECT_EQ(route.text, row.name);
        EXPECT_EQ(windowText(mainWindow()), "Strandor! [ " + route.text + " ]");
        EXPECT_EQ(view().diagramPanel.firstPath, DataFileName(DataPrefix::Cable, number));
        EXPECT_EQ(view().startPanel.firstPath, DataFileName(DataPrefix::Plug, row.startPlug));
        EXPECT_EQ(view().startPanel.secondPath, DataFileName(DataPrefix::Pinouts, row.startPinouts));
        EXPECT_EQ(view().endPanel.firstPath, DataFileName(DataPrefix::Plug, row.endPlug));
        EXPECT_EQ(view().endPanel.secondPath, DataFileName(DataPrefix::Pinouts, row.endPinouts));
    }
    std::set<int> inUse;
    for (int number = 1; number <= 30; ++number) inUse.insert(number);
    for (int number = 33; number <= 38; ++number) inUse.insert(number);
    for (int number = 42; number <= 82; ++number) inUse.insert(number);
    EXPECT_EQ(picked, inUse);
}

TEST_F(CableSelectTest, AConnectorPanelShowingPinoutsShowsTheNewCablesPinouts) {
    MakeDataFolders();
    const COLORREF green = RGB(0, 128, 0), red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.029", -30000, 30000, 30000, -30000, green);
    WriteRectangleDrawing("DATA\\PINOUTS\\PINOUTS.035", -30000, 30000, 30000, -30000, red);
    WriteRectangleDrawing("DATA\\PLUG\\PLUG.011", -30000, 30000, 30000, -30000, blue);
    ::SendMessageA(mainWindow(), WM_COMMAND, ID_START_PINOUTS, 0);
    PumpUntilIdle();
    ASSERT_EQ(view().startPanel.showFirst, 0);
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        walkDown(dialog, {1, 1, 1, 3});
        doubleClickRow(dialog, 3);
    }));
    EXPECT_EQ(view().startPanel.showFirst, 0) << "the panel goes on showing pinouts";
    EXPECT_EQ(view().startPanel.secondPath, "DATA\\PINOUTS\\PINOUTS.035");
    Pixels start = Pixels::OfScreen(view().startPanel.GetSafeHwnd());
    RECT inside = {5, 5, start.width() - 5, start.height() - 5};
    int area = (inside.right - inside.left) * (inside.bottom - inside.top);
    EXPECT_GT(start.countOf(red, inside), area / 2) << "the new start pinouts";
    EXPECT_EQ(start.countOf(green, inside), 0) << "not the start connector";
    Pixels end = Pixels::OfScreen(view().endPanel.GetSafeHwnd());
    EXPECT_GT(end.countOf(blue, inside), area / 2) << "the end panel shows the new end connector";

    // The next toggle shows the new connector drawing.
    ::SendMessageA(mainWindow(), WM_COMMAND, ID_START_PINOUTS, 0);
    PumpUntilIdle();
    Pixels toggled = Pixels::OfScreen(view().startPanel.GetSafeHwnd());
    EXPECT_GT(toggled.countOf(green, inside), area / 2);
    for (const char* file : {"DATA\\PLUG\\PLUG.029", "DATA\\PINOUTS\\PINOUTS.035", "DATA\\PLUG\\PLUG.011"})
        ::DeleteFileA(file);
}

TEST_F(CableSelectTest, DeepInTheTreeThePathLineNamesEveryLevel) {
    const std::string path = ">Cables\\Computer\\Data transfer\\Serial\\Adapters";
    int differs = -1, blueRight = -1, blue = 0;
    ASSERT_TRUE(openSelection([&](HWND dialog) {
        walkDown(dialog, {1, 1, 1, 3});
        ::SendMessageA(listOf(dialog), LB_SETCURSEL, 3, 0);
        PumpUntilIdle();
        Pixels screen = Pixels::OfScreen(dialog);
        differs = pathStripDifferences(screen, path);
        blueRight = rightmostBlue(screen);
        blue = screen.countOf(RGB(0, 0, 255), RECT{22, 21, 478, 40});
        saveWindowAsBmp(dialog, "select-dialog.bmp");
        cancelAfter(dialog);
    }));
    EXPECT_EQ(differs, 0);
    int width = textWidth(path);
    EXPECT_GE(blueRight, 22 + width - 4);
    EXPECT_LT(blueRight, 22 + width);
    EXPECT_GT(blue, 150);
}
