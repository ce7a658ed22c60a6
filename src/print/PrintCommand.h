#pragma once
// The print command: asks what to print and on which printer, then prints the current cable's
// sheet, every cable's sheet or the cable list, one document each. Failures are told in a message
// box over `owner`.

#include "cables/Cable.h"

class CWnd;

// `current`: the cable the window shows, whose sheet "Current cable" prints; "All cables" and the
// list are the table's.
void PrintCables(CWnd* owner, const Cable& current);
