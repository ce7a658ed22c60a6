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
void printSheet(CWnd* owner, int cableNumber, CDC& printer) {
    const CableRecord& cable = Catalog.cables[cableNumber];
    PrintCableSheet(owner, cable.name, cable.startPlug, cable.endPlug, cable.startPinouts, cable.endPinouts,
                    cableNumber, printer);
}

// `currentCable`: the table's number of the current cable, -1 for one of the user's own.
void printCables(CWnd* owner, const CableFiles& current, int currentCable) {
    int choice = AskPrintChoice(owner);
    if (choice < 0) return;

    CDC printer = AskForPrinter(owner);
    if (!printer.GetSafeHdc()) {
        owner->MessageBox("Printing canceled", "Strandor!", MB_OK | MB_ICONHAND);
        return;
    }

    try {
        if (choice == PrintOption::CurrentCable && currentCable < 0)
            PrintCableSheet(owner, current, printer);
        else
            for (int cableNumber : SheetsToPrint(choice, currentCable)) printSheet(owner, cableNumber, printer);
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
}  // namespace

void PrintCables(CWnd* owner, int currentCable) { printCables(owner, TableCableFiles(currentCable), currentCable); }

void PrintCables(CWnd* owner, const CableFiles& current) { printCables(owner, current, -1); }
