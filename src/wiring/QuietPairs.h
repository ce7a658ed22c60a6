#pragma once
// The neighbour pairs of a cable: on each end (each plug of a branched end), every two contacts
// side by side on the connector's face that the wiring does not join, named as the continuity list
// names contacts. The notes, the cable index (and so Copy wiring and the bench test) take them
// from here.

#include "wiring/CableSource.h"
#include "wiring/ConnectorSource.h"
#include "wiring/WiringChecks.h"

namespace wiring {

// Fills cable.quietPairs and cable.unplacedEnds. A contact that the end's pinout drawing marks as
// the key takes no part (no probe reaches it); one the drawing leaves out is still on the face,
// and a bridge to it joins whatever the mating device has there. A face drawn as a symbol gives no
// positions, so its end has no pairs and is named in unplacedEnds.
void fillQuietPairs(CableSource& cable, const ConnectorSource& startPlug, const ConnectorSource& endPlug,
                    const EndPinouts& pinouts);

}  // namespace wiring
