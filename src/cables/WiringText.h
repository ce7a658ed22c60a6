#pragma once
// A cable's wiring as a person pastes it into a work order or an e-mail, and as CSV for a
// spreadsheet. Both from the cable's entry in the cable index. No windows.h here.

#include <string>

#include "datafiles/CableIndex.h"

// The title, both connectors with their gender, one line per wire and jumper ("S3 TxD -> E2 RxD"),
// the shield, the parts list and the continuity checklist; lines ended with CR LF.
std::string WiringText(const IndexedCable& cable, const std::string& name);

// The continuity checklist: its heading, the pairs, the extra checks, the neighbours that must
// stay silent and the closing line.
std::string ContinuityText(const IndexedCable& cable);

// The neighbours that must stay silent, one line an end after a line that says so; empty where
// the cable has none.
std::string QuietText(const IndexedCable& cable);

// A heading row, then one row per wire, jumper and shield: start contact, start signal, end contact,
// end signal, colour, kind; fields quoted where they need it, rows ended with CR LF. Then, after an
// empty row, a second table: the parts list (part, description).
std::string WiringCsv(const IndexedCable& cable);
