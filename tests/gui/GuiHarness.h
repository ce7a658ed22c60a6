#pragma once
// What the GUI tests need to drive the real windows in-process: a message pump that runs until the
// queue is idle, answers for modal dialogs and message boxes, pixels of a window, and a fixture
// that starts the program as WinMain would and tears it down again.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/GuideApp.h"
#include "app/MainFrame.h"
#include "ui/Contrast.h"

// Dispatches messages (through the application's accelerators, like the real loop) until none has
// come for `quietMs`. Returns true if a WM_QUIT was taken from the queue.
bool PumpUntilIdle(int quietMs = 60, int maxMs = 5000);

// A top-level dialog window of this thread that is visible.
struct DialogInfo {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text;  // a message box's text (its static control 0xFFFF)
};
DialogInfo Describe(HWND dialog);

// Arms a timer that waits for a new dialog to appear (inside whatever modal loop is running) and
// calls `handler` with it once. Returns immediately; the handler runs during later pumping.
class DialogWaiter {
public:
    explicit DialogWaiter(std::function<void(HWND)> handler, int timeoutMs = 8000);
    ~DialogWaiter();
    bool seen() const { return handled; }
    const DialogInfo& dialog() const { return info; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD);
    void tick();

    std::function<void(HWND)> handler;
    std::vector<HWND> known;
    UINT_PTR timer = 0;
    int ticksLeft;
    bool handled = false;
    DialogInfo info;
};

// The notes drawing an open notes dialog shows.
int NotesNumberOf(HWND notesDialog);

// Presses a dialog button as a click would.
void PressButton(HWND dialog, int id);

// Sends a key to a window through the queue (WM_KEYDOWN then WM_KEYUP) and pumps.
void PressKey(HWND window, UINT virtualKey);

// Client-area pixels, painted by the window itself through WM_PRINTCLIENT.
class Pixels {
public:
    static Pixels OfClient(HWND window);
    // What the screen shows in the window's client area (children and all).
    static Pixels OfScreen(HWND window);
    // A w x h picture that `draw` paints on a memory DC: a reference to compare with.
    static Pixels Drawn(int w, int h, const std::function<void(HDC memory)>& draw);
    COLORREF at(int x, int y) const;
    int width() const { return w; }
    int height() const { return h; }
    int countOf(COLORREF colour, const RECT& area) const;

private:
    int w = 0, h = 0;
    std::vector<std::uint32_t> bits;  // 0x00RRGGBB, top-down
};

std::string ColourName(COLORREF colour);

// A high-contrast theme as the system would report it: black surface, white and green edges, yellow text.
SystemColours HighContrastSystem();

// Starts the program as WinMain does (the application object, InitInstance) and ends it without
// the quit question at the end of each test.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND mainWindow() const;
    HWND startWindow() const;
    // The main window this test's program made, and its state to read.
    MainFrame& frame() const;
    MainFrameView view() const { return frame().View(); }

    GuideApp* app = nullptr;
};

// The folder the tests run in: a scratch folder with a DATA tree the tests write themselves.
std::string ScratchFolder();

// What a test sets in the main window directly, where no user action reaches it.
struct MainFrameProbe {
    static std::string& StatusText(MainFrame& frame) { return frame.StatusText; }
    static Scale& PanelScale(MainFrame& frame) { return frame.PanelScale; }
    static int& BrowseNode(MainFrame& frame) { return frame.browseNode; }
};
