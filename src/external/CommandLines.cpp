#include "external/CommandLines.h"

#include "cables/Cable.h"

std::string UserNotesCommandLine(const Cable& cable) {
    const std::string& file = cable.userNotes;
    return file.find(' ') == std::string::npos ? std::string(EditorName) + " " + file : EditorCommandLine(file);
}

std::string EditorCommandLine(const std::string& path) { return std::string(EditorName) + " \"" + path + "\""; }
