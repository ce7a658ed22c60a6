#pragma once
// What to print: the current cable, all cables or the cable list.

#include "framework/Dialog.h"

class PrintOptionsDialog : public CDialog {
public:
    explicit PrintOptionsDialog(CWnd* parent);

    // The control id of the chosen option (see PrintOption): the current cable until OK takes the
    // checked one.
    int PrintChoice;

protected:
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
};

// Asks what to print, starting from the current cable every time: the chosen option, or -1 when
// the user cancelled.
int AskPrintChoice(CWnd* owner);
