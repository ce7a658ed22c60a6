#pragma once
// The circuit diagram of a cable (CABLE.NNN): the start connector's contacts down the left, the
// end connector's down the right, each wire a line between them, jumpers as links beside the
// contacts, the shield dashed; all inside the connector envelope.

#include "wiring/CableSource.h"
#include "wiring/Sketch.h"

namespace wiring {

// Under the titles of a cable whose wiring no public reference confirms.
constexpr const char* UnconfirmedWarning = "UNCONFIRMED: see notes";

// Throws DataError naming the source line when the wiring does not fit the drawing.
Sketch layoutCableDiagram(const CableSource& cable);

}  // namespace wiring
