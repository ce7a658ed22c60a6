#pragma once
// The command lines and names handed to the outside programs. No windows.h here.

#include <string>

struct Cable;

// "NOTEPAD.EXE DATA\USERNOTE\USERNOTE.nnn": the editor's name, one blank and the cable's notes
// file, unquoted as the table's are; quoted when its name holds a blank.
std::string UserNotesCommandLine(const Cable& cable);
// "NOTEPAD.EXE "DATA\MYCABLES\my cable.txt"": a file whose name may hold blanks, quoted.
std::string EditorCommandLine(const std::string& path);

constexpr const char* EditorName = "NOTEPAD.EXE";
constexpr const char* ConnectorCatalogCommand = "CATALOG.EXE";
constexpr const char* ManualFile = "SD_DOC.PDF";
