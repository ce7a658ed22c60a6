// A connector source read both ways, as a connector drawing and as a pinout drawing (whose
// "face plug N" finds the real connectors), and drawn when it is accepted.
#include "wiring/ConnectorLayout.h"
#include "FuzzShared.h"

using namespace wiring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PlugLookup lookup = [](int number) -> const ConnectorSource* {
        auto found = RealPlugs().find(number);
        return found == RealPlugs().end() ? nullptr : &found->second;
    };
    try {
        const std::vector<SourceLine> lines = splitSourceText(FuzzText(data, size), "plug-999.txt");
        try {
            RenderChecked(layoutConnector(parseConnector(lines, ConnectorKind::Plug, 999, "plug-999.txt", nullptr)),
                          DrawingKind::Connector);
        } catch (const DataError&) {
        }
        RenderChecked(layoutPinouts(parseConnector(lines, ConnectorKind::Pinouts, 999, "pinouts-999.txt", lookup)),
                      DrawingKind::Connector);
    } catch (const DataError&) {
    }
    return 0;
}
