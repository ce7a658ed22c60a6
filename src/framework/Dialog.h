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
    // The DPI the dialog is shown at: read when it opens, then set by WM_DPICHANGED.
    int dpi() const { return shownDpi; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Returns TRUE for a message it handled, FALSE to leave it to the dialog manager.
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Moved to a screen of another density: dpi() is the new one, the dialog has taken the
    // suggested rectangle and will repaint. A dialog that places controls of its own places them
    // again here; the dialog manager rescales the template's controls and fonts where it can.
    virtual void OnDpiChanged(int) {}
    // The system's colours or settings changed (high contrast turned on or off, say).
    virtual void OnSystemColoursChanged() {}

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const char* templateName;
    CWnd* parent;
    int shownDpi = 96;
};
