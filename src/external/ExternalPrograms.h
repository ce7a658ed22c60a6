#pragma once
// The user's notes in the text editor, the connector catalog program and the manual. Each call
// starts the outside program and returns at once; nothing is kept of it and no failure is shown.

#include <string>

class CWnd;

void OpenUserNotes(int cableNumber);
void StartConnectorCatalog();
void OpenManual(CWnd* parent);

// Where the text editor is taken from: the Windows system folder, never the program's own folder
// or the current one, so a NOTEPAD.EXE left among the data is never run in its stead.
std::string EditorPath();
