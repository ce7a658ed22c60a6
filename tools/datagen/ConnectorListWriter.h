#pragma once
// MISC/CONNECT.LST, the connector catalog program's list: every connector drawing of the sources
// with its group and name, the pinout drawings the cables follow with it, and their names.

#include <map>
#include <string>

#include "OutputSet.h"
#include "SourceSet.h"
#include "datafiles/ConnectorList.h"

// The groups in the order the catalog program shows them; a connector's `group` line names one.
extern const char* const ConnectorGroups[];
extern const int ConnectorGroupCount;

// "MISC/CONNECT.LST", the list's path inside the DATA folder.
std::string connectorListPath();

// Every connector drawing with the titles of the pinout drawings the cables follow with it: those
// the table pairs it with, and those a wiring source of `cables` names instead with a `pinouts`
// line (the table's pairing is fixed). A connector without a known group throws DataError naming
// its file and line. Connectors come in group order, then by number.
ConnectorList makeConnectorList(const wiring::ConnectorSet& connectors,
                                const std::map<int, wiring::CableSource>& cables = {});

// Adds the list to the output; throws DataError when a pinout drawing one of `cables` follows is
// not listed with its connector by name, so the catalog and a screen reader could not tell it.
void addConnectorList(const wiring::ConnectorSet& connectors, const std::map<int, wiring::CableSource>& cables,
                      OutputSet& out);
