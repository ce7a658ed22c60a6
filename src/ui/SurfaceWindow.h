#pragma once
// A window of the program's surface, a frame or a dialog, keeps the surfaces' colours: read when
// the window is made and again whenever the system's colours or settings change (high contrast
// turned on or off). The window is told through OnColoursChanged.

#include "framework/Dialog.h"
#include "framework/FrameWnd.h"
#include "ui/Surface.h"

template <class Window>
class SurfaceWindow : public Window {
public:
    using Window::Window;

    // Paints with `now` from here on: the system's colours, read again when they change.
    void SetColours(const SurfaceColours& now) {
        if (now == colours) return;
        colours = now;
        OnColoursChanged();
    }

protected:
    // The colours changed and `colours` holds the new ones: by default the window and its
    // children are painted again.
    virtual void OnColoursChanged() {
        ::RedrawWindow(this->GetSafeHwnd(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    SurfaceColours colours = ReadSurfaceColours();  // of the surface, its texts and frames

private:
    void OnSystemColoursChanged() final { SetColours(ReadSurfaceColours()); }
};

using SurfaceFrame = SurfaceWindow<CFrameWnd>;
using SurfaceDialog = SurfaceWindow<CDialog>;
