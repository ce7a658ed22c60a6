#include "wiring/PartsList.h"

#include <algorithm>

#include "wiring/CoreCount.h"
#include "wiring/EndGenders.h"

namespace wiring {

namespace {

std::string endText(const CableSource& cable, Side side) {
    const CableEndFacts& facts = cable.facts(side);
    // The connector's family ("DE-9", not "DE-9 (9-pin D-sub)"), as a shop lists it.
    const std::string title = facts.connectorTitle.empty() ? cable.heading(side).text : facts.connectorTitle;
    std::string text = connectorFamily(title) + (facts.looseEnds ? ", loose ends" : " " + endWord(facts));
    // A branched end has one plug of its connector per branch.
    if (side == Side::End && cable.branches.size() > 1) text = std::to_string(cable.branches.size()) + " x " + text;
    for (const std::string& part : facts.connectorParts) text += "; " + part;
    const PartPlace place = side == Side::Start ? PartPlace::Start : PartPlace::End;
    for (const PartLine& part : cable.parts)
        if (part.place == place) text += "; " + part.text;
    return text;
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

bool hasOwnParts(const CableSource& cable, PartPlace place) {
    const CableEndFacts& facts = place == PartPlace::Start ? cable.startEnd : cable.endEnd;
    return !facts.connectorParts.empty() ||
           std::any_of(cable.parts.begin(), cable.parts.end(), [place](const PartLine& p) { return p.place == place; });
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
    std::string text;
    for (const PartsEntry& entry : partsList(cable)) {
        // An end that is only its connector is said already by the notes' paragraph "Connectors".
        if (entry.place != PartPlace::Cable && !hasOwnParts(cable, entry.place)) continue;
        std::string word = partPlaceWord(entry.place);
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
        text += (text.empty() ? "" : " ") + word + ": " + entry.text + (entry.text.back() == '.' ? "" : ".");
    }
    return text;
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
