#pragma once
// One of the main window's three drawing panels: draws one of two metafile files, framed, and puts
// its hint in the status line.

#include <string>

#include "framework/Dc.h"
#include "framework/Wnd.h"

class MainFrame;

class DrawingPanel : public CWnd {
public:
    DrawingPanel(std::string firstPath, std::string secondPath, std::string hintText, int panelId);
    ~DrawingPanel() override = default;

    // Flips between the two drawings and repaints at once.
    void Toggle();

    std::string firstPath;   // connector drawing, or the circuit diagram
    std::string secondPath;  // the connector's pinout drawing
    std::string hintText;
    int panelId;
    MainFrame* mainWindow = nullptr;
    int showFirst = 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CDC& dc) override;
    void OnMouseMove();
    void OnLButtonDblClk();
};

extern DrawingPanel startPanel;
extern DrawingPanel diagramPanel;
extern DrawingPanel endPanel;

constexpr int StartPanelId = 4;
constexpr int EndPanelId = 5;
constexpr int DiagramPanelId = 6;
