// The program's cable index, DATA\MISC\CABLES.IDX: whatever it accepts, it writes back and reads
// the same, and Find cable and Copy wiring take every cable of it without a fault.
#include "FuzzShared.h"
#include "cables/CableSearch.h"
#include "cables/WiringText.h"
#include "datafiles/CableIndex.h"
#include "datafiles/Continuity.h"

using namespace wiring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > MaxCableIndexBytes) return 0;
    const CableIndexReading read = ParseCableIndex(FuzzText(data, size));
    if (!read.ok) {
        if (read.error.empty()) BrokenPromise("a refused index without a reason");
        return 0;
    }
    const CableIndexReading again = ParseCableIndex(FormatCableIndex(read.index));
    if (!again.ok || !(again.index.cables == read.index.cables))
        BrokenPromise("the index written back does not read the same");
    std::vector<Cable> cables;
    for (const IndexedCable& cable : read.index.cables) {
        if (read.index.find(cable.number) == nullptr) BrokenPromise("a cable of the index is not found by its number");
        WiringText(cable, "name");
        WiringCsv(cable);
        ContinuityPairs(cable);
        Cable found;
        found.origin = TableRow(cable.number);
        found.name = "name";
        found.indexed = true;
        found.entry = cable;
        cables.push_back(found);
    }
    for (const std::string& choice : ConnectorChoices(cables, true))
        FindCables(cables, {"a", choice, "", true});
    FindCables(cables, {"de-9 txd", "", ""});
    return 0;
}
