#pragma once
// Reading a pinout drawing's rows as a wiring check needs them: the row of a contact, the names
// a row's text stands for, and whether the row is a ground, a shield or a supply.

#include <string>
#include <vector>

#include "wiring/ConnectorSource.h"

namespace wiring {

// The row that lists the contact, or null.
const PinRow* rowOf(const ConnectorSource& pinouts, const std::string& contact);

// The names a row's text allows, folded for comparison: "TxD out (transmit)" gives "txd";
// "GND / MIDI out" gives "gnd" and "midi"; "Line: brown" gives "line".
std::vector<std::string> signalNames(const std::string& rowText);

// A wire's signal name folded the same way: no spaces, lower case.
std::string foldedName(const std::string& name);

// A row that marks the key: a blocked hole or a missing pin, where no probe reaches.
bool isKeyRow(const PinRow& row);

// A row of a ground, shield or protective earth, or of a supply voltage.
bool isReturnOrSupply(const std::string& rowText);

// The drawing's file name without the folder it was read from, as messages name it.
std::string shortName(const ConnectorSource& pinouts);

}  // namespace wiring
