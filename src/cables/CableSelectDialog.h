#pragma once
// The modal dialog that walks the category tree; ends with a cable number, or -1 when cancelled.

#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"

class CDC;

class CableSelectDialog : public CDialog {
public:
    explicit CableSelectDialog(CWnd* parent);

    // Rebuilds the list for browseNode and repaints the path line.
    void FillList();
    virtual void OnChoose();

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnOK() override { OnChoose(); }
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(CDC& dc) override;

    CListBox list;
    CBitmapButton okButton;
    CBitmapButton noButton;
};

// Client rectangles of the controls the dialog makes at run time.
constexpr RECT SelectOkButtonRect = {22, 211, 62, 251};
constexpr RECT SelectListRect = {22, 42, 478, 200};
