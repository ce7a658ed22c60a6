#pragma once
// The folder of wiring sources, data/cables: one cable-NNN.txt for every cable in use, checked
// against the cable's two connectors (data/connectors), drawn as CABLE.NNN and NOTES.NNN.

#include <filesystem>
#include <string>

#include "OutputSet.h"
#include "CableSource.h"

// Throws DataError on the first fault, and when a cable in use has no source.
void readCables(const std::filesystem::path& folder, const std::string& shownFolder, OutputSet& out);

// What the connectors of cable 'number' offer, from the sources in connectorsFolder.
CableEnds cableEnds(const std::filesystem::path& connectorsFolder, const std::string& shownFolder, int number);

// One cable's source from the data folder, read and checked (for the continuity list).
CableSource loadCable(const std::string& sourceDir, int number);
