// Signal names agree with the pinout drawings: each name a wire or jumper gives a contact is one
// of the names of that contact's row, or an alias the cable source declares for it.

#include <algorithm>
#include <regex>

#include "wiring/PinoutRows.h"
#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

[[noreturn]] void fail(const CableSource& cable, int line, const std::string& message) {
    throw DataError(cable.file, line, message);
}

// The drawing's file name without the folder it was read from.
std::string shortName(const ConnectorSource& pinouts) {
    const std::size_t slash = pinouts.file.find_last_of("/\\");
    return slash == std::string::npos ? pinouts.file : pinouts.file.substr(slash + 1);
}

bool aliasMeans(const SignalAlias& alias, const std::string& rowText) {
    const std::vector<std::string> allowed = signalNames(rowText);
    const std::vector<std::string> meant = signalNames(alias.pinoutText);
    return std::any_of(meant.begin(), meant.end(), [&allowed](const std::string& folded) {
        return std::find(allowed.begin(), allowed.end(), folded) != allowed.end();
    });
}

// The name is the row's own, or an alias of the cable source or of the pinout drawing for it.
bool agrees(const CableSource& cable, const ConnectorSource& drawing, const std::string& name, const std::string& rowText) {
    const std::vector<std::string> allowed = signalNames(rowText);
    if (std::find(allowed.begin(), allowed.end(), foldedName(name)) != allowed.end()) return true;
    auto meansRow = [&](const SignalAlias& alias) { return alias.name == name && aliasMeans(alias, rowText); };
    return std::any_of(cable.aliases.begin(), cable.aliases.end(), meansRow) ||
           std::any_of(drawing.aliases.begin(), drawing.aliases.end(), meansRow);
}

// An alias must stand for a row of one of the pinout drawings it serves, or it hides a typing error.
void checkAliasTargets(const CableSource& cable, const std::vector<const ConnectorSource*>& drawings) {
    for (const SignalAlias& alias : cable.aliases) {
        const bool found = std::any_of(drawings.begin(), drawings.end(), [&alias](const ConnectorSource* drawing) {
            return drawing && std::any_of(drawing->pins.begin(), drawing->pins.end(),
                                          [&alias](const PinRow& row) { return aliasMeans(alias, row.signal); });
        });
        if (!found)
            throw DataError(cable.file, alias.line, "no row of the pinout drawings reads \"" +
                            alias.pinoutText + "\"");
    }
}

void checkName(const CableSource& cable, const EndPinouts& pinouts, const PinRef& pin, const std::string& name,
               int line) {
    const ConnectorSource* drawing = pinouts.of(pin.side);
    if (!drawing || pin.contact == "SHELL") return;
    const std::string where = std::string(pin.side == Side::Start ? "start" : "end") + " contact " +
                              (pin.branch.empty() ? "" : pin.branch + ":") + pin.contact;
    const PinRow* row = rowOf(*drawing, pin.contact);
    if (!row) fail(cable, line, where + " is not on the pinout drawing " + shortName(*drawing) + ": wire only the contacts it lists");
    if (name.empty())
        fail(cable, line, where + " needs its signal name: the pinout drawing " + shortName(*drawing) + " calls it \"" +
                              row->signal + "\"");
    if (!agrees(cable, *drawing, name, row->signal))
        fail(cable, line, where + " is \"" + row->signal + "\" on the pinout drawing " + shortName(*drawing) +
                              ", not \"" + name + "\": correct the wire, or declare 'alias " + name +
                              " = <the row's text>' if both name one signal");
}

// "D0-D7" over eight wires names them D0, D1 ... D7; any other name stands for every wire.
std::vector<std::string> namesOfRun(const std::string& name, std::size_t count) {
    static const std::regex range("(.*?)([0-9]+)-(.*?)([0-9]+)");
    std::smatch m;
    if (count > 1 && std::regex_match(name, m, range) && m[1] == m[3]) {
        const int first = std::stoi(m[2]);
        const int last = std::stoi(m[4]);
        if (last - first + 1 == static_cast<int>(count)) {
            std::vector<std::string> names;
            for (int n = first; n <= last; ++n) names.push_back(m[1].str() + std::to_string(n));
            return names;
        }
    }
    return std::vector<std::string>(count, name);
}

}  // namespace

void checkSignalNames(const CableSource& cable, const EndPinouts& pinouts) {
    checkAliasTargets(cable, {pinouts.start, pinouts.end});
    for (const ConnectorSource* drawing : {pinouts.start, pinouts.end}) {
        if (!drawing) continue;
        CableSource asCable;
        asCable.file = drawing->file;
        asCable.aliases = drawing->aliases;
        checkAliasTargets(asCable, {drawing});
    }
    for (std::size_t i = 0; i < cable.wires.size();) {
        std::size_t next = i;
        while (next < cable.wires.size() && cable.wires[next].group == cable.wires[i].group) ++next;
        if (cable.wires[i].kind == Wire::Kind::Shield) {
            i = next;
            continue;
        }
        const std::vector<std::string> starts = namesOfRun(cable.wires[i].startSignal, next - i);
        const std::vector<std::string> ends = namesOfRun(cable.wires[i].endSignal, next - i);
        for (std::size_t k = i; k < next; ++k) {
            const Wire& w = cable.wires[k];
            // A ribbon wire carries its own name, taken from the start's pinout drawing.
            const bool ribbon = w.kind == Wire::Kind::Ribbon;
            checkName(cable, pinouts, w.start, ribbon ? w.startSignal : starts[k - i], w.line);
            checkName(cable, pinouts, w.end, ribbon ? w.endSignal : ends[k - i], w.line);
        }
        i = next;
    }
    for (const Jumper& j : cable.jumpers) {
        if (j.aSignal.empty() && j.bSignal.empty()) continue;
        checkName(cable, pinouts, j.a, j.aSignal, j.line);
        checkName(cable, pinouts, j.b, j.bSignal, j.line);
    }
}

}  // namespace wiring
