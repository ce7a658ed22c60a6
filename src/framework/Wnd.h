#pragma once
// The window base class. A static window procedure finds the C++ object and calls its one virtual
// WindowProc; each derived class's WindowProc is a plain switch, its message map.

#include <windows.h>

#include <string>

class CDC;
struct AccessibleFacts;

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    // The object that runs the window, or null for a window of no object of ours.
    static CWnd* FromHandle(HWND window);

    HWND GetSafeHwnd() const { return hwnd; }
    operator HWND() const { return hwnd; }

    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  HWND parent, HMENU menuOrId);
    bool DestroyWindow();

    void GetClientRect(RECT* rect) const { ::GetClientRect(hwnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(hwnd, rect); }
    bool ShowWindow(int command) { return ::ShowWindow(hwnd, command) != 0; }
    void UpdateWindow() { ::UpdateWindow(hwnd); }
    void SetWindowText(const std::string& text) { ::SetWindowTextA(hwnd, text.c_str()); }
    std::string GetWindowText() const;
    bool RedrawWindow(const RECT* rect, UINT flags) { return ::RedrawWindow(hwnd, rect, nullptr, flags) != 0; }
    bool SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags) {
        return ::SetWindowPos(hwnd, after, x, y, width, height, flags) != 0;
    }
    int MessageBox(const char* text, const char* caption, UINT type) {
        return ::MessageBoxA(hwnd, text, caption, type);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::PostMessageA(hwnd, message, wParam, lParam) != 0;
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageA(hwnd, message, wParam, lParam);
    }

    // Takes over a window made by someone else's class (a button, say): its messages reach
    // WindowProc first and everything unhandled goes on to the class's own procedure.
    bool SubclassWindow(HWND window);

    // What a screen reader is told about the window (framework/Accessible.h); false leaves it to
    // the system's standard answer.
    virtual bool describe(AccessibleFacts&) const { return false; }
    // The describe of the window's object, if it has one.
    static bool DescribeWindow(HWND window, AccessibleFacts& facts);

    // Child windows of the program's own: double-clicks, full redraw on resize, no background.
    static const char* DefaultChildClass();

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone for good; a heap object may delete itself here.
    virtual void PostNcDestroy() {}
    // One paint routine serves WM_PAINT and WM_PRINTCLIENT alike, so a window paints the same
    // on screen and for anyone who asks for its pixels. The base's message map sends both here.
    virtual void Paint(CDC&) {}
    void OnPaint(UINT message, WPARAM wParam);
    // Owner-drawn controls draw themselves: the parent hands WM_DRAWITEM to the control's object.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    static bool ReflectDrawItem(LPARAM lParam);

    void attach(HWND window);
    void detach();

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;
    WNDPROC superProc = nullptr;  // the class's own procedure of a subclassed window
};

// Reports an error that reached a window procedure, so it never unwinds through Windows' own code;
// the message box has the program's name for its caption.
void ReportUnhandledError(HWND owner, const char* what);
