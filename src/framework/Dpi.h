#pragma once
// The DPI a window is shown at, and what follows from it: the system font at that DPI and the
// bitmap drawn nearest to it.

#include <optional>
#include <string>

#include "framework/Dc.h"
#include "framework/DpiScale.h"
#include "framework/GdiObjects.h"

// GetDpiForWindow where Windows has it (10, version 1607 on); older systems scale no window on its
// own, so there every window has the screen's DPI.
int WindowDpi(HWND window);

// The DPI the system fonts were made for (the screen's at logon).
int SystemDpi();

// Moves a window to the rectangle its WM_DPICHANGED suggests (screen coordinates).
void TakeSuggestedRect(HWND window, const RECT& suggested);

// The system font at `dpi`, for text that uses the DC's own font at the system DPI: a null font
// (keep the DC's own) when `dpi` is the system's.
CFont DefaultFontFor(int dpi);

// Selects DefaultFontFor(dpi) into a DC for one scope; nothing when `dpi` is the system's.
class DpiFontScope {
public:
    DpiFontScope(CDC& dc, int dpi) : font(DefaultFontFor(dpi)) {
        if (!font.isNull()) select.emplace(dc, font);
    }

private:
    CFont font;
    std::optional<SelectGuard> select;
};

// The resource name of the bitmap `name` drawn nearest `dpi`: the name itself at 100 %, else the
// name followed by "_150" or "_200".
std::string BitmapNameFor(const std::string& name, int dpi);

// Loads the bitmap nearest `dpi`: the resource `id` at 100 %, else `stem` followed by "_150" or
// "_200".
bool LoadBitmapFor(CBitmap& bitmap, UINT id, const std::string& stem, int dpi);
