#include "drawing/DrawingPanel.h"

#include "framework/Accessible.h"

DrawingPanel::DrawingPanel(const Scale& scale, const int& dpi, HintTarget& mainWindow, std::string path,
                           std::string hint, int id)
    : DrawingView(scale, dpi), firstPath(path), secondPath(path), hintText(std::move(hint)), panelId(id),
      mainWindow(mainWindow) {}

LRESULT DrawingPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove();
            return 0;
        default:
            return DrawingView::WindowProc(message, wParam, lParam);
    }
}

void DrawingPanel::OnMouseMove() { mainWindow.ShowHint(panelId, hintText); }

void DrawingPanel::Toggle() {
    showFirst = showFirst == 1 ? 0 : 1;
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    NotifyValueChanged(hwnd);
}

bool DrawingPanel::describe(AccessibleFacts& facts) const {
    facts.role = AccessibleRoleGraphic;
    facts.name = panelId == StartPanelId ? "Start connector" : panelId == EndPanelId ? "End connector" : "Circuit diagram";
    facts.value = showFirst == 1 ? firstWords : secondWords;
    facts.description = hintText;
    return true;
}
