#pragma once
// MISC/CONNECT.LST, the connector catalog program's list: every connector drawing of the sources
// with its group and name, the pinout drawings the cable table pairs it with, and their names.

#include <string>

#include "OutputSet.h"
#include "datafiles/ConnectorList.h"

// The groups in the order the catalog program shows them; a connector's `group` line names one.
extern const char* const ConnectorGroups[];
extern const int ConnectorGroupCount;

// "MISC/CONNECT.LST", the list's path inside the DATA folder.
std::string connectorListPath();

// Reads the plug-NNN.txt and pinouts-NNN.txt sources in `folder`; a fault throws DataError
// naming the file and line. Connectors come in group order, then by number.
ConnectorList makeConnectorList(const std::string& folder);

// Adds the list, made from `folder`, to the output.
void addConnectorList(const std::string& folder, OutputSet& out);
