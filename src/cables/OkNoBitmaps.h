#pragma once
// The tick and cross keys that end the cable dialogs (selection and Find cable): their bitmaps,
// drawn nearest the dialog's DPI, and their names.

#include "framework/BitmapButton.h"

// The names a screen reader gives them (OK and Cancel, as their commands do), and the focus they
// show. The dialog shows where the focus is from the start, not only after a key is pressed.
inline void NameOkNoButtons(CWnd& dialog, CBitmapButton& okButton, CBitmapButton& noButton) {
    okButton.SetSpokenName("OK", "Enter");
    noButton.SetSpokenName("Cancel", "Esc");
    okButton.ShowFocus(true);
    noButton.ShowFocus(true);
    dialog.SendMessage(WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL));
}

inline void LoadOkNoBitmaps(CBitmapButton& okButton, CBitmapButton& noButton, int dpi) {
    okButton.LoadBitmaps("OK_UP_2", "OK_DOWN_2", dpi);
    noButton.LoadBitmaps("NO_UP_2", "NO_DOWN_2", dpi);
}
