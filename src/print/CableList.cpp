#include "print/CableList.h"

#include "print/PageLayout.h"
#include "print/PrintJob.h"

void PrintCableList(CWnd* owner, const char* const* names, int count, CDC& dc) {
    WaitCursor wait;
    PrintJob job(dc);
    if (!job.start(owner)) return;

    CFont titleFont, lineFont;
    CreatePrintFont(titleFont, ListFontHeight, FW_BOLD);
    CreatePrintFont(lineFont, ListFontHeight, FW_BOLD);

    job.startPage();
    {
        PageInk ink(dc);
        SelectGuard fontSelected(dc, titleFont);
        dc.SetTextAlign(TA_CENTER | TA_TOP);
        dc.TextOut(TitlePosition.x, TitlePosition.y, CableListTitle);

        dc.SelectObject(lineFont);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        // No page break: lines past the bottom of the page are lost.
        for (int number = 1; number <= count; ++number) {
            PagePoint at = ListLinePosition(number);
            dc.TextOut(at.x, at.y, ListLineText(number, names[number - 1]));
        }
    }
    job.finish();
}
