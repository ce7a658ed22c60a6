#pragma once
// The rows of a circuit diagram: which contact stands on the left and on the right of each row,
// what joins them, and where the contacts that only a jumper reaches are put.

#include <string>
#include <vector>

#include "wiring/CableSource.h"

namespace wiring {

struct DiagramSlot {
    bool used = false;
    PinRef pin;          // the contact, for finding jumper ends
    std::string label;   // "3", "2-9", "SHELL", "open"
    std::string signal;  // "TxD", may be empty
    bool dot = false;    // a contact dot where the wire or jumper meets it
};

struct DiagramRow {
    enum class Kind { Wire, Bus, Shield, Gap, Heading, Loose };
    Kind kind = Kind::Loose;  // Loose: contacts reached by jumpers only, no line across
    DiagramSlot left;
    DiagramSlot right;
    std::string middle;  // on the line: a colour, "8 wires", "shield"; for a heading its text
    int line = 0;        // the source line, for errors and the envelope check
};

// The rows in drawing order: the wires as the source gives them (a range as one row, a long
// ribbon as its first and last contacts around a gap), a heading before each branch's rows, and
// every contact that only a jumper reaches next to the contact it is linked to.
std::vector<DiagramRow> diagramRows(const CableSource& cable);

// The row that shows a contact, or -1.
int rowOf(const std::vector<DiagramRow>& rows, const PinRef& pin);

}  // namespace wiring
