#include "wiring/PartsList.h"

#include <algorithm>

#include "wiring/CoreCount.h"
#include "wiring/EndGenders.h"

namespace wiring {

namespace {

// What is bought for one end beyond its connector: the connector drawing's parts, then the cable's.
std::vector<std::string> ownParts(const CableSource& cable, Side side) {
    std::vector<std::string> parts = cable.facts(side).connectorParts;
    const PartPlace place = side == Side::Start ? PartPlace::Start : PartPlace::End;
    for (const PartLine& part : cable.parts)
        if (part.place == place) parts.push_back(part.text);
    return parts;
}

std::string endText(const CableSource& cable, Side side) {
    const CableEndFacts& facts = cable.facts(side);
    // The connector's family ("DE-9", not "DE-9 (9-pin D-sub)"), as a shop lists it.
    const std::string title = facts.connectorTitle.empty() ? cable.heading(side).text : facts.connectorTitle;
    std::string text = connectorFamily(title) + (facts.looseEnds ? ", loose ends" : " " + endWord(facts));
    // A branched end has one plug of its connector per branch.
    if (side == Side::End && cable.branches.size() > 1) text = std::to_string(cable.branches.size()) + " x " + text;
    for (const std::string& part : ownParts(cable, side)) text += "; " + part;
    return text;
}

// One end as the notes say it: the side's letter and place, the name the diagram gives the end
// (which counts a branched end's plugs), its gender and its parts.
std::string endNotesText(const CableSource& cable, Side side) {
    std::string text = std::string(side == Side::Start ? "Start (S, left): " : "End (E, right): ") +
                       cable.heading(side).text + ", " + endWord(cable.facts(side));
    for (const std::string& part : ownParts(cable, side)) text += "; " + part;
    return text + (text.back() == '.' ? "" : ".");
}

std::string cableText(const CableSource& cable) {
    const CoreNeed need = coresNeeded(cable);
    std::string text = std::to_string(need.cores) + (need.cores == 1 ? " core" : " cores");
    if (!cable.branches.empty()) text += ", leads of up to " + std::to_string(need.leadCores);
    const bool shield = std::any_of(cable.wires.begin(), cable.wires.end(),
                                    [](const Wire& w) { return w.kind == Wire::Kind::Shield; });
    if (shield) text += ", shielded";
    for (const GaugeLine& g : cable.gauges)
        text += ", " + g.gauge.text() + (g.wires.empty() ? "" : " for the wires of start " + g.contacts);
    for (const LengthLine& l : cable.lengths)
        text += ", " + (l.branch.empty() ? std::string() : "lead " + l.branch + " ") + l.length.text() + " long";
    for (const PartLine& part : cable.parts)
        if (part.place == PartPlace::Cable) text += "; " + part.text;
    return text;
}

}  // namespace

std::string connectorFamily(const std::string& title) {
    const std::size_t bracket = title.find(" (");
    if (bracket == std::string::npos || title.back() != ')') return title;
    return title.substr(0, bracket);
}

std::string partPlaceWord(PartPlace place) {
    switch (place) {
        case PartPlace::Start: return "start";
        case PartPlace::End: return "end";
        case PartPlace::Cable: break;
    }
    return "cable";
}

std::vector<PartsEntry> partsList(const CableSource& cable) {
    return {{PartPlace::Start, endText(cable, Side::Start)},
            {PartPlace::End, endText(cable, Side::End)},
            {PartPlace::Cable, cableText(cable)}};
}

std::string partsParagraph(const CableSource& cable) {
    const std::string cableLine = cableText(cable);
    return endNotesText(cable, Side::Start) + " " + endNotesText(cable, Side::End) + " Cable: " + cableLine +
           (cableLine.back() == '.' ? "" : ".");
}

int partsSourceLine(const CableSource& cable) {
    int line = 0;
    auto earliest = [&line](int l) {
        if (l > 0 && (line == 0 || l < line)) line = l;
    };
    for (const PartLine& p : cable.parts) earliest(p.line);
    for (const GaugeLine& g : cable.gauges) earliest(g.line);
    for (const LengthLine& l : cable.lengths) earliest(l.line);
    if (line == 0) line = cable.startEnd.genderLine;
    return line == 0 ? 1 : line;
}

}  // namespace wiring
