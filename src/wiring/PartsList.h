#pragma once
// What is bought to make a cable, worked out from its source: each end's connector with its
// gender and the parts its drawing and the cable name for it, and the cable with the cores the
// wiring needs, its shield, gauge, length and parts. The notes, the index, Copy wiring and a
// screen reader all take it from here.

#include <string>
#include <vector>

#include "wiring/CableSource.h"

namespace wiring {

struct PartsEntry {
    PartPlace place;
    std::string text;
};

// The connector's family: its drawing's first title line without a bracketed ending.
std::string connectorFamily(const std::string& title);

// "start", "end", "cable".
std::string partPlaceWord(PartPlace place);

// Three entries: the start, the end and the cable.
std::vector<PartsEntry> partsList(const CableSource& cable);

// The list as the notes' paragraph "Parts", which names each end once, as the diagram does:
// "Start (S, left): DE-9 (PC 1), female; solder cups; hood. End (E, right): ... Cable: 7 cores, shielded."
std::string partsParagraph(const CableSource& cable);

// The source line a fault of that paragraph is reported on: the first 'part', 'gauge' or 'length'
// line, else the first 'gender' line, else 1.
int partsSourceLine(const CableSource& cable);

}  // namespace wiring
