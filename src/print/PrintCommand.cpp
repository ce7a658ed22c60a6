// Command 503: printing.

#include "app/MainFrame.h"

void MainFrame::OnPrint() {}
