#pragma once
// The main window: key buttons and logo along the top, three drawing panels, the status line.

#include <string>

#include "app/Layout.h"
#include "framework/Dc.h"
#include "framework/FrameWnd.h"

class MainFrame : public CFrameWnd {
public:
    MainFrame();
    ~MainFrame() override;

    // Puts a hint in the status line when it comes from another source than the last one.
    void ShowHint(int hintId, const std::string& text);
    // The quit confirmation, from the close box, F4 and the start window's NO.
    void OnClose();
    // Makes cable `number` the current one: panel paths, title, and the panels repainted at once.
    void ShowCable(int number);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void Paint(CDC& dc) override;
    void OnMouseMove(UINT flags, int x, int y);
    void OnSize(UINT type, int width, int height);

    // The command table: one switch on the command id (MainCommands.cpp).
    void OnCommand(UINT id);
    void OnFunctionKeys();
    void OnAbout();
    void OnPrint();
    void OnExit();
    void SwitchCable();
    void OnStartPinouts();
    void OnEndPinouts();
    void OnCableNotes();
    void OnUserNotes();
    void OnConnectorCatalog();
    void OnManual();
};

extern RECT clientRect;
extern RECT startPanelRect;
extern RECT diagramPanelRect;
extern RECT endPanelRect;
extern Scale PanelScale;
constexpr RECT mainWindowRect = {0, 0, 640, 480};
