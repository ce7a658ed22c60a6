#pragma once
// The tick and cross keys that end the cable dialogs (selection and Find cable): their bitmaps,
// drawn nearest the dialog's DPI.

#include "framework/BitmapButton.h"

inline void LoadOkNoBitmaps(CBitmapButton& okButton, CBitmapButton& noButton, int dpi) {
    okButton.LoadBitmaps("OK_UP_2", "OK_DOWN_2", dpi);
    noButton.LoadBitmaps("NO_UP_2", "NO_DOWN_2", dpi);
}
