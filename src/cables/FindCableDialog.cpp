#include "cables/FindCableDialog.h"

#include <algorithm>

#include "cables/CableSearch.h"
#include "cables/CableTable.h"
#include "cables/CategoryBrowser.h"
#include "cables/OkNoBitmaps.h"
#include "cables/PathLine.h"
#include "framework/Dc.h"
#include "ui/Surface.h"
#include "resource.h"

namespace {
constexpr const char* AnyConnector = "(any)";

std::string controlText(HWND control) {
    const int length = ::GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    ::GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The chosen connector, or "" for "(any)".
std::string choiceOf(HWND combo) {
    const LRESULT row = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (row <= 0) return std::string();
    std::string text(static_cast<std::size_t>(::SendMessageA(combo, CB_GETLBTEXTLEN, row, 0)) + 1, '\0');
    ::SendMessageA(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return text.c_str();
}

void addString(HWND control, UINT message, const std::string& text) {
    ::SendMessageA(control, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
}  // namespace

FindCableDialog::FindCableDialog(CWnd* parent, std::vector<Cable> cables)
    : SurfaceDialog(IDD_FIND_CABLE, parent), cables(std::move(cables)) {}

std::optional<CableOrigin> FindCable(CWnd* owner, std::vector<Cable> cables) {
    FindCableDialog dialog(owner, std::move(cables));
    if (dialog.DoModal() != IDOK) return std::nullopt;
    return dialog.Picked();
}

BOOL FindCableDialog::OnInitDialog() {
    okButton.SubclassWindow(GetDlgItem(IDOK));
    noButton.SubclassWindow(GetDlgItem(IDCANCEL));
    NameOkNoButtons(*this, okButton, noButton);
    LoadOkNoBitmaps(okButton, noButton, dpi());

    FillConnectorChoices();
    Refill();
    ::SetFocus(GetDlgItem(IDC_FIND_WORDS));
    return FALSE;  // the focus is set: the words box
}

// The controls are the template's: the dialog manager moves them; the bitmaps are this dialog's.
void FindCableDialog::OnDpiChanged(int) {
    LoadOkNoBitmaps(okButton, noButton, dpi());
}

INT_PTR FindCableDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if ((id == IDC_FIND_WORDS && code == EN_CHANGE) ||
                ((id == IDC_FIND_START || id == IDC_FIND_END) && code == CBN_SELCHANGE)) {
                Refill();
                return TRUE;
            }
            if (id == IDC_FIND_MATING && code == BN_CLICKED) {
                FillConnectorChoices();
                Refill();
                return TRUE;
            }
            if (id == IDC_FIND_LIST && code == LBN_SELCHANGE) {
                ::InvalidateRect(GetDlgItem(IDC_FIND_PATH), nullptr, TRUE);
                return TRUE;
            }
            if (id == IDC_FIND_LIST && code == LBN_DBLCLK) {
                OnOK();
                return TRUE;
            }
            return CDialog::DialogProc(message, wParam, lParam);
        }
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            if (colours.embossed) return reinterpret_cast<INT_PTR>(::GetStockObject(LTGRAY_BRUSH));
            ::SetTextColor(reinterpret_cast<HDC>(wParam), colours.plainText);  // high contrast: the system's
            return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return CDialog::DialogProc(message, wParam, lParam);
    }
}

void FindCableDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
    CDC dc = CDC::FromHandle(item.hDC);
    if (item.CtlID == IDC_FIND_PATH) {
        dc.FillSolidRect(item.rcItem, colours.surface);
        const int cable = SelectedCable();
        const int node = cable < 0 ? -1 : CategoryOfCable(cables[static_cast<std::size_t>(cable)].origin);
        if (node >= 0) DrawPathLine(dc, item.rcItem.left, item.rcItem.top, CategoryPath(node), colours);
        return;
    }
    CDialog::DialogProc(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

bool FindCableDialog::Mating() const {
    return ::SendMessageA(GetDlgItem(IDC_FIND_MATING), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The drop-downs offer the ends of the cables, or with the check box the connectors they plug into;
// a choice that is offered again stays chosen, any other falls back to "(any)".
void FindCableDialog::FillConnectorChoices() {
    const std::vector<std::string> choices = ConnectorChoices(cables, Mating());
    for (int id : {IDC_FIND_START, IDC_FIND_END}) {
        HWND combo = GetDlgItem(id);
        const std::string kept = choiceOf(combo);
        ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        addString(combo, CB_ADDSTRING, AnyConnector);
        for (const std::string& choice : choices) addString(combo, CB_ADDSTRING, choice);
        const auto found = std::find(choices.begin(), choices.end(), kept);
        const WPARAM row = kept.empty() || found == choices.end() ? 0 : static_cast<WPARAM>(found - choices.begin()) + 1;
        ::SendMessageA(combo, CB_SETCURSEL, row, 0);
    }
}

void FindCableDialog::Refill() {
    const int keep = SelectedCable();
    CableQuery query;
    query.words = controlText(GetDlgItem(IDC_FIND_WORDS));
    query.start = choiceOf(GetDlgItem(IDC_FIND_START));
    query.end = choiceOf(GetDlgItem(IDC_FIND_END));
    query.mating = Mating();
    shown = FindCables(cables, query);

    HWND list = GetDlgItem(IDC_FIND_LIST);
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t cable : shown) addString(list, LB_ADDSTRING, cables[cable].name);
    const auto kept = std::find(shown.begin(), shown.end(), static_cast<std::size_t>(keep));
    const int row = kept != shown.end() ? static_cast<int>(kept - shown.begin()) : 0;
    ::SendMessageA(list, LB_SETCURSEL, shown.empty() ? -1 : row, 0);
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
    ::InvalidateRect(GetDlgItem(IDC_FIND_PATH), nullptr, TRUE);
}

int FindCableDialog::SelectedCable() const {
    const LRESULT row = ::SendMessageA(GetDlgItem(IDC_FIND_LIST), LB_GETCURSEL, 0, 0);
    return row >= 0 && row < static_cast<LRESULT>(shown.size()) ? static_cast<int>(shown[static_cast<std::size_t>(row)]) : -1;
}

void FindCableDialog::OnOK() {
    const int cable = SelectedCable();
    if (cable < 0) return;
    picked = cables[static_cast<std::size_t>(cable)].origin;
    EndDialog(IDOK);
}

void FindCableDialog::OnCancel() { EndDialog(-1); }
