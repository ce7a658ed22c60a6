#include "catalogapp/CatalogFrame.h"

#include "ui/Surface.h"
#include "ui/WindowGeometry.h"
#include "cables/CableTable.h"
#include "cables/ConnectorUse.h"
#include "catalogapp/ConnectorPrint.h"
#include "drawing/SpokenText.h"
#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "resource.h"

namespace {
constexpr RECT CatalogWindowRect = {0, 0, 800, 580};
constexpr DWORD ListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

void createList(CListBox& list, CWnd* parent, UINT id) {
    RECT none = {0, 0, 0, 0};
    list.Create(ListStyle, none, parent, id);
    // Sunken like the drawing frames.
    ::SetWindowLongPtrA(list, GWL_EXSTYLE, ::GetWindowLongPtrA(list, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    ::SetWindowPos(list, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void place(HWND window, const Rect& r) {
    ::SetWindowPos(window, nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void caption(CDC& dc, Point at, const std::string& text) { dc.TextOut(at.x, at.y, text); }
}  // namespace

CatalogFrame::CatalogFrame(ConnectorList connectors)
    : list(std::move(connectors)), rows(ConnectorRows(list)) {
    dpi = SystemDpi();
    LoadAccelTable(CATALOG_ACCEL_TABLE);
    Rect rect = ScaleRect(ToRect(CatalogWindowRect), dpi);
    CentreRect(rect, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    Create(nullptr, CatalogTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, ToRECT(rect), nullptr,
           MAKEINTRESOURCEA(IDR_CATALOG_MENU));
    createControls();
    OnSize();
    for (const ConnectorRow& row : rows) connectorList.AddString(row.text);
    showRow(SelectableRow(rows, -1, 0));
    focusedList = connectorList;
}

void CatalogFrame::createControls() {
    // The lists are named as their captions name them, for a screen reader.
    createList(connectorList, this, IDC_CATALOG_CONNECTORS);
    connectorList.SetSpokenName("Connectors");
    createList(pinoutList, this, IDC_CATALOG_PINOUTS);
    pinoutList.SetSpokenName("Pinouts");
    createList(cableList, this, IDC_CATALOG_CABLES);
    cableList.SetSpokenName("Cables of the guide with this connector and pinout");
    RECT none = {0, 0, 0, 0};
    findBox.Create("EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, none, this, IDC_CATALOG_FIND);
    findBox.SetSpokenName("Find connector");
    ::SetWindowLongPtrA(findBox, GWL_EXSTYLE, ::GetWindowLongPtrA(findBox, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    connectorView.Create(this, "Connector", IDC_CATALOG_CONNECTOR_DRAWING);
    pinoutView.Create(this, "Pinout", IDC_CATALOG_PINOUT_DRAWING);
    connectorView.colours = &colours;
    pinoutView.colours = &colours;
}

int CatalogFrame::shownConnector() const { return currentRow >= 0 ? rows[currentRow].connector : -1; }

int CatalogFrame::shownPinout() const {
    int connector = shownConnector();
    if (connector < 0 || list.connectors[connector].pinouts.empty()) return -1;
    return list.connectors[connector].pinouts[pinoutIndex];
}

LRESULT CatalogFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) OnSize();
            return 0;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        default:
            return CFrameWnd::WindowProc(message, wParam, lParam);
    }
}

void CatalogFrame::Paint(CDC& dc) {
    PaintSurface(dc, client, statusText, dpi, colours);
    DpiFontScope font(dc, dpi);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colours.plainText);
    const int connector = shownConnector();
    const int pinout = shownPinout();
    caption(dc, layout.connectorsCaption, "Connectors");
    caption(dc, layout.connectorCaption,
            connector < 0 ? "Connector" : "Connector " + ThreeDigits(list.connectors[connector].number));
    caption(dc, layout.pinoutCaption, pinout < 0 ? "No pinout drawing" : "Pinout " + ThreeDigits(pinout));
    caption(dc, layout.pinoutsCaption, "Pinouts");
    caption(dc, layout.cablesCaption, "Cables of the guide with this connector and pinout");
}

void CatalogFrame::OnSize() {
    GetClientRect(&client);
    layout = CatalogLayoutFor(ToRect(client), dpi);
    place(connectorList, layout.connectorList);
    ::SetWindowPos(findBox, nullptr, layout.findBox.left, layout.findBox.top, layout.findBox.width(),
                   layout.findBox.height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    place(pinoutList, layout.pinoutList);
    place(cableList, layout.cableList);
    place(connectorView, layout.connectorPanel);
    place(pinoutView, layout.pinoutPanel);
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Moved to a screen of another density: laid out again for it.
void CatalogFrame::OnDpiChanged(int) {
    // The controls keep the system font unless told another; the old font goes once none uses it.
    CFont font = DefaultFontFor(dpi);
    HGDIOBJ handle = font.isNull() ? ::GetStockObject(SYSTEM_FONT) : font.GetSafeHandle();
    for (HWND control : {static_cast<HWND>(connectorList), static_cast<HWND>(pinoutList),
                         static_cast<HWND>(cableList), static_cast<HWND>(findBox)})
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
    controlFont = std::move(font);
    if (!::IsIconic(hwnd)) OnSize();
}

void CatalogFrame::OnSetFocus() {
    if (focusedList) ::SetFocus(focusedList);
}

void CatalogFrame::OnCommand(WORD id, WORD code) {
    switch (id) {
        case IDC_CATALOG_CONNECTORS:
            if (code == LBN_SELCHANGE) OnConnectorSelected();
            if (code == LBN_SETFOCUS) focusedList = connectorList;
            break;
        case IDC_CATALOG_PINOUTS:
            if (code == LBN_SELCHANGE) OnPinoutSelected();
            if (code == LBN_SETFOCUS) focusedList = pinoutList;
            break;
        case IDC_CATALOG_FIND:
            if (code == EN_CHANGE) OnFindChanged();
            break;
        case ID_CATALOG_FIND:
            ::SetFocus(findBox);
            ::SendMessageA(findBox, EM_SETSEL, 0, -1);
            break;
        case IDC_CATALOG_CABLES:
            if (code == LBN_SETFOCUS) focusedList = cableList;
            break;
        case IDC_CATALOG_PINOUT_DRAWING:
            if (code == DrawingView::DoubleClicked) OnStepPinout(1);
            break;
        case ID_CATALOG_NEXT_PINOUT:
            OnStepPinout(1);
            break;
        case ID_CATALOG_PREVIOUS_PINOUT:
            OnStepPinout(-1);
            break;
        case ID_CATALOG_NEXT_LIST:
            OnNextList(1);
            break;
        case ID_CATALOG_PREVIOUS_LIST:
            OnNextList(-1);
            break;
        case ID_CATALOG_PRINT:
            OnPrint();
            break;
        case ID_CATALOG_EXIT:
            DestroyWindow();
            break;
        default:
            break;
    }
}

// Headings are not connectors: the selection moves on over them in the direction the user went.
void CatalogFrame::OnConnectorSelected() {
    int row = SelectableRow(rows, currentRow, connectorList.GetCurSel());
    if (row < 0) row = currentRow;
    showRow(row);
}

void CatalogFrame::OnPinoutSelected() {
    int index = pinoutList.GetCurSel();
    if (index >= 0) showPinout(index);
}

void CatalogFrame::OnStepPinout(int step) {
    int connector = shownConnector();
    if (connector < 0) return;
    showPinout(SteppedPinout(pinoutIndex, step, static_cast<int>(list.connectors[connector].pinouts.size())));
}

void CatalogFrame::OnNextList(int step) {
    HWND order[] = {connectorList, pinoutList, cableList};
    int at = step > 0 ? 2 : 1;  // from the find box, into the connector list either way
    for (int i = 0; i < 3; ++i)
        if (order[i] == ::GetFocus()) at = i;
    ::SetFocus(order[(at + step + 3) % 3]);
}

void CatalogFrame::OnPrint() {
    int connector = shownConnector();
    if (connector < 0) return;
    const ConnectorEntry& entry = list.connectors[connector];
    int pinout = shownPinout();
    PrintConnector(this, entry, pinout, pinout < 0 ? std::string() : list.pinoutName(pinout));
}

// The list narrows to the connectors that hold the words; the one shown stays if it is among them.
void CatalogFrame::OnFindChanged() {
    const int shown = shownConnector();
    char words[256] = "";
    ::GetWindowTextA(findBox, words, sizeof words);
    rows = ConnectorRows(list, words);
    connectorList.ResetContent();
    int keep = -1;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        connectorList.AddString(rows[row].text);
        if (rows[row].connector == shown && shown >= 0) keep = static_cast<int>(row);
    }
    showRow(keep >= 0 ? keep : SelectableRow(rows, -1, 0));
    RedrawWindow(nullptr, RDW_INVALIDATE);  // the captions name the drawings shown
}

void CatalogFrame::showRow(int row) {
    currentRow = row;
    connectorList.SetCurSel(row);
    pinoutList.ResetContent();
    int connector = shownConnector();
    if (connector < 0) {
        connectorView.SetPath("");
        connectorView.SetWords("");
        showPinout(0);
        return;
    }
    const ConnectorEntry& entry = list.connectors[connector];
    connectorView.SetPath(DataFileName(DataPrefix::Plug, entry.number));
    connectorView.SetWords(ConnectorWords(entry));
    for (int pinout : entry.pinouts) pinoutList.AddString(PinoutRowText(pinout, list.pinoutName(pinout)));
    showPinout(0);
}

void CatalogFrame::showPinout(int index) {
    pinoutIndex = index;
    cableList.ResetContent();
    int connector = shownConnector();
    int pinout = shownPinout();
    pinoutView.SetPath(pinout < 0 ? "" : DataFileName(DataPrefix::Pinouts, pinout));
    const PinoutEntry* pinoutEntry = pinout < 0 ? nullptr : list.pinout(pinout);
    pinoutView.SetWords(pinoutEntry ? PinoutWords(*pinoutEntry) : std::string());
    if (pinout >= 0) {
        pinoutList.SetCurSel(index);
        for (int cable : CablesUsing(list.connectors[connector].number, pinout))
            cableList.AddString(CableRowText(cable, Catalog.cables[cable].name));
    }
    setStatus(connector < 0 ? std::string() : CatalogStatusText(list.connectors[connector], index));
    // The captions name the drawings shown.
    RECT captions = {layout.connectorPanel.left, 0, layout.pinoutPanel.right, layout.connectorPanel.top};
    RedrawWindow(&captions, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CatalogFrame::setStatus(const std::string& text) {
    statusText = text;
    RECT strip = ToRECT(layout.status);
    RedrawWindow(&strip, RDW_INVALIDATE | RDW_UPDATENOW);
}
