#pragma once
// A small connector list that the catalog program's tests share: two D-subs with several pinouts,
// a connector with no pinout drawing (0) and one that no cable uses.

#include "datafiles/ConnectorList.h"

inline ConnectorList SampleConnectorList() {
    ConnectorList list;
    list.connectors = {{9, "Serial and parallel", "DE-9 (9-pin D-sub)", {1, 7, 9, 36}, "female", "mating face"},
                       {11, "Serial and parallel", "DB-25 (25-pin D-sub)", {2, 3, 49}, "male", "mating face"},
                       {15, "Audio and AV", "RCA (phono)", {0}, "male", "side view"},
                       {99, "Audio and AV", "Unused", {}, "", ""}};
    return list;
}
