#pragma once
// The folder of wiring sources, data/cables: one cable-NNN.txt for every cable in use, checked
// against the cable's two connectors (data/connectors), drawn as CABLE.NNN and NOTES.NNN.

#include <filesystem>
#include <map>
#include <string>

#include "CableSource.h"
#include "OutputSet.h"
#include "SourceSet.h"

// Every source in `folder`, by cable number, each checked against `connectors`. Throws DataError
// on the first fault, and when a cable in use has no source.
std::map<int, CableSource> loadCables(const std::filesystem::path& folder, const std::string& shownFolder,
                                      const ConnectorSet& connectors);

// Each cable's circuit diagram and notes.
void addCableDrawings(const std::map<int, CableSource>& cables, OutputSet& out);

// What the connectors of cable 'number' offer.
CableEnds cableEnds(const ConnectorSet& connectors, int number);

// One cable's source from the data folder, read and checked against the folder's connectors (for
// the continuity list).
CableSource loadCable(const std::string& sourceDir, int number);
