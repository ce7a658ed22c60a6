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

// The ends of the shipped cables: which connector each has, and which pinout drawing it follows.
struct FollowedPinouts {
    int cable, plug, pinouts;
};

std::vector<FollowedPinouts> followedPinouts(const std::map<int, CableSource>& cables) {
    std::vector<FollowedPinouts> ends;
    for (const auto& [number, cable] : cables) {
        const CableRecord& row = Catalog.cables[number];
        const int start = cable.startEnd.pinoutsLine ? cable.startEnd.pinoutsNumber : row.startPinouts;
        const int end = cable.endEnd.pinoutsLine ? cable.endEnd.pinoutsNumber : row.endPinouts;
        ends.push_back({number, row.startPlug, start});
        ends.push_back({number, row.endPlug, end});
    }
    return ends;
}

std::vector<int> pinoutsFollowedWith(int plug, const std::vector<FollowedPinouts>& ends) {
    std::vector<int> pinouts = PinoutsUsedWith(plug);
    for (const FollowedPinouts& end : ends) {
        if (end.plug == plug) pinouts.push_back(end.pinouts);
    }
    std::sort(pinouts.begin(), pinouts.end());
    pinouts.erase(std::unique(pinouts.begin(), pinouts.end()), pinouts.end());
    return pinouts;
}
}  // namespace

std::string connectorListPath() { return "MISC/CONNECT.LST"; }

ConnectorList makeConnectorList(const ConnectorSet& connectors, const std::map<int, CableSource>& cables) {
    const std::vector<FollowedPinouts> ends = followedPinouts(cables);
    std::vector<std::pair<int, ConnectorEntry>> ordered;  // group index, entry
    for (const auto& [number, source] : connectors.plugs) {
        ConnectorEntry entry = connectorEntry(source);
        entry.number = number;
        entry.pinouts = pinoutsFollowedWith(number, ends);
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

void addConnectorList(const ConnectorSet& connectors, const std::map<int, CableSource>& cables, OutputSet& out) {
    const ConnectorList list = makeConnectorList(connectors, cables);
    for (const FollowedPinouts& end : followedPinouts(cables)) {
        if (end.pinouts == 0) continue;  // the stand-in "No pinout drawing for this connector"
        const ConnectorEntry* connector = list.connector(end.plug);
        const bool listed = connector && list.pinout(end.pinouts) &&
                            std::count(connector->pinouts.begin(), connector->pinouts.end(), end.pinouts) == 1;
        if (!listed)
            throw DataError(connectors.folder, 0,
                            "cable " + std::to_string(end.cable) + " follows pinout drawing " +
                                std::to_string(end.pinouts) + " with connector " + std::to_string(end.plug) +
                                ", but the connector list does not name it there");
    }
    const std::string text = FormatConnectorList(list);
    out[connectorListPath()] = {std::vector<std::uint8_t>(text.begin(), text.end()), connectors.folder};
}
