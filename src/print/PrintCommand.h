#pragma once
// The print command: asks what to print and on which printer, then prints the current cable's
// sheet, every cable's sheet or the cable list, one document each. Failures are told in a message
// box over `owner`.

#include "cables/CableTable.h"

class CWnd;

void PrintCables(CWnd* owner, int currentCable);
// The same with the current cable given by its files (one of the user's own cables): its sheet is
// the current cable's; "All cables" and the list stay the table's.
void PrintCables(CWnd* owner, const CableFiles& current);
