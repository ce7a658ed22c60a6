#include "cables/CableSelectDialog.h"

#include "cables/CategoryBrowser.h"
#include "cables/OkNoBitmaps.h"
#include "cables/PathLine.h"
#include "framework/Dc.h"
#include "framework/Dpi.h"
#include "ui/Surface.h"
#include "ui/WindowGeometry.h"
#include "resource.h"

CableSelectDialog::CableSelectDialog(CWnd* parent, int& browseNode, std::vector<ListedCable> myCables)
    : SurfaceDialog(IDD_CABLE_SELECT, parent), browseNode(browseNode), myCables(std::move(myCables)) {}

std::optional<CableOrigin> PickCable(CWnd* owner, int& browseNode, const std::vector<ListedCable>& myCables) {
    CableSelectDialog dialog(owner, browseNode, myCables);
    if (dialog.DoModal() != IDOK) return std::nullopt;
    return dialog.Picked();
}

BOOL CableSelectDialog::OnInitDialog() {
    SetWindowPos(nullptr, 0, 0, ScaleForDpi(500, dpi()), ScaleForDpi(290, dpi()), SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);

    const RECT none = {0, 0, 0, 0};
    okButton.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, none, this, IDOK);
    noButton.Create(nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, none, this, IDCANCEL);
    list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_DISABLENOSCROLL,
                none, this, IDC_CABLE_LIST);
    NameOkNoButtons(*this, okButton, noButton);
    placeControls();
    FillList();
    return TRUE;
}

void CableSelectDialog::placeControls() {
    const Rect ok = ToRect(SelectOkButtonRect);
    const Rect no = {ok.left + 45, ok.top, ok.right + 45, ok.bottom};
    const Rect listRect = ToRect(SelectListRect);
    const std::pair<HWND, Rect> places[] = {{okButton, ok}, {noButton, no}, {list, listRect}};
    for (const auto& [control, rect] : places) {
        Rect at = ScaleRect(rect, dpi());
        ::SetWindowPos(control, nullptr, at.left, at.top, at.width(), at.height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LoadOkNoBitmaps(okButton, noButton, dpi());
}

void CableSelectDialog::OnDpiChanged(int) {
    placeControls();
}

INT_PTR CableSelectDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_CABLE_LIST && HIWORD(wParam) == LBN_DBLCLK) {
                OnChoose();
                return TRUE;
            }
            return CDialog::DialogProc(message, wParam, lParam);
        default:
            return CDialog::DialogProc(message, wParam, lParam);
    }
}

void CableSelectDialog::FillList() {
    // The user's cables may have gone since the dialog last showed them.
    if (browseNode == MyCablesNode && myCables.empty()) browseNode = 0;
    list.ResetContent();
    for (const std::string& row : ListRows(browseNode, myCables)) list.AddString(row);
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CableSelectDialog::OnChoose() {
    ChooseResult result = Choose(browseNode, list.GetCurSel(), myCables);
    switch (result.kind) {
        case ChooseResult::AtRoot:
            MessageBox("Already in lowest level", "Strandor!", MB_OK | MB_ICONINFORMATION);
            break;
        case ChooseResult::MovedUp:
        case ChooseResult::MovedDown:
            FillList();
            break;
        case ChooseResult::Picked:
            picked = result.cable;
            EndDialog(IDOK);
            break;
        case ChooseResult::Ignored:
            break;
    }
}

void CableSelectDialog::OnCancel() { EndDialog(-1); }

void CableSelectDialog::Paint(CDC& dc) {
    RECT client;
    GetClientRect(&client);
    dc.FillSolidRect(client, colours.surface);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colours.plainText);
    DpiFontScope font(dc, dpi());
    dc.TextOut(ScaleForDpi(20, dpi()), ScaleForDpi(5, dpi()), "category path:");
    DrawPathLine(dc, ScaleForDpi(21, dpi()), ScaleForDpi(20, dpi()), CategoryPath(browseNode), colours);
}
