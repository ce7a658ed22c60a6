#include "cables/ConnectorUse.h"

#include <algorithm>

#include "cables/CableTable.h"

std::vector<int> PinoutsUsedWith(int plug) {
    std::vector<int> pinouts;
    for (int row : CablesInUse()) {
        const CableRecord& cable = Catalog.cables[row];
        if (cable.startPlug == plug) pinouts.push_back(cable.startPinouts);
        if (cable.endPlug == plug) pinouts.push_back(cable.endPinouts);
    }
    std::sort(pinouts.begin(), pinouts.end());
    pinouts.erase(std::unique(pinouts.begin(), pinouts.end()), pinouts.end());
    return pinouts;
}

std::vector<int> CablesUsing(int plug, int pinouts) {
    std::vector<int> cables;
    for (int row : CablesInUse()) {
        const CableRecord& cable = Catalog.cables[row];
        if ((cable.startPlug == plug && cable.startPinouts == pinouts) ||
            (cable.endPlug == plug && cable.endPinouts == pinouts))
            cables.push_back(row);
    }
    return cables;
}
