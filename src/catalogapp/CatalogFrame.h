#pragma once
// The connector catalog's window: the grouped list of connectors on the left; the chosen
// connector's drawing and pinout drawing side by side; under them the connector's pinouts and the
// guide's cables that use it with the pinout shown; a status line along the bottom.

#include <string>
#include <vector>

#include "catalogapp/CatalogLayout.h"
#include "catalogapp/ConnectorRows.h"
#include "datafiles/ConnectorList.h"
#include "catalogapp/SpokenDrawingView.h"
#include "framework/Dc.h"
#include "framework/FrameWnd.h"
#include "framework/GdiObjects.h"
#include "framework/Controls.h"
#include "framework/ListBox.h"
#include "ui/SurfaceWindow.h"

constexpr const char* CatalogTitle = "Strandor! connector catalog";

class CatalogFrame : public SurfaceFrame {
public:
    // Creates the window, hidden, centred on the screen, with the first connector shown.
    explicit CatalogFrame(ConnectorList list);
    ~CatalogFrame() override = default;

    // The connector shown (index into the list's connectors, -1 for none) and its pinout's number
    // (-1 when it has none).
    int shownConnector() const;
    int shownPinout() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void Paint(CDC& dc) override;
    void OnSize();
    void OnDpiChanged(int newDpi) override;
    void OnSetFocus();
    void OnCommand(WORD id, WORD code);
    void OnConnectorSelected();
    void OnPinoutSelected();
    void OnStepPinout(int step);
    void OnNextList(int step);
    void OnPrint();
    void OnFindChanged();

    void createControls();
    void showRow(int row);
    void showPinout(int index);
    void setStatus(const std::string& text);

    ConnectorList list;
    std::vector<ConnectorRow> rows;
    int currentRow = -1;
    int pinoutIndex = 0;
    std::string statusText;
    CatalogLayout layout{};
    RECT client{};
    CListBox connectorList;
    CListBox pinoutList;
    CListBox cableList;
    SpokenDrawingView connectorView{layout.drawingScale, dpi, "Connector drawing"};
    SpokenDrawingView pinoutView{layout.drawingScale, dpi, "Pinout drawing",
                                 "Doubleclick or press Enter for the next pinout, Shift+Enter for the previous."};
    CControl findBox;  // an edit control
    HWND focusedList = nullptr;  // the list that had the keyboard last, given it back on activation
    CFont controlFont;  // the lists' and find box's font away from the system DPI; none at it
};
