#pragma once
// Lays out the connector drawing (the face, large, every contact numbered) and the pinout drawing
// (the face, small, and the table of contacts and signals) inside the connector envelope.

#include "wiring/ConnectorSource.h"
#include "wiring/Sketch.h"

namespace wiring {

Sketch layoutConnector(const ConnectorSource& source);
Sketch layoutPinouts(const ConnectorSource& source);

// "Female, mating face" and the like.
std::string genderLine(const ConnectorSource& source);

}  // namespace wiring
