#include "print/PageLayout.h"

std::array<SheetDrawing, 7> SheetDrawings(const CableRecord& record, int cableNumber) {
    Cable cable;
    cable.start.pinouts = DataFileName(DataPrefix::Pinouts, record.startPinouts);
    cable.start.plug = DataFileName(DataPrefix::Plug, record.startPlug);
    cable.diagram = DataFileName(DataPrefix::Cable, cableNumber);
    cable.end.plug = DataFileName(DataPrefix::Plug, record.endPlug);
    cable.end.pinouts = DataFileName(DataPrefix::Pinouts, record.endPinouts);
    cable.notes = DataFileName(DataPrefix::Notes, cableNumber);
    return SheetDrawings(cable);
}

std::array<SheetDrawing, 7> SheetDrawings(const Cable& cable) {
    // The row of five is spaced 39 mm apart on one baseline, 73 mm down.
    return {{
        {cable.start.pinouts, -2500, 7300},
        {cable.start.plug, -6400, 7300},
        {cable.diagram, -10300, 7300},
        {cable.end.plug, -14200, 7300},
        {cable.end.pinouts, -18100, 7300},
        {cable.notes, -6400, 17000},
        {DataPrefix::PrintLogo, -6400, 24700},
    }};
}

PagePoint ListLinePosition(int number) { return {2000, -2500 - ListFontHeight * (number - 1)}; }

std::string ListLineText(int number, const char* name) { return std::to_string(number) + ". " + name; }

std::vector<const char*> CableListNames() {
    std::vector<const char*> names;
    for (int row : CablesInUse()) names.push_back(Catalog.cables[row].name);
    return names;
}

std::vector<int> SheetsToPrint(int choice, int currentCable) {
    std::vector<int> numbers;
    if (choice == PrintOption::CurrentCable) numbers.push_back(currentCable);
    if (choice == PrintOption::AllCables) numbers = CablesInUse();
    return numbers;
}
