#include "GuiHarness.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "drawing/NotesDialog.h"
#include "framework/WinApp.h"

bool PumpUntilIdle(int quietMs, int maxMs) {
    bool quit = false;
    DWORD start = ::GetTickCount();
    for (;;) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                continue;
            }
            CWinApp* app = CWinApp::current;
            if (app && app->PreTranslateMessage(message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (static_cast<int>(::GetTickCount() - start) > maxMs) break;
        if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, quietMs, QS_ALLINPUT) == WAIT_TIMEOUT) break;
    }
    return quit;
}

namespace {
std::string textOf(HWND window) {
    char buffer[1024] = "";
    ::GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

bool isDialog(HWND window) {
    char className[64] = "";
    ::GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && ::IsWindowVisible(window);
}

BOOL CALLBACK collectDialog(HWND window, LPARAM list) {
    if (isDialog(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> threadDialogs() {
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(::GetCurrentThreadId(), collectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

std::map<UINT_PTR, DialogWaiter*>& waiters() {
    static std::map<UINT_PTR, DialogWaiter*> all;
    return all;
}
}  // namespace

DialogInfo Describe(HWND dialog) {
    DialogInfo info;
    info.hwnd = dialog;
    info.caption = textOf(dialog);
    if (HWND text = ::GetDlgItem(dialog, 0xFFFF)) info.text = textOf(text);
    return info;
}

DialogWaiter::DialogWaiter(std::function<void(HWND)> handler, int timeoutMs)
    : handler(std::move(handler)), known(threadDialogs()), ticksLeft(timeoutMs / 20) {
    timer = ::SetTimer(nullptr, 0, 20, &DialogWaiter::onTimer);
    waiters()[timer] = this;
}

DialogWaiter::~DialogWaiter() {
    if (timer) {
        ::KillTimer(nullptr, timer);
        waiters().erase(timer);
    }
}

void CALLBACK DialogWaiter::onTimer(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = waiters().find(id);
    if (found != waiters().end()) found->second->tick();
}

void DialogWaiter::tick() {
    HWND fresh = nullptr;
    for (HWND dialog : threadDialogs()) {
        if (std::find(known.begin(), known.end(), dialog) == known.end()) fresh = dialog;
    }
    if (!fresh && --ticksLeft > 0) return;
    ::KillTimer(nullptr, timer);
    waiters().erase(timer);
    timer = 0;
    if (!fresh) return;
    handled = true;
    info = Describe(fresh);
    handler(fresh);
}

void PressButton(HWND dialog, int id) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void PressKey(HWND window, UINT virtualKey) {
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
    PumpUntilIdle();
}

Pixels Pixels::Drawn(int w, int h, const std::function<void(HDC memory)>& fill) {
    Pixels pixels;
    pixels.w = w;
    pixels.h = h;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.w;
    info.bmiHeader.biHeight = -pixels.h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP section = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, section);
    fill(memory);
    ::GdiFlush();
    const auto* data = static_cast<const std::uint32_t*>(bits);
    pixels.bits.assign(data, data + static_cast<size_t>(pixels.w) * pixels.h);
    ::SelectObject(memory, old);
    ::DeleteObject(section);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

namespace {
SIZE clientSize(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}
}  // namespace

Pixels Pixels::OfClient(HWND window) {
    SIZE size = clientSize(window);
    return Drawn(size.cx, size.cy, [window](HDC memory) {
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    });
}

Pixels Pixels::OfScreen(HWND window) {
    SIZE size = clientSize(window);
    int w = size.cx, h = size.cy;
    return Drawn(w, h, [window, w, h](HDC memory) {
        POINT origin = {0, 0};
        ::ClientToScreen(window, &origin);
        HDC screen = ::GetDC(nullptr);
        ::BitBlt(memory, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
        ::ReleaseDC(nullptr, screen);
    });
}

COLORREF Pixels::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return CLR_INVALID;
    std::uint32_t p = bits[static_cast<size_t>(y) * w + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Pixels::countOf(COLORREF colour, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (at(x, y) == colour) ++count;
    return count;
}

int NotesNumberOf(HWND notesDialog) {
    auto* dialog = dynamic_cast<NotesDialog*>(CWnd::FromHandle(notesDialog));
    return dialog ? dialog->notesNumber : -1;
}

// A high-contrast theme as the system would report it: black surface, white and green edges, yellow text.
SystemColours HighContrastSystem() {
    SystemColours system;
    system.buttonFace = RGB(0, 0, 0);
    system.buttonHighlight = RGB(255, 255, 255);
    system.buttonShadow = RGB(0, 128, 0);
    system.buttonText = RGB(255, 255, 0);
    return system;
}

std::string ColourName(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

void ProgramTest::SetUp() {
    // The real pointer would otherwise rest over a panel in the screen's middle and set its hint.
    ::SetCursorPos(1023, 767);
    app = new GuideApp;
    app->showCommand = SW_SHOWNORMAL;
    app->InitInstance();
    PumpUntilIdle();
}

void ProgramTest::TearDown() {
    if (HWND main = mainWindow()) ::DestroyWindow(main);
    PumpUntilIdle(20);
    delete app;
    app = nullptr;
}

HWND ProgramTest::mainWindow() const {
    return app && app->mainWindow ? app->mainWindow->GetSafeHwnd() : nullptr;
}

HWND ProgramTest::startWindow() const { return app->startWindow.GetSafeHwnd(); }

MainFrame& ProgramTest::frame() const { return *static_cast<MainFrame*>(app->mainWindow); }

std::string ScratchFolder() {
    char folder[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}
