#pragma once
// One drawing of the catalog window, shown as the guide's panels show theirs (PaintFramedDrawing),
// at a scale that fits the view. A double-click is passed to the parent as a command.

#include <string>

#include "framework/Dc.h"
#include "framework/Wnd.h"

class DrawingView : public CWnd {
public:
    bool Create(CWnd* parent, const char* name, UINT id);
    // Shows another file and repaints at once; "" shows the empty frame.
    void SetPath(const std::string& path);
    const std::string& path() const { return drawingPath; }

    // The notification code of the WM_COMMAND a double-click sends to the parent.
    static constexpr WORD DoubleClicked = 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CDC& dc) override;
    void OnLButtonDblClk();

    std::string drawingPath;
    UINT id = 0;
};
