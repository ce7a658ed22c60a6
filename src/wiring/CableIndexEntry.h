#pragma once
// A cable's entry in the program's cable index (Find cable, Copy wiring): its connectors with
// their gender, its wiring, its checks and the words of its notes.

#include <string>

#include "datafiles/CableIndex.h"
#include "wiring/CableSource.h"
#include "wiring/ConnectorSource.h"

namespace wiring {

// The connector's family: its drawing's first title line without a bracketed ending.
std::string connectorFamily(const std::string& title);

// One cable's entry, from its source and the drawings of its two connectors.
IndexedCable indexCable(const CableSource& cable, const ConnectorSource& startPlug, const ConnectorSource& endPlug);

}  // namespace wiring
