#include "datafiles/Continuity.h"

std::vector<ContinuityPair> ContinuityList(const std::vector<IndexedWire>& wires) {
    std::vector<ContinuityPair> pairs;
    for (std::size_t i = 0; i < wires.size(); ++i)
        if (wires[i].joins()) pairs.push_back({wires[i].from, wires[i].to, i});
    return pairs;
}

std::vector<std::string> ContinuityPairs(const IndexedCable& cable) {
    std::vector<std::string> pairs;
    for (const ContinuityPair& pair : ContinuityList(cable.wires)) pairs.push_back(pair.text());
    return pairs;
}
