#pragma once
// A child window that shows one metafile drawing framed (PaintFramedDrawing) at the viewport extent
// and DPI its owner keeps. A double-click is passed to the parent as a command: the view's control id with
// the notification DoubleClicked.

#include <string>

#include "framework/Dc.h"
#include "framework/Wnd.h"
#include "ui/Contrast.h"
#include "ui/Geometry.h"

class DrawingView : public CWnd {
public:
    // `scale` and `dpi` are the owner's: the view reads them at every paint.
    DrawingView(const Scale& scale, const int& dpi, std::string path = std::string())
        : scale(scale), dpi(dpi), drawingPath(std::move(path)) {}

    bool Create(CWnd* parent, const char* name, UINT id, const RECT& rect = RECT{0, 0, 0, 0});
    // Shows another file and repaints at once; "" shows the empty frame.
    void SetPath(const std::string& path);
    const std::string& path() const { return drawingPath; }
    // The owner's surface colours, which the frame takes; null: the program's own.
    const SurfaceColours* colours = nullptr;

    // The notification code of the WM_COMMAND a double-click sends to the parent.
    static constexpr WORD DoubleClicked = 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The file the view paints.
    virtual const std::string& shownPath() const { return drawingPath; }

private:
    void Paint(CDC& dc) override;
    void OnLButtonDblClk();

    const Scale& scale;
    const int& dpi;
    std::string drawingPath;
};
