#include "external/StartFailure.h"

#include "external/CommandLines.h"

std::string EditorFailureText(StartFailure why, const std::string& editorPath) {
    if (why == StartFailure::ProgramMissing)
        return "Your notes cannot be opened: the text editor " + editorPath + " is missing.";
    return "Your notes cannot be opened: the text editor " + editorPath + " could not be started.";
}

std::string ConnectorCatalogFailureText(StartFailure why) {
    if (why == StartFailure::ProgramMissing)
        return std::string("The connector catalog cannot be started: ") + ConnectorCatalogCommand + " is missing.";
    return std::string("The connector catalog cannot be started: ") + ConnectorCatalogCommand +
           " could not be run.";
}

std::string ManualFailureText(StartFailure why, const std::string& folder) {
    const std::string manual = ManualFile;
    if (why == StartFailure::FileMissing)
        return "The manual cannot be opened: " + manual + " is missing from " + folder + ".";
    if (why == StartFailure::NothingRegistered)
        return "The manual cannot be opened: no program is registered to open PDF files such as " + manual + ".";
    return "The manual cannot be opened: " + manual + " could not be handed to its program.";
}
