#pragma once
// Puts a cable's wiring on the clipboard: as text (Unicode, and code page 1252 for older programs),
// and as CSV in the registered format "CSV".

#include <windows.h>

#include <string>

#include "datafiles/CableIndex.h"

// False when the clipboard could not be opened or filled.
bool PutWiringOnClipboard(HWND owner, const IndexedCable& cable, const std::string& name);
