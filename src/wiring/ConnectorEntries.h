#pragma once
// What the connector list says of a connector or pinout drawing, made from its source: the words a
// screen reader is told. datagen writes them into the list for the shipped drawings; a user's cable
// carries them for its own.

#include "datafiles/ConnectorList.h"
#include "wiring/ConnectorSource.h"

namespace wiring {

// A connector drawing's number, group, name (its first title line), gender and view; no pinouts.
ConnectorEntry connectorEntry(const ConnectorSource& plug);

// A pinout drawing's number, name (its first title line) and rows, top to bottom.
PinoutEntry pinoutEntry(const ConnectorSource& pinouts);

}  // namespace wiring
