#include "CableIndexWriter.h"

#include "cables/CableTable.h"

using namespace wiring;

std::string cableIndexPath() { return "MISC/CABLES.IDX"; }

void addCableIndex(const SourceSet& sources, OutputSet& out) {
    CableIndex index;
    for (int n : CablesInUse()) {
        const CableRecord& row = Catalog.cables[n];
        index.cables.push_back(indexCable(sources.cable(n), *sources.connectors.plug(row.startPlug),
                                          *sources.connectors.plug(row.endPlug)));
    }
    const std::string text = FormatCableIndex(index);
    out[cableIndexPath()] = {std::vector<std::uint8_t>(text.begin(), text.end()), sources.root + "/cables"};
}
