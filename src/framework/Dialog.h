#pragma once
// Modal dialogs from resource templates. The dialog procedure finds the object and calls its one
// virtual DialogProc, the dialog's message map; OK and Cancel end it in the usual way.

#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    CDialog(const char* templateName, CWnd* parent) : templateName(templateName), parent(parent) {}
    CDialog(UINT templateId, CWnd* parent) : CDialog(MAKEINTRESOURCEA(templateId), parent) {}

    // The result given to EndDialog, or -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(hwnd, result); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd, id); }
    bool IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(hwnd, id) == BST_CHECKED; }
    // The DPI the dialog is shown at: read when it opens, and told by WM_DPICHANGED.
    int dpi() const { return shownDpi; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Returns TRUE for a message it handled, FALSE to leave it to the dialog manager.
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Moved to a screen of another density: the dialog takes the suggested rectangle and repaints;
    // a dialog that places controls of its own places them again.
    virtual void OnDpiChanged(int newDpi, const RECT& suggested);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const char* templateName;
    CWnd* parent;
    int shownDpi = 96;
};
