#pragma once
// A drawing made into metafile bytes only when it fits the place its kind is shown in.

#include <cstdint>
#include <string>
#include <vector>

#include "wiring/Envelope.h"
#include "wiring/Sketch.h"

namespace wiring {

// Checks the sketch against the envelope of its kind and its labels for readability, and renders
// it; `shown` names the source in errors. Throws one DataError with every fault of the drawing, each
// on its line, or when it is empty.
std::vector<std::uint8_t> checkedMetafile(const Sketch& sketch, DrawingKind kind, const std::string& shown);

}  // namespace wiring
