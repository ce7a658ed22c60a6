#include "framework/Dpi.h"

namespace {
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up once: the program still starts on systems that do not have it.
GetDpiForWindowFunction getDpiForWindow() {
    static const GetDpiForWindowFunction function = [] {
        HMODULE user32 = ::GetModuleHandleA("user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                            reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return function;
}
}  // namespace

int SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : DefaultDpi;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DefaultDpi;
}

int WindowDpi(HWND window) {
    GetDpiForWindowFunction function = getDpiForWindow();
    int dpi = function && window ? static_cast<int>(function(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

void TakeSuggestedRect(HWND window, const RECT& suggested) {
    ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

CFont DefaultFontFor(int dpi) {
    CFont font;
    int systemDpi = SystemDpi();
    if (dpi == systemDpi) return font;
    LOGFONTA description{};
    if (!::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof description, &description)) return font;
    description.lfHeight = ScaleForDpi(description.lfHeight, dpi, systemDpi);
    description.lfWidth = ScaleForDpi(description.lfWidth, dpi, systemDpi);
    font.Attach(::CreateFontIndirectA(&description));
    return font;
}

std::string BitmapNameFor(const std::string& name, int dpi) {
    int percent = BitmapPercentFor(dpi);
    return percent == 100 ? name : name + "_" + std::to_string(percent);
}

bool LoadBitmapFor(CBitmap& bitmap, UINT id, const std::string& stem, int dpi) {
    if (BitmapPercentFor(dpi) == 100) return bitmap.LoadBitmap(id);
    return bitmap.LoadBitmap(BitmapNameFor(stem, dpi).c_str());
}
