// The smallest Win32 program that opens one window and paints it: the baseline the program's
// start-up is measured against. Same size and place as the start window, grey like it.

#include <windows.h>

namespace {
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(window, &ps);
            HBRUSH grey = ::CreateSolidBrush(RGB(192, 192, 192));
            ::FillRect(dc, &ps.rcPaint, grey);
            ::DeleteObject(grey);
            ::EndPaint(window, &ps);
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(window, message, wParam, lParam);
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "BaselineWindow";
    ::RegisterClassA(&wc);
    int x = (::GetSystemMetrics(SM_CXSCREEN) - 402) / 2 + 10;
    int y = (::GetSystemMetrics(SM_CYSCREEN) - 302) / 2 + 10;
    HWND window = ::CreateWindowExA(WS_EX_CLIENTEDGE, "BaselineWindow", "Baseline window",
                                    WS_POPUP | WS_VISIBLE | WS_BORDER, x, y, 402, 302, nullptr, nullptr, instance,
                                    nullptr);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
