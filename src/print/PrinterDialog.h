#pragma once
// The system printer dialog (PrintDlgA): the user picks a printer and the program gets its DC.

#include "framework/Dc.h"
#include "framework/Wnd.h"

// The chosen printer's DC, or an empty CDC when the user cancelled or no printer could be had.
// The dialog's other settings are not kept.
CDC AskForPrinter(CWnd* owner);
