#pragma once
// The print command: asks what to print and on which printer, then prints the current cable's
// sheet, every cable's sheet or the cable list, one document each. Failures are told in a message
// box over `owner`.

class CWnd;

void PrintCables(CWnd* owner, int currentCable);
