#include "external/CommandLines.h"

#include "catalog/Catalog.h"

std::string UserNotesCommandLine(int cableNumber) {
    return std::string(EditorName) + " " + DataFileName(DataPrefix::UserNote, cableNumber);
}
