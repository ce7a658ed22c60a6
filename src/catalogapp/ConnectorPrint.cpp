#include "catalogapp/ConnectorPrint.h"

#include "catalogapp/ConnectorPage.h"
#include "framework/GdiObjects.h"
#include "print/PrintJob.h"
#include "print/PrinterDialog.h"

void PrintConnector(CWnd* owner, const ConnectorEntry& entry, int pinout, const std::string& pinoutName) {
    CDC printer = AskForPrinter(owner);
    if (!printer.GetSafeHdc()) {
        ::MessageBoxA(owner ? owner->GetSafeHwnd() : nullptr, "Printing canceled", ConnectorDocumentName,
                      MB_OK | MB_ICONHAND);
        return;
    }
    PrintConnectorPage(owner, entry, pinout, pinoutName, printer);
}

void PrintConnectorPage(CWnd* owner, const ConnectorEntry& entry, int pinout, const std::string& pinoutName,
                        CDC& dc) {
    WaitCursor wait;
    PrintJob job(dc, ConnectorDocumentName);
    if (!job.start(owner)) return;

    CFont titleFont, subtitleFont;
    CreatePrintFont(titleFont, TitleFontHeight, FW_BOLD);
    CreatePrintFont(subtitleFont, NotesFontHeight * 3 / 2, FW_NORMAL);
    job.startPage();
    {
        SelectGuard font(dc, titleFont);
        dc.SetTextAlign(TA_CENTER | TA_TOP);
        dc.TextOut(TitlePosition.x, TitlePosition.y, entry.name);
        dc.SelectObject(subtitleFont);
        dc.TextOut(SubtitlePosition.x, SubtitlePosition.y, ConnectorPageSubtitle(entry, pinout, pinoutName));
    }
    const auto drawings = ConnectorPageDrawings(entry.number, pinout < 0 ? 0 : pinout);
    PlaySheetDrawing(dc, drawings[0]);
    if (pinout >= 0) PlaySheetDrawing(dc, drawings[1]);
    dc.SetWindowOrg(0, 0);
    job.finish();
}
