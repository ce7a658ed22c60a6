#include "print/PageLayout.h"

std::array<SheetDrawing, 7> SheetDrawings(const CableRecord& cable, int cableNumber) {
    // The row of five is spaced 39 mm apart on one baseline, 73 mm down.
    return {{
        {DataFileName(DataPrefix::Pinouts, cable.startPinouts), -2500, 7300},
        {DataFileName(DataPrefix::Plug, cable.startPlug), -6400, 7300},
        {DataFileName(DataPrefix::Cable, cableNumber), -10300, 7300},
        {DataFileName(DataPrefix::Plug, cable.endPlug), -14200, 7300},
        {DataFileName(DataPrefix::Pinouts, cable.endPinouts), -18100, 7300},
        {DataFileName(DataPrefix::Notes, cableNumber), -6400, 17000},
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
