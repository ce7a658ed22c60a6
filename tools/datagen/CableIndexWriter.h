#pragma once
// MISC/CABLES.IDX, the program's index of every cable in use, one entry a cable from its wiring
// and connector sources.

#include <string>

#include "OutputSet.h"
#include "SourceSet.h"
#include "datafiles/CableIndex.h"
#include "wiring/CableIndexEntry.h"

// "MISC/CABLES.IDX", the index's path inside the DATA folder.
std::string cableIndexPath();

// Adds the index of every cable in use, from the loaded sources, to the output.
void addCableIndex(const SourceSet& sources, OutputSet& out);
