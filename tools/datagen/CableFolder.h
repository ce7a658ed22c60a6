#pragma once
// The folder of wiring sources, data/cables: one cable-NNN.txt for every cable in use, checked
// against the cable's two connectors (data/connectors), drawn as CABLE.NNN and NOTES.NNN.

#include <filesystem>
#include <map>
#include <string>

#include "OutputSet.h"
#include "SourceFiles.h"
#include "wiring/CableCheck.h"
#include "wiring/CableSource.h"

// Every source in `folder`, by cable number, each checked against `connectors`. Throws DataError
// on the first fault, and when a cable in use has no source.
std::map<int, wiring::CableSource> loadCables(const std::filesystem::path& folder, const std::string& shownFolder,
                                              const wiring::ConnectorSet& connectors);

// Each cable's circuit diagram and notes.
void addCableDrawings(const std::map<int, wiring::CableSource>& cables, OutputSet& out);

// The cable table's row of cable 'number' as the head its source is checked with.
wiring::CableHead tableHead(int number);

// What the connectors of cable 'number' offer.
wiring::CableEnds cableEnds(const wiring::ConnectorSet& connectors, int number);

// One cable's source from the data folder, read and checked against the folder's connectors (for
// the continuity list).
wiring::CableSource loadCable(const std::string& sourceDir, int number);
