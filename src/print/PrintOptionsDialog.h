#pragma once
// What to print: the current cable, all cables or the cable list. The dialog keeps no result of
// its own; OK writes the checked option into PrintChoice.

#include "framework/Dialog.h"

// The control id of the chosen option (see PrintOption); every print command starts it afresh.
extern int PrintChoice;

class PrintOptionsDialog : public CDialog {
public:
    explicit PrintOptionsDialog(CWnd* parent);

protected:
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
};
