#include "ConnectorListWriter.h"

#include <algorithm>
#include <map>

#include "cables/CableTable.h"
#include "cables/ConnectorUse.h"
#include "wiring/ConnectorEntries.h"
#include "wiring/SourceText.h"

using namespace wiring;

const char* const ConnectorGroups[] = {
    "Serial and parallel", "DIN and mini-DIN", "Modular jacks", "Video", "Audio and AV", "Storage", "Power and mains",
};
const int ConnectorGroupCount = static_cast<int>(std::size(ConnectorGroups));

namespace {
int groupIndex(const ConnectorSource& source) {
    for (int i = 0; i < ConnectorGroupCount; ++i)
        if (source.group.text == ConnectorGroups[i]) return i;
    std::string known;
    for (int i = 0; i < ConnectorGroupCount; ++i) known += std::string(i ? ", " : "") + ConnectorGroups[i];
    if (source.group.text.empty())
        throw DataError(source.file, 1, "no group line; the connector catalog needs one of: " + known);
    throw DataError(source.file, source.group.line, "unknown group '" + source.group.text +
                    "' (" + known + ")");
}
}  // namespace

std::string connectorListPath() { return "MISC/CONNECT.LST"; }

ConnectorList makeConnectorList(const ConnectorSet& connectors) {
    std::vector<std::pair<int, ConnectorEntry>> ordered;  // group index, entry
    for (const auto& [number, source] : connectors.plugs) {
        ConnectorEntry entry = connectorEntry(source);
        entry.number = number;
        entry.pinouts = PinoutsUsedWith(number);
        ordered.push_back({groupIndex(source), entry});
    }
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.number < b.second.number;
    });

    ConnectorList list;
    std::map<int, PinoutEntry> pinouts;
    for (const auto& [group, entry] : ordered) {
        list.connectors.push_back(entry);
        // Of a pinout drawing the list takes the first title line only.
        for (int pinout : entry.pinouts) {
            const ConnectorSource* source = connectors.pinout(pinout);
            if (source) pinouts.emplace(pinout, pinoutEntry(*source));
        }
    }
    for (auto& [number, pinout] : pinouts) {
        if (pinout.name.empty()) continue;
        pinout.number = number;
        list.pinouts.push_back(pinout);
    }
    return list;
}

void addConnectorList(const ConnectorSet& connectors, OutputSet& out) {
    const std::string text = FormatConnectorList(makeConnectorList(connectors));
    out[connectorListPath()] = {std::vector<std::uint8_t>(text.begin(), text.end()), connectors.folder};
}
