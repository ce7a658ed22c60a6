#pragma once
// The printed sheet of one cable: its name, its five drawings in a row, the cable notes drawing,
// the print logo and the user's own notes, one page sent as a document of its own.

#include "cables/Cable.h"
#include "framework/Dc.h"
#include "framework/Wnd.h"

// A notes file that exists but cannot be read ends the sheet: the document is aborted and the
// CFileException goes on to the caller, which prints no further sheets.
void PrintCableSheet(CWnd* owner, const char* name, int startPlug, int endPlug, int startPinouts, int endPinouts,
                     int cableNumber, CDC& dc);

// The sheet of any cable, from its files.
void PrintCableSheet(CWnd* owner, const Cable& cable, CDC& dc);
