#pragma once
// Lays out the connector drawing (the face, large, every contact numbered) and the pinout drawing
// (the face, small, and the table of contacts and signals) inside the connector envelope.

#include "ConnectorSource.h"
#include "Sketch.h"

Sketch layoutConnector(const ConnectorSource& source);
Sketch layoutPinouts(const ConnectorSource& source);

// "Female, mating face" and the like.
std::string genderLine(const ConnectorSource& source);
