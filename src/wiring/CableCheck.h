#pragma once
// A cable's wiring source read and checked against the drawings of its two connectors: the one
// road from source text to a cable that is fit to be drawn, for the DATA build and the guide alike.

#include <string>
#include <vector>

#include "wiring/CableReferences.h"
#include "wiring/CableSource.h"
#include "wiring/ConnectorSet.h"

namespace wiring {

// What a cable's row says of it: its number, its name and the drawings of its two ends.
struct CableHead {
    int number = 0;
    std::string name;
    int startPlug = 0;
    int endPlug = 0;
    int startPinouts = 0;
    int endPinouts = 0;
    const CableNames* listNames = nullptr;  // the cables a note may name with {cable N}; none when null
};

// What the connectors of the cable offer. Throws DataError when a connector drawing is missing.
CableEnds cableEnds(const ConnectorSet& connectors, const CableHead& head);

// Parses the source and runs every wiring check on it. Throws DataError ("file:line: message") at
// the first fault.
CableSource readCable(const std::string& text, const std::string& shownFile, const CableHead& head,
                      const ConnectorSet& connectors);
// The same for lines already split, under the given rules.
CableSource readCable(const std::vector<SourceLine>& lines, const std::string& shownFile, const CableHead& head,
                      const ConnectorSet& connectors, const CableRules& rules);

}  // namespace wiring
