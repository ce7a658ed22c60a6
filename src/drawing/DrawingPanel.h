#pragma once
// One of the main window's three drawing panels: shows one of its two metafile files, framed, puts
// its hint in the status line, and passes a double-click to the main window as its command.

#include <string>

#include "drawing/DrawingView.h"
#include "ui/HintTarget.h"

class DrawingPanel : public DrawingView {
public:
    // `scale`, `dpi` and `mainWindow` belong to the main window; the panel reads the first two and
    // tells the third.
    DrawingPanel(const Scale& scale, const int& dpi, HintTarget& mainWindow, std::string path, std::string hintText,
                 int panelId);
    ~DrawingPanel() override = default;

    // Flips between the two drawings and repaints at once.
    void Toggle();
    // A graphic named for its place ("Start connector"), whose value is the shown drawing in words.
    bool describe(AccessibleFacts& facts) const override;

    std::string firstPath;   // connector drawing, or the circuit diagram
    std::string secondPath;  // the connector's pinout drawing
    std::string firstWords;  // what each shows, told to a screen reader
    std::string secondWords;
    std::string hintText;
    int panelId;
    HintTarget& mainWindow;
    int showFirst = 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    const std::string& shownPath() const override { return showFirst == 1 ? firstPath : secondPath; }

private:
    void OnMouseMove();
};

// The panels' hint ids.
constexpr int StartPanelId = 4;
constexpr int EndPanelId = 5;
constexpr int DiagramPanelId = 6;
