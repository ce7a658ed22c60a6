// Command 503: printing. Asks what to print and on which printer, then hands the printer DC to
// the sheet or list routines, one document each.

#include "app/MainFrame.h"

#include <commdlg.h>

#include <vector>

#include "catalog/Catalog.h"
#include "framework/File.h"
#include "print/CableList.h"
#include "print/CableSheet.h"
#include "print/PageLayout.h"
#include "print/PrintOptionsDialog.h"

namespace {
// The printer dialog hands back the chosen printer's settings too; they are not kept.
class GlobalBlock {
public:
    explicit GlobalBlock(HGLOBAL block) : block(block) {}
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (block) ::GlobalFree(block);
    }

private:
    HGLOBAL block;
};

void printSheet(CWnd* owner, int cableNumber, CDC& printer) {
    const CableRecord& cable = Catalog.cables[cableNumber];
    PrintCableSheet(owner, cable.name, cable.startPlug, cable.endPlug, cable.startPinouts, cable.endPinouts,
                    cableNumber, printer);
}
}  // namespace

void MainFrame::OnPrint() {
    PrintChoice = PrintOption::CurrentCable;
    PrintOptionsDialog options(this);
    if (options.DoModal() != IDOK) return;

    PRINTDLGA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetSafeHwnd();
    request.hDevMode = nullptr;
    request.hDevNames = nullptr;
    request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    request.nFromPage = request.nToPage = request.nMinPage = request.nMaxPage = 0;
    request.nCopies = 1;
    request.hInstance = nullptr;
    if (!::PrintDlgA(&request)) {
        MessageBox("Printing canceled", "Strandor!", MB_OK | MB_ICONHAND);
        return;
    }
    GlobalBlock devMode(request.hDevMode), devNames(request.hDevNames);

    try {
        CDC printer;
        printer.Attach(request.hDC);
        for (int cableNumber : SheetsToPrint(PrintChoice, Current.cableIndex)) printSheet(this, cableNumber, printer);
        if (PrintChoice == PrintOption::CableList) {
            std::vector<const char*> names = CableListNames();
            PrintCableList(this, names.data(), static_cast<int>(names.size()), printer);
        }
        printer.DeleteDC();
    } catch (const CFileException& error) {
        // The sheet has been aborted and the printer released; no further sheets are printed.
        MessageBox(error.what(), "Strandor!", MB_OK | MB_ICONHAND);
    }
}
