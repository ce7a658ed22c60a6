// A wiring source checked against every contact the real connectors offer, and drawn as its
// circuit diagram and notes when accepted.
#include "CableFolder.h"
#include "wiring/CableLayout.h"
#include "FuzzShared.h"
#include "wiring/NotesLayout.h"
#include "cables/CableTable.h"

using namespace wiring;

namespace {
CableEnds AnyRealEnds() {
    CableEnds all;
    const ConnectorSet connectors = loadConnectors(std::string(SOURCE_DIR) + "/data/connectors");
    for (int n : CablesInUse()) {
        CableEnds ends = cableEnds(connectors, n);
        all.startContacts.insert(ends.startContacts.begin(), ends.startContacts.end());
        all.endContacts.insert(ends.endContacts.begin(), ends.endContacts.end());
        all.startSignals.insert(ends.startSignals.begin(), ends.startSignals.end());
    }
    return all;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CableEnds ends = AnyRealEnds();
    try {
        const CableSource cable =
            parseCable(splitSourceText(FuzzText(data, size), "cable-001.txt"), 1, "cable-001.txt", ends);
        try {
            RenderChecked(layoutCableDiagram(cable), DrawingKind::Connector);
        } catch (const DataError&) {
        }
        RenderChecked(layoutCableNotes(cable, Catalog.cables[1].name), DrawingKind::Notes);
    } catch (const DataError&) {
    }
    return 0;
}
