#pragma once
// What each drawing of a cable shows, in words, for a screen reader: a connector drawing and a
// pinout drawing from the cable's connector rows, the circuit diagram as Copy wiring words it and
// the notes in full from its index entry, and the welcome drawings of row 0 by the texts they
// write. Whatever the cable does not know stays "".

#include <string>

#include "cables/Cable.h"

enum class CableDrawing { StartPlug, StartPinouts, Diagram, Notes, EndPlug, EndPinouts };

std::string DrawingWords(const Cable& cable, CableDrawing drawing);
