// Grounds, shields and supplies are decided, never forgotten: each such contact of an end's
// pinout drawing is wired on every plug of that end, or listed with 'free' and a reason.

#include <set>

#include "wiring/PinoutRows.h"
#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

[[noreturn]] void fail(const CableSource& cable, int line, const std::string& message) {
    throw DataError(cable.file, line == 0 ? 1 : line, message);
}

std::set<PinRef> wiredContacts(const CableSource& cable) {
    std::set<PinRef> wired;
    for (const Wire& w : cable.wires) {
        if (!w.start.contact.empty()) wired.insert(w.start);
        if (!w.end.contact.empty()) wired.insert(w.end);
    }
    for (const Jumper& j : cable.jumpers) {
        wired.insert(j.a);
        wired.insert(j.b);
    }
    return wired;
}

int lineOfWire(const CableSource& cable, const PinRef& pin) {
    for (const Wire& w : cable.wires) {
        if (w.start == pin || w.end == pin) return w.line;
    }
    for (const Jumper& j : cable.jumpers) {
        if (j.a == pin || j.b == pin) return j.line;
    }
    return 0;
}

std::string written(const PinRef& pin) { return (pin.branch.empty() ? "" : pin.branch + ":") + pin.contact; }

std::string sideWord(Side side) { return side == Side::Start ? "start" : "end"; }

}  // namespace

void checkReturnsAndSupplies(const CableSource& cable, const EndPinouts& pinouts) {
    const std::set<PinRef> wired = wiredContacts(cable);
    std::set<PinRef> freed;
    for (const FreeContact& f : cable.freeContacts) {
        if (wired.count(f.pin))
            fail(cable, f.line, sideWord(f.pin.side) + " contact " + written(f.pin) + " is wired on line " + std::to_string(lineOfWire(cable, f.pin)) +
                                    ": it cannot be free as well");
        freed.insert(f.pin);
    }
    for (Side side : {Side::Start, Side::End}) {
        const ConnectorSource* drawing = pinouts.of(side);
        if (!drawing) continue;
        // Each plug of a branched end has every contact of the pinout drawing.
        std::vector<std::pair<std::string, int>> plugs;
        if (side == Side::End && !cable.branches.empty()) {
            for (const Branch& b : cable.branches) plugs.push_back({b.name, b.line});
        } else {
            plugs.push_back({"", cable.heading(side).line});
        }
        for (const auto& [branch, line] : plugs) {
            for (const PinRow& row : drawing->pins) {
                if (!isReturnOrSupply(row.signal)) continue;
                for (const std::string& id : row.ids) {
                    const PinRef pin{side, branch, id};
                    if (wired.count(pin) || freed.count(pin)) continue;
                    fail(cable, line, sideWord(side) + " contact " + written(pin) + " is \"" + row.signal +
                                          "\" but neither wired nor free: wire it, or give the reason with 'free " +
                                          sideWord(side) + " " + written(pin) + " <reason>'");
                }
            }
        }
    }
}

}  // namespace wiring
