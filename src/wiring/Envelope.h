#pragma once
// Where each kind of drawing may draw, from the placement on screen and on the printed sheet.

#include <string>
#include <vector>

#include "wiring/Sketch.h"

namespace wiring {

enum class DrawingKind { Connector, Notes, Logo };

struct Envelope {
    Box area;
    bool hasKeepClear = false;
    Box keepClear{0, 0, 0, 0};  // must stay empty, e.g. the notes dialog's OK button
};

constexpr int SmallestTextHeight = 220;

Envelope envelopeFor(DrawingKind kind);

struct EnvelopeFault {
    int line;  // the source line of the shape
    std::string message;
};

// One fault per offence: shapes outside the area or in the keep-clear corner, text too small.
std::vector<EnvelopeFault> checkEnvelope(const Sketch& sketch, DrawingKind kind);

}  // namespace wiring
