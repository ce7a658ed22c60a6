#pragma once
// A cable's entry in the program's cable index (Find cable, Copy wiring): its connectors with
// their gender, its wiring, its checks and the words of its notes.

#include <string>

#include "datafiles/CableIndex.h"
#include "wiring/CableSource.h"
#include "wiring/ConnectorSource.h"
#include "wiring/PartsList.h"

namespace wiring {

// One cable's entry, from its source and the drawings of its two connectors.
IndexedCable indexCable(const CableSource& cable, const ConnectorSource& startPlug, const ConnectorSource& endPlug);

}  // namespace wiring
