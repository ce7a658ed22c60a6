#include "print/PrintOptionsDialog.h"

#include "print/PageLayout.h"
#include "resource.h"

PrintOptionsDialog::PrintOptionsDialog(CWnd* parent)
    : CDialog(IDD_PRINT_OPTIONS, parent), PrintChoice(PrintOption::CurrentCable) {}

int AskPrintChoice(CWnd* owner) {
    PrintOptionsDialog options(owner);
    if (options.DoModal() != IDOK) return -1;
    return options.PrintChoice;
}

INT_PTR PrintOptionsDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: OnOK(); return TRUE;
                case IDCANCEL: OnCancel(); return TRUE;
                default: return FALSE;
            }
        default:
            return CDialog::DialogProc(message, wParam, lParam);
    }
}

void PrintOptionsDialog::OnOK() {
    // The buttons are exclusive; were several checked, the last in this order would win.
    for (int option : {IDC_PRINT_CURRENT, IDC_PRINT_ALL, IDC_PRINT_LIST}) {
        if (IsDlgButtonChecked(option)) PrintChoice = option;
    }
    EndDialog(IDOK);
}

void PrintOptionsDialog::OnCancel() { EndDialog(IDCANCEL); }
