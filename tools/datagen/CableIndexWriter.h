#pragma once
// MISC/CABLES.IDX, the program's index of every cable in use: its connectors with their gender,
// its wiring, its checks and the words of its notes, from the wiring and connector sources.

#include <string>

#include "Build.h"
#include "CableSource.h"
#include "ConnectorSource.h"
#include "SourceSet.h"
#include "datafiles/CableIndex.h"

// "MISC/CABLES.IDX", the index's path inside the DATA folder.
std::string cableIndexPath();

// The connector's family: its drawing's first title line without a bracketed ending.
std::string connectorFamily(const std::string& title);

// One cable's entry, from its source and the drawings of its two connectors.
IndexedCable indexCable(const CableSource& cable, const ConnectorSource& startPlug, const ConnectorSource& endPlug);

// Adds the index of every cable in use, from the loaded sources, to the output.
void addCableIndex(const SourceSet& sources, OutputSet& out);
