#pragma once
// MISC/CONNECT.LST, the connector catalog program's list: every connector drawing of the sources
// with its group and name, the pinout drawings the cable table pairs it with, and their names.

#include <string>

#include "OutputSet.h"
#include "SourceSet.h"
#include "datafiles/ConnectorList.h"

// The groups in the order the catalog program shows them; a connector's `group` line names one.
extern const char* const ConnectorGroups[];
extern const int ConnectorGroupCount;

// "MISC/CONNECT.LST", the list's path inside the DATA folder.
std::string connectorListPath();

// Every connector drawing with the titles of the pinout drawings the table pairs it with; a
// connector without a known group throws DataError naming its file and line. Connectors come in
// group order, then by number.
ConnectorList makeConnectorList(const wiring::ConnectorSet& connectors);

// Adds the list to the output.
void addConnectorList(const wiring::ConnectorSet& connectors, OutputSet& out);
