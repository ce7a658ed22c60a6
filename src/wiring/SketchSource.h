#pragma once
// Free drawings (start-up pictures, notes, the print logo) given shape by shape in drawing units.

#include <vector>

#include "wiring/Sketch.h"
#include "wiring/SourceText.h"

namespace wiring {

Sketch parseSketch(const std::vector<SourceLine>& lines);

// The fill named by word `index` of the line: none, white, light, grey or black.
Fill parseFill(const SourceLine& line, std::size_t index);

}  // namespace wiring
