#include "ConnectorListWriter.h"

#include <algorithm>
#include <map>

#include "cables/CableTable.h"
#include "cables/ConnectorUse.h"
#include "wiring/SourceText.h"

using namespace wiring;

const char* const ConnectorGroups[] = {
    "Serial and parallel", "DIN and mini-DIN", "Modular jacks", "Video", "Audio and AV", "Storage", "Power and mains",
};
const int ConnectorGroupCount = static_cast<int>(std::size(ConnectorGroups));

namespace {
// Tabs separate the list's fields, so none may stand inside one.
std::string field(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

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
        ConnectorEntry entry;
        entry.number = number;
        entry.group = source.group.text;
        entry.name = field(source.titles.front().text);
        entry.pinouts = PinoutsUsedWith(number);
        entry.gender = source.gender == Gender::Female ? "female" : "male";
        entry.view = source.symbolic ? "contacts by name" : source.sideView ? "side view" : "mating face";
        ordered.push_back({groupIndex(source), entry});
    }
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.number < b.second.number;
    });

    ConnectorList list;
    std::map<int, std::string> pinoutNames;
    for (const auto& [group, entry] : ordered) {
        list.connectors.push_back(entry);
        // Of a pinout drawing the list takes the first title line only.
        for (int pinout : entry.pinouts) {
            const ConnectorSource* source = connectors.pinout(pinout);
            if (source) pinoutNames.emplace(pinout, field(source->titles.front().text));
        }
    }
    for (const auto& [number, name] : pinoutNames) {
        if (name.empty()) continue;
        PinoutEntry pinout{number, name, {}};
        for (const PinRow& row : connectors.pinout(number)->pins) pinout.rows.push_back({field(row.label), field(row.signal)});
        list.pinouts.push_back(pinout);
    }
    return list;
}

void addConnectorList(const ConnectorSet& connectors, OutputSet& out) {
    const std::string text = FormatConnectorList(makeConnectorList(connectors));
    out[connectorListPath()] = {std::vector<std::uint8_t>(text.begin(), text.end()), connectors.folder};
}
