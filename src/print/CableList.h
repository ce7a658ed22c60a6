#pragma once
// The printed cable list: a title and one numbered line per name, all on one page.

#include "framework/Dc.h"
#include "framework/Wnd.h"

void PrintCableList(CWnd* owner, const char* const* names, int count, CDC& dc);
