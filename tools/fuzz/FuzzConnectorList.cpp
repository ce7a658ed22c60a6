// The catalog program's connector list: whatever it accepts, it writes back and reads the same.
#include "FuzzShared.h"
#include "datafiles/ConnectorList.h"

using namespace wiring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > MaxConnectorListBytes) return 0;
    const ConnectorListReading read = ParseConnectorList(FuzzText(data, size));
    if (!read.ok) {
        if (read.error.empty()) BrokenPromise("a refused list without a reason");
        return 0;
    }
    const ConnectorListReading again = ParseConnectorList(FormatConnectorList(read.list));
    if (!again.ok || !(again.list.connectors == read.list.connectors) || !(again.list.pinouts == read.list.pinouts))
        BrokenPromise("the list written back does not read the same");
    return 0;
}
