#include "external/CommandLines.h"

#include "cables/CableTable.h"

std::string UserNotesCommandLine(int cableNumber) {
    return std::string(EditorName) + " " + DataFileName(DataPrefix::UserNote, cableNumber);
}

std::string EditorCommandLine(const std::string& path) { return std::string(EditorName) + " \"" + path + "\""; }
