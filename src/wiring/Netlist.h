#pragma once
// A cable's continuity list: the connections to test with a meter, one a line.

#include <set>
#include <string>
#include <vector>

#include "wiring/CableSource.h"

namespace wiring {

// "S3 E2" for a wire (or the shield) from start to end, "E6 E1" for a jumper within one
// connector; wires first in source order, then the jumpers. A shield left open at one end is
// no connection and is not listed.
std::vector<std::string> netlistLines(const CableSource& cable);

// The contacts that the wires and jumpers join electrically, one set per group of two or more,
// named as in the list ("S4", "E6", "E1"). A meter beeps between any two of one group.
std::vector<std::set<std::string>> connectedGroups(const CableSource& cable);

}  // namespace wiring
