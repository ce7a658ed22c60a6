#include "framework/Wnd.h"

#include <exception>
#include <vector>

#include "framework/Accessible.h"
#include "framework/Dc.h"
#include "framework/WinApp.h"

namespace {
const char* const ObjectProperty = "StrandorObject";
}

CWnd::~CWnd() { detach(); }

CWnd* CWnd::FromHandle(HWND window) {
    if (!window) return nullptr;
    return static_cast<CWnd*>(::GetPropA(window, ObjectProperty));
}

void CWnd::attach(HWND window) {
    hwnd = window;
    ::SetPropA(window, ObjectProperty, this);
}

void CWnd::detach() {
    if (!hwnd) return;
    if (superProc) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc));
        superProc = nullptr;
    }
    ::RemovePropA(hwnd, ObjectProperty);
    hwnd = nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    HWND parent, HMENU menuOrId) {
    HWND created = ::CreateWindowExA(exStyle, className, windowName, style, rect.left, rect.top,
                                     rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                     ProgramInstance(), this);
    return created != nullptr;
}

bool CWnd::DestroyWindow() { return hwnd && ::DestroyWindow(hwnd) != 0; }

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(hwnd);
    std::vector<char> text(length + 1);
    ::GetWindowTextA(hwnd, text.data(), length + 1);
    return std::string(text.data());
}

bool CWnd::SubclassWindow(HWND window) {
    if (!window) return false;
    attach(window);
    superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return true;
}

const char* CWnd::DefaultChildClass() {
    static const char* const name = "StrandorChild";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = &CWnd::StaticWindowProc;
        wc.hInstance = ProgramInstance();
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        registered = ::RegisterClassA(&wc) != 0;
    }
    return name;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            if (superProc) break;  // a system control we took over paints itself
            OnPaint(message, wParam);
            return 0;
        case WM_DRAWITEM:
            if (ReflectDrawItem(lParam)) return TRUE;
            break;
        case WM_GETOBJECT:
            if (LRESULT answer = AnswerGetObject(hwnd, wParam, lParam, &CWnd::DescribeWindow)) return answer;
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

void CWnd::OnPaint(UINT message, WPARAM wParam) {
    if (message == WM_PRINTCLIENT) {
        CDC dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        Paint(dc);
    } else {
        CPaintDC dc(hwnd);
        Paint(dc);
    }
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (superProc) return ::CallWindowProcA(superProc, hwnd, message, wParam, lParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

bool CWnd::DescribeWindow(HWND window, AccessibleFacts& facts) {
    const CWnd* object = FromHandle(window);
    return object && object->describe(facts);
}

bool CWnd::ReflectDrawItem(LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!item || item->CtlType != ODT_BUTTON) return false;
    CWnd* control = FromHandle(item->hwndItem);
    if (!control) return false;
    control->DrawItem(*item);
    return true;
}

// Runs one message through the object's message map; when the window is gone for good the
// object lets go of it and may delete itself.
LRESULT CWnd::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUnhandledError(hwnd, error.what());
    }
    if (message == WM_NCDESTROY) {
        detach();
        PostNcDestroy();
    }
    return result;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = FromHandle(window);
    if (!object && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        object = static_cast<CWnd*>(create->lpCreateParams);
        if (object) object->attach(window);
    }
    if (!object) return ::DefWindowProcA(window, message, wParam, lParam);
    return object->dispatch(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = FromHandle(window);
    if (!object) return ::DefWindowProcA(window, message, wParam, lParam);
    return object->dispatch(message, wParam, lParam);
}

void ReportUnhandledError(HWND owner, const char* what) {
    ::MessageBoxA(owner, what, ProgramTitle(), MB_OK | MB_ICONHAND);
}
