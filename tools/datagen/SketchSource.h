#pragma once
// Free drawings (start-up pictures, notes, the print logo) given shape by shape in drawing units.

#include <vector>

#include "Sketch.h"
#include "SourceText.h"

Sketch parseSketch(const std::vector<SourceLine>& lines);
