#include "wiring/QuietPairs.h"

#include <set>

#include "wiring/NeighbourPairs.h"
#include "wiring/Netlist.h"
#include "wiring/PinoutRows.h"

namespace wiring {

namespace {

void addEnd(CableSource& cable, const ConnectorSource& plug, const ConnectorSource* pinouts, Side side,
            const std::string& branch, const std::vector<std::set<std::string>>& groups) {
    const PinRef named{side, branch, ""};
    auto name = [&](const std::string& contact) {
        PinRef pin = named;
        pin.contact = contact;
        return pin.text();
    };
    auto takesPart = [&](const std::string& contact) {
        if (!pinouts) return true;
        const PinRow* row = rowOf(*pinouts, contact);
        return !row || !isKeyRow(*row);
    };
    auto mayAsk = [&](const std::string& a, const std::string& b) {
        const std::string na = name(a);
        const std::string nb = name(b);
        for (const std::set<std::string>& g : groups)
            if (g.count(na) && g.count(nb)) return false;
        return true;
    };
    std::set<ContactPair> quiet;
    for (const auto& [a, b] : neighbourPairs(plug.face, takesPart, mayAsk)) {
        cable.quietPairs.push_back({name(a), name(b)});
        quiet.insert({a, b});
        quiet.insert({b, a});
    }
    const auto every = [](const std::string&) { return true; };
    for (const auto& [a, b] : neighbourPairs(plug.face, every, [](const std::string&, const std::string&) { return true; }))
        if (!quiet.count({a, b})) cable.joinedNeighbours.push_back({name(a), name(b)});
}

void addSide(CableSource& cable, const ConnectorSource& plug, const ConnectorSource* pinouts, Side side,
             const std::vector<std::set<std::string>>& groups) {
    if (plug.symbolic) {
        cable.unplacedEnds.push_back(side == Side::Start ? "S" : "E");
        return;
    }
    if (side == Side::End && !cable.branches.empty()) {
        for (const Branch& branch : cable.branches) addEnd(cable, plug, pinouts, side, branch.name, groups);
        return;
    }
    addEnd(cable, plug, pinouts, side, "", groups);
}

}  // namespace

void fillQuietPairs(CableSource& cable, const ConnectorSource& startPlug, const ConnectorSource& endPlug,
                    const EndPinouts& pinouts) {
    cable.quietPairs.clear();
    cable.unplacedEnds.clear();
    cable.joinedNeighbours.clear();
    const std::vector<std::set<std::string>> groups = connectedGroups(cable);
    addSide(cable, startPlug, pinouts.start, Side::Start, groups);
    addSide(cable, endPlug, pinouts.end, Side::End, groups);
}

}  // namespace wiring
