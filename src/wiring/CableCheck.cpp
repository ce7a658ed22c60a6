#include "wiring/CableCheck.h"

#include <map>
#include <set>
#include <tuple>

#include "datafiles/ThreeDigits.h"
#include "wiring/CoreCount.h"
#include "wiring/QuietPairs.h"
#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

std::set<std::string> contacts(const ConnectorSet& connectors, int number, const std::string& why) {
    const ConnectorSource* source = connectors.plug(number);
    if (!source) throw DataError(why, 0, "there is no connector drawing plug-" + ThreeDigits(number) + ".txt");
    std::set<std::string> ids;
    for (const Contact& c : source->face.contacts) ids.insert(c.id);
    if (source->metalShell) ids.insert("SHELL");
    return ids;
}

// The signal of every contact of the pinout drawing of that number; none where there is no source
// for it (000).
std::map<std::string, std::string> signals(const ConnectorSet& connectors, int number) {
    std::map<std::string, std::string> names;
    if (const ConnectorSource* source = connectors.pinout(number)) {
        for (const PinRow& row : source->pins) {
            for (const std::string& id : row.ids) names[id] = row.signal;
        }
    }
    return names;
}

// The pinout drawing an end follows: the table's, or the one the source names instead, which must
// show the same connector.
const ConnectorSource* endPinouts(const ConnectorSet& connectors, const CableSource& cable, Side side, int plug,
                                  int tableNumber) {
    const CableEndFacts& facts = cable.facts(side);
    if (facts.pinoutsLine == 0) return connectors.pinout(tableNumber);
    const int line = facts.pinoutsLine;
    if (facts.pinoutsNumber == tableNumber)
        throw DataError(cable.file, line,
                        "the cable table pairs pinout drawing " + std::to_string(tableNumber) + " with this end already");
    const ConnectorSource* named = connectors.pinout(facts.pinoutsNumber);
    if (!named)
        throw DataError(cable.file, line, "there is no pinout drawing pinouts-" + ThreeDigits(facts.pinoutsNumber) + ".txt");
    const std::string face = "face plug " + std::to_string(plug);
    if (named->plugNumber != plug)
        throw DataError(cable.file, line,
                        "pinout drawing " + std::to_string(facts.pinoutsNumber) + " does not show this end's connector (" +
                            face + ")");
    return named;
}

}  // namespace

CableEnds cableEnds(const ConnectorSet& connectors, const CableHead& head) {
    const std::string why = "cable " + std::to_string(head.number) + " \"" + head.name + "\"";
    CableEnds ends;
    ends.startContacts = contacts(connectors, head.startPlug, why);
    ends.endContacts = contacts(connectors, head.endPlug, why);
    ends.startSignals = signals(connectors, head.startPinouts);
    const ConnectorSource* startPlug = connectors.plug(head.startPlug);
    const ConnectorSource* endPlug = connectors.plug(head.endPlug);
    ends.startDrawnGender = startPlug->gender;
    ends.endDrawnGender = endPlug->gender;
    ends.startDrawnFace = !startPlug->sideView && !startPlug->symbolic;
    ends.endDrawnFace = !endPlug->sideView && !endPlug->symbolic;
    ends.startLooseEnds = startPlug->looseEnds;
    ends.endLooseEnds = endPlug->looseEnds;
    for (const auto& [plug, title, parts] : {std::tie(startPlug, ends.startTitle, ends.startParts),
                                             std::tie(endPlug, ends.endTitle, ends.endParts)}) {
        if (!plug->titles.empty()) title = plug->titles.front().text;
        for (const TextLine& part : plug->parts) parts.push_back(part.text);
    }
    return ends;
}

CableSource readCable(const std::string& text, const std::string& shownFile, const CableHead& head,
                      const ConnectorSet& connectors) {
    return readCable(splitSourceText(text, shownFile), shownFile, head, connectors, CableRules{});
}

CableSource readCable(const std::vector<SourceLine>& lines, const std::string& shownFile, const CableHead& head,
                      const ConnectorSet& connectors, const CableRules& rules) {
    CableSource cable = parseCable(lines, head.number, shownFile, cableEnds(connectors, head), rules);
    fillCoreCounts(cable);
    resolveCableReferences(cable, head.name, head.listNames ? *head.listNames : CableNames{});
    EndPinouts pinouts;
    pinouts.start = endPinouts(connectors, cable, Side::Start, head.startPlug, head.startPinouts);
    pinouts.end = endPinouts(connectors, cable, Side::End, head.endPlug, head.endPinouts);
    checkWiring(cable, pinouts);
    fillQuietPairs(cable, *connectors.plug(head.startPlug), *connectors.plug(head.endPlug), pinouts);
    return cable;
}

}  // namespace wiring
