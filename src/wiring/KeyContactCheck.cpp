// A continuity list is a list a meter can follow: no pair may end on a contact that the end's
// pinout drawing marks as the key (a blocked hole or a missing pin) or leaves out, since no
// probe reaches it there.

#include "wiring/PinoutRows.h"
#include "wiring/WiringChecks.h"

namespace wiring {

namespace {

void checkEnd(const CableSource& cable, const EndPinouts& pinouts, const PinRef& pin, int line) {
    const ConnectorSource* drawing = pinouts.of(pin.side);
    if (!drawing || pin.contact.empty() || pin.contact == "SHELL") return;
    const std::string where = std::string(pin.side == Side::Start ? "start" : "end") + " contact " +
                              (pin.branch.empty() ? "" : pin.branch + ":") + pin.contact;
    const PinRow* row = rowOf(*drawing, pin.contact);
    std::string why;
    if (!row)
        why = " is left out of the pinout drawing " + shortName(*drawing) +
              ": no wire, jumper or continuity pair may end on a contact the drawing does not show";
    else if (isKeyRow(*row))
        why = " is the key on the pinout drawing " + shortName(*drawing) + " (\"" + row->signal +
              "\"): no probe reaches it, so no wire, jumper or continuity pair may end there";
    else
        return;
    throw DataError(cable.file, line == 0 ? 1 : line, where + why);
}

}  // namespace

void checkKeyContacts(const CableSource& cable, const EndPinouts& pinouts) {
    // Every pair of the continuity list is the two ends of a wire or jumper; an open shield's one
    // end is checked too.
    for (const Wire& w : cable.wires) {
        checkEnd(cable, pinouts, w.start, w.line);
        checkEnd(cable, pinouts, w.end, w.line);
    }
    for (const Jumper& j : cable.jumpers) {
        checkEnd(cable, pinouts, j.a, j.line);
        checkEnd(cable, pinouts, j.b, j.line);
    }
}

}  // namespace wiring
