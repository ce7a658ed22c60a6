// Command 503: printing. Asks what to print and on which printer, then hands the printer DC to
// the sheet or list routines, one document each.

#include "app/MainFrame.h"

#include <vector>

#include "cables/CableTable.h"
#include "framework/File.h"
#include "print/CableList.h"
#include "print/CableSheet.h"
#include "print/PageLayout.h"
#include "print/PrinterDialog.h"
#include "print/PrintOptionsDialog.h"

namespace {
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

    CDC printer = AskForPrinter(this);
    if (!printer.GetSafeHdc()) {
        MessageBox("Printing canceled", "Strandor!", MB_OK | MB_ICONHAND);
        return;
    }

    try {
        for (int cableNumber : SheetsToPrint(PrintChoice, Current.cableIndex)) printSheet(this, cableNumber, printer);
        if (PrintChoice == PrintOption::CableList) {
            std::vector<const char*> names = CableListNames();
            PrintCableList(this, names.data(), static_cast<int>(names.size()), printer);
        }
        printer.DeleteDC();
    } catch (const CFileException& error) {
        // The sheet has been aborted and the printer is released; no further sheets are printed.
        printer.DeleteDC();
        MessageBox(error.what(), "Strandor!", MB_OK | MB_ICONHAND);
    }
}
