#include "print/PageLayout.h"

std::array<SheetDrawing, 7> SheetDrawings(const CableRecord& cable, int cableNumber) {
    CableFiles files;
    files.startPinouts = DataFileName(DataPrefix::Pinouts, cable.startPinouts);
    files.startPlug = DataFileName(DataPrefix::Plug, cable.startPlug);
    files.diagram = DataFileName(DataPrefix::Cable, cableNumber);
    files.endPlug = DataFileName(DataPrefix::Plug, cable.endPlug);
    files.endPinouts = DataFileName(DataPrefix::Pinouts, cable.endPinouts);
    files.notes = DataFileName(DataPrefix::Notes, cableNumber);
    return SheetDrawings(files);
}

std::array<SheetDrawing, 7> SheetDrawings(const CableFiles& files) {
    // The row of five is spaced 39 mm apart on one baseline, 73 mm down.
    return {{
        {files.startPinouts, -2500, 7300},
        {files.startPlug, -6400, 7300},
        {files.diagram, -10300, 7300},
        {files.endPlug, -14200, 7300},
        {files.endPinouts, -18100, 7300},
        {files.notes, -6400, 17000},
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
