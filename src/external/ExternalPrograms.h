#pragma once
// The user's notes in the text editor, the connector catalog program and the manual. Each call
// starts the outside program and returns at once; nothing is kept of it. When the program cannot
// be started, one message box titled "Strandor!" over the owner names what is missing.

#include <string>

class CWnd;

struct Cable;

void OpenUserNotes(CWnd* owner, const Cable& cable);
// Opens `path` (a file of DATA\MYCABLES: a cable source or its notes) in the text editor.
void OpenInEditor(CWnd* owner, const std::string& path);
void StartConnectorCatalog(CWnd* owner);
void OpenManual(CWnd* owner);

// Where the text editor is taken from: the Windows system folder, never the program's own folder
// or the current one, so a NOTEPAD.EXE left among the data is never run in its stead.
std::string EditorPath();
