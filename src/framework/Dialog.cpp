#include "framework/Dialog.h"

#include <exception>

#include "framework/Accessible.h"
#include "framework/Dpi.h"
#include "framework/WinApp.h"

INT_PTR CDialog::DoModal() {
    return ::DialogBoxParamA(ProgramInstance(), templateName, parent ? parent->GetSafeHwnd() : nullptr,
                             &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            shownDpi = WindowDpi(hwnd);
            return OnInitDialog();
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                OnOK();
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            return FALSE;
        case WM_PAINT:
        case WM_PRINTCLIENT:
            OnPaint(message, wParam);
            return TRUE;
        case WM_DRAWITEM:
            return ReflectDrawItem(lParam);
        case WM_GETOBJECT:
            if (LRESULT answer = AnswerGetObject(hwnd, wParam, lParam, &CWnd::DescribeWindow)) {
                ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, answer);
                return TRUE;
            }
            return FALSE;
        case WM_DPICHANGED:
            shownDpi = LOWORD(wParam);
            TakeSuggestedRect(hwnd, *reinterpret_cast<const RECT*>(lParam));
            ::InvalidateRect(hwnd, nullptr, TRUE);
            OnDpiChanged(shownDpi);
            return FALSE;  // and the dialog manager rescales the controls and fonts where it can
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            OnSystemColoursChanged();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = static_cast<CDialog*>(FromHandle(window));
    if (!dialog && message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->attach(window);
    }
    if (!dialog) return FALSE;
    INT_PTR result = FALSE;
    try {
        result = dialog->DialogProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUnhandledError(window, error.what());
    }
    if (message == WM_NCDESTROY) dialog->detach();
    return result;
}
