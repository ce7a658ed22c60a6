#include "print/PrintCommand.h"

#include <vector>

#include "cables/CableTable.h"
#include "framework/File.h"
#include "print/CableList.h"
#include "print/CableSheet.h"
#include "print/PageLayout.h"
#include "print/PrinterDialog.h"
#include "print/PrintOptionsDialog.h"

namespace {
void printSheets(CWnd* owner, const Cable& current, int choice, CDC& printer) {
    if (choice == PrintOption::CurrentCable) PrintCableSheet(owner, current, printer);
    if (choice == PrintOption::AllCables)
        for (int row : SheetsToPrint(choice, current.origin.tableRow)) PrintCableSheet(owner, TableCable(row), printer);
}
}  // namespace

void PrintCables(CWnd* owner, const Cable& current) {
    int choice = AskPrintChoice(owner);
    if (choice < 0) return;

    CDC printer = AskForPrinter(owner);
    if (!printer.GetSafeHdc()) {
        owner->MessageBox("Printing canceled", "Strandor!", MB_OK | MB_ICONHAND);
        return;
    }

    try {
        printSheets(owner, current, choice, printer);
        if (choice == PrintOption::CableList) {
            std::vector<const char*> names = CableListNames();
            PrintCableList(owner, names.data(), static_cast<int>(names.size()), printer);
        }
        printer.DeleteDC();
    } catch (const CFileException& error) {
        // The sheet has been aborted and the printer is released; no further sheets are printed.
        printer.DeleteDC();
        owner->MessageBox(error.what(), "Strandor!", MB_OK | MB_ICONHAND);
    }
}
