#pragma once
// The command lines and names handed to the outside programs. No windows.h here.

#include <string>

// "NOTEPAD.EXE DATA\USERNOTE\USERNOTE.nnn": the editor's name, one blank, the unquoted file name.
std::string UserNotesCommandLine(int cableNumber);
// "NOTEPAD.EXE "DATA\MYCABLES\my cable.txt"": a file whose name may hold blanks, quoted.
std::string EditorCommandLine(const std::string& path);

constexpr const char* EditorName = "NOTEPAD.EXE";
constexpr const char* ConnectorCatalogCommand = "CATALOG.EXE";
constexpr const char* ManualFile = "SD_DOC.PDF";
