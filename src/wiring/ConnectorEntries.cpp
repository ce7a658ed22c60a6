#include "wiring/ConnectorEntries.h"

#include <algorithm>

namespace wiring {

namespace {
// Tabs separate the list's fields, so none may stand inside one.
std::string field(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

std::string firstTitle(const ConnectorSource& source) {
    return source.titles.empty() ? std::string() : field(source.titles.front().text);
}
}  // namespace

ConnectorEntry connectorEntry(const ConnectorSource& plug) {
    ConnectorEntry entry;
    entry.number = plug.number;
    entry.group = plug.group.text;
    entry.name = firstTitle(plug);
    entry.gender = plug.gender == Gender::Female ? "female" : "male";
    entry.view = plug.symbolic ? "contacts by name" : plug.sideView ? "side view" : "mating face";
    return entry;
}

PinoutEntry pinoutEntry(const ConnectorSource& pinouts) {
    PinoutEntry entry{pinouts.number, firstTitle(pinouts), {}};
    for (const PinRow& row : pinouts.pins) entry.rows.push_back({field(row.label), field(row.signal)});
    return entry;
}

}  // namespace wiring
